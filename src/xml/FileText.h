#pragma once

#include <string>
#include <vector>

// Whole-file reading and all-or-nothing writing of several files.
namespace FileText {
// Throws TFileError naming the file and the reason.
std::string Read(const std::string& path);
} // namespace FileText

// Writes each staged file to a temporary file beside it; Commit renames them
// all over their targets. Until Commit, and whenever staging fails, the old
// files stay untouched and the temporary files are removed.
class TFileTransaction {
public:
    TFileTransaction() = default;
    TFileTransaction(const TFileTransaction&) = delete;
    TFileTransaction& operator=(const TFileTransaction&) = delete;
    ~TFileTransaction();

    // Throws TFileError naming the file and the reason.
    void Stage(const std::string& path, const std::string& bytes);
    // Throws TFileError when a rename fails (files renamed before it stay new).
    void Commit();
    void Abandon();

private:
    struct Entry {
        std::string Target;
        std::string Temporary;
    };
    std::vector<Entry> Entries_;
};
