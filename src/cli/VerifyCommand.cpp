#include "cli/VerifyCommand.h"

#include "scenario/TScenarioData.h"
#include "scenario/verify/VerificationRun.h"
#include "xml/TFolderLock.h"

#include <exception>

namespace {

const char* const HelpText =
    R"(Usage: stumpcraft-verify [--all] [--json] [--write] FOLDER

Loads the ten files of the scenario folder FOLDER and verifies them in the
order of the editor's steps: scenario settings, issues, political units, ads,
parties (with starting percentages and relations), events, endorsers,
activities. The run stops after the first file that has a problem, as the
editor does.

Options:
  --all      verify every file, even after an earlier file had a problem;
             each file is verified as it would be after clean earlier files
  --json     print the messages as a JSON array of objects with the keys
             "file", "section", "field", "message", "text" and "element"
             (the element's path, for example /parties/party[2]/convention)
  --write    afterwards save the ten documents into FOLDER, keeping what
             verification repaired; all ten files are replaced or none is
  --help     show this text and exit
  --version  show the version and exit

Output: without --json, one line per message, each the full text
(section >> field >> message), in the order found, and nothing else.

Exit status:
  0  no problem found
  1  problems found (messages were printed)
  2  usage error, a file that is missing or not well-formed (one line on
     standard error naming the file; nothing is written), or a failed save
  3  the folder is busy: another program was saving it for longer than a
     few seconds; one line on standard error says
       Another program is saving "FOLDER"; try again when it has finished.
     and nothing was changed (with --write, the messages were printed
     but the files were not saved)

Other programs: the files are read under a shared lock and saved under an
exclusive one (the file .stumpcraft-lock in the folder), so a reader never
sees half a save. A save that was killed is finished by the next program
that opens the folder; a folder that may not be changed is read as it is.
)";

const char* const UsageLine = "Usage: stumpcraft-verify [--all] [--json] [--write] FOLDER";

// One message per line: a line break inside a message (from element text or
// an attribute value) would split it, so it becomes a blank.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// Length of the valid UTF-8 sequence starting at s[i], or 0 when invalid.
size_t Utf8Length(const std::string& s, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    size_t length = 0;
    char32_t cp = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    if ((length == 3 && cp < 0x800) || (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string JsonString(const std::string& text) {
    static const char* const Hex = "0123456789abcdef";
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const size_t length = Utf8Length(text, i);
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(text, i, length);
                i += length;
            }
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += Hex[c >> 4];
                out += Hex[c & 0x0F];
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string MessagesAsJson(const TScenarioData& data) {
    const auto& messages = data.Messages();
    if (messages.empty())
        return "[]\n";
    std::string out = "[\n";
    for (size_t i = 0; i < messages.size(); ++i) {
        const TVerificationMessage& m = messages[i];
        out += "  {\"file\": " + JsonString(m.File) + ", \"section\": " + JsonString(m.Section) +
               ", \"field\": " + JsonString(m.Field) + ", \"message\": " + JsonString(m.Message) +
               ", \"text\": " + JsonString(m.Text()) +
               ", \"element\": " + JsonString(m.ElementPath) + "}";
        out += i + 1 < messages.size() ? ",\n" : "\n";
    }
    out += "]\n";
    return out;
}

int RunVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TScenarioData data;
    return RunVerifyCommand(args, out, err, data);
}

int RunVerifyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     TScenarioData& data) {
    bool all = false, json = false, write = false, optionsDone = false;
    std::vector<std::string> folders;
    for (const std::string& arg : args) {
        if (optionsDone || arg.empty() || arg[0] != '-' || arg == "-") {
            folders.push_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (arg == "--all") {
            all = true;
        } else if (arg == "--json") {
            json = true;
        } else if (arg == "--write") {
            write = true;
        } else if (arg == "--help" || arg == "-h") {
            out << HelpText;
            return VerifyClean;
        } else if (arg == "--version") {
            out << "stumpcraft-verify " << STUMPCRAFT_VERSION << "\n";
            return VerifyClean;
        } else {
            err << "stumpcraft-verify: unknown option " << arg << "\n" << UsageLine << "\n";
            return VerifyError;
        }
    }
    if (folders.size() != 1 || folders[0].empty()) {
        err << "stumpcraft-verify: "
            << (folders.empty() || folders[0].empty() ? "no scenario folder given"
                                                      : "more than one folder given")
            << "\n"
            << UsageLine << "\n";
        return VerifyError;
    }

    std::string folder = folders[0];
    try {
        data.Load(folder);
    } catch (const TFolderBusy& e) {
        err << "stumpcraft-verify: " << OneLine(e.what()) << "\n";
        return VerifyBusy;
    } catch (const std::exception& e) {
        err << "stumpcraft-verify: " << OneLine(e.what()) << "\n";
        return VerifyError;
    }
    if (!data.Loaded()) {
        err << "stumpcraft-verify: " << folder << ": scenario not loaded\n";
        return VerifyError;
    }

    const TVerificationRunResult result = VerificationRun::Run(&data, all);
    if (json) {
        out << MessagesAsJson(data);
    } else {
        for (const TVerificationMessage& m : data.Messages())
            out << OneLine(m.Text()) << "\n";
    }
    out.flush();
    if (!out) {
        // A lost message list must not pass for a clean scenario.
        err << "stumpcraft-verify: cannot write the messages\n";
        return VerifyError;
    }

    if (write) {
        try {
            data.Save();
        } catch (const TFolderBusy& e) {
            err << "stumpcraft-verify: " << OneLine(e.what()) << "\n";
            return VerifyBusy;
        } catch (const std::exception& e) {
            err << "stumpcraft-verify: " << OneLine(e.what()) << "\n";
            return VerifyError;
        }
    }

    if (!data.Messages().empty())
        return VerifyProblems;
    if (result.ProblemsExist) {
        // A verifier can end without a message (a document it cannot walk);
        // that is still a failed verification, never a clean one.
        for (size_t i = 0; i < VerifiedFileCount; ++i)
            if (result.Ran[i] && !result.Passed[i])
                err << "stumpcraft-verify: "
                    << TScenarioData::FileName(
                           VerificationRun::FileOf(static_cast<TVerifiedFile>(i)))
                    << ": verification ended without a message\n";
        return VerifyProblems;
    }
    return VerifyClean;
}
