#include "xml/FileText.h"

#include "xml/TXmlDom.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) {
    return error ? std::strerror(error) : "unknown error";
}

std::string TemporaryNameFor(const std::string& target) {
    static std::mt19937_64 random{std::random_device{}()};
    const fs::path p(target);
    return (p.parent_path() /
            ("." + p.filename().string() + "." + std::to_string(random() % 1000000000) + ".tmp"))
        .string();
}

} // namespace

namespace FileText {

std::string Read(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw TFileError("Cannot open file \"" + path + "\": it is a folder");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw TFileError("Cannot open file \"" + path + "\": " + Reason(errno));
    // One read of the whole file; what cannot tell its size is read as a stream.
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0 && in) {
        bytes.resize(static_cast<size_t>(size));
        in.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(in.gcount()));
    } else {
        in.clear();
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad())
        throw TFileError("Cannot read file \"" + path + "\": " + Reason(errno));
    return bytes;
}

} // namespace FileText

TFileTransaction::~TFileTransaction() {
    Abandon();
}

void TFileTransaction::Stage(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryNameFor(path);
    errno = 0;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
        }
        if (out) {
            out.close();
            if (!out.fail()) {
                Entries_.push_back({path, temporary});
                return;
            }
        }
    }
    const int error = errno;
    std::error_code ec;
    fs::remove(temporary, ec);
    Abandon();
    throw TFileError("Cannot create file \"" + path + "\": " + Reason(error));
}

void TFileTransaction::Commit() {
    // A target that cannot be replaced fails the whole set before anything moves.
    for (const auto& e : Entries_) {
        std::error_code ec;
        if (fs::is_directory(e.Target, ec)) {
            const std::string target = e.Target;
            Abandon();
            throw TFileError("Cannot replace file \"" + target + "\": it is a folder");
        }
    }
    for (size_t i = 0; i < Entries_.size(); ++i) {
        std::error_code ec;
        fs::rename(Entries_[i].Temporary, Entries_[i].Target, ec);
        if (ec) {
            const std::string target = Entries_[i].Target;
            Entries_.erase(Entries_.begin(), Entries_.begin() + static_cast<long>(i));
            Abandon();
            throw TFileError("Cannot replace file \"" + target + "\": " + ec.message());
        }
    }
    Entries_.clear();
}

void TFileTransaction::Abandon() {
    for (const auto& e : Entries_) {
        std::error_code ec;
        fs::remove(e.Temporary, ec);
    }
    Entries_.clear();
}
