#include "support/VerifyCases.h"

#include "scenario/ScenarioFolders.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace VerifyCases {

namespace {

[[noreturn]] void Fail(const std::string& line, const std::string& why) {
    throw std::runtime_error("mutation \"" + line + "\": " + why);
}

void Expect(const std::vector<std::string>& words, size_t min, size_t max,
            const std::string& line) {
    if (words.size() < min || words.size() > max)
        Fail(line, "wrong number of words");
}

// A path inside the case folder: relative and without "..".
fs::path Inside(const std::string& folder, const std::string& relative, const std::string& line) {
    const fs::path p(relative);
    if (p.is_absolute() || relative.empty())
        Fail(line, "file path must be relative");
    for (const auto& part : p)
        if (part == "..")
            Fail(line, "file path must stay in the folder");
    return fs::path(folder) / p;
}

// The element a line's FILE and PATH name; null when there is none.
TXmlNode* Lookup(TScenarioData& data, const std::vector<std::string>& words,
                 const std::string& line) {
    if (words.size() < 3)
        Fail(line, "missing file or path");
    const auto file = TScenarioData::FileNamed(words[1]);
    if (!file)
        Fail(line, "unknown scenario file " + words[1]);
    return TestScenario::At(data, *file, words[2]);
}

TXmlNode* Element(TScenarioData& data, const std::vector<std::string>& words,
                  const std::string& line) {
    TXmlNode* node = Lookup(data, words, line);
    if (!node)
        Fail(line, "no element at " + words[2]);
    return node;
}

void ApplyToElement(TScenarioData& data, const std::vector<std::string>& w,
                    const std::string& line) {
    const std::string& op = w[0];
    if (op == "set") {
        Expect(w, 4, 4, line);
        Element(data, w, line)->SetText(w[3]);
    } else if (op == "remove") {
        Expect(w, 3, 3, line);
        TXmlNode* node = Element(data, w, line);
        if (!node->Parent())
            Fail(line, "cannot remove a root");
        node->Parent()->RemoveChild(node);
    } else if (op == "add") {
        Expect(w, 4, 5, line);
        Element(data, w, line)->AddNewChild(w[3], w.size() > 4 ? w[4] : std::string{});
    } else if (op == "rename") {
        Expect(w, 4, 4, line);
        Element(data, w, line)->Name = w[3];
    } else if (op == "attr") {
        Expect(w, 5, 5, line);
        Element(data, w, line)->SetAttribute(w[3], w[4]);
    } else if (op == "unattr") {
        Expect(w, 4, 4, line);
        TXmlNode* node = Element(data, w, line);
        TXmlAttribute* a = node->GetAttribute(w[3]);
        if (!a)
            Fail(line, "no attribute " + w[3]);
        node->RemoveAttribute(a);
    } else if (op == "copy") {
        Expect(w, 3, 4, line);
        TXmlNode* node = Element(data, w, line);
        TXmlNode* target = node->Parent();
        if (w.size() > 3)
            target = Element(data, {w[0], w[1], w[3]}, line);
        if (!target)
            Fail(line, "cannot copy a root");
        TXmlNode::CopyNode(target->AddNewChild(node->Name), node);
    } else {
        Fail(line, "unknown operation " + op);
    }
}

} // namespace

std::string CaseFolder(const std::string& name) {
    return TestScenario::DataPath("verify/" + name);
}

std::vector<std::string> List() {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(TestScenario::DataPath("verify"), ec), end; !ec && it != end;
         it.increment(ec))
        if (it->is_directory() && fs::exists(it->path() / "expected.txt"))
            names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ExpectedLines(const std::string& path, const std::string& folder) {
    auto lines = ScenarioFolders::ReadLines(path);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    const std::string placeholder = "{folder}";
    for (auto& line : lines)
        for (size_t p = line.find(placeholder); p != std::string::npos;
             p = line.find(placeholder, p + folder.size()))
            line.replace(p, placeholder.size(), folder);
    return lines;
}

bool Fails(const std::string& name, const std::vector<std::string>& expected) {
    return !expected.empty() && !fs::exists(CaseFolder(name) + "/passes");
}

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\') {
                    if (i >= line.size())
                        break;
                    const char e = line[i++];
                    word += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                } else {
                    word += c;
                }
            }
            if (!closed)
                throw std::runtime_error("unclosed quote in \"" + line + "\"");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

void ApplyMutations(const std::vector<std::string>& lines, const std::string& folder) {
    std::vector<std::pair<std::vector<std::string>, std::string>> elementOps;
    for (const std::string& line : lines) {
        const auto w = SplitWords(line);
        if (w.empty() || w[0][0] == '#' || w[0] == "base")
            continue;
        if (w[0] == "delete") {
            Expect(w, 2, 2, line);
            const fs::path p = Inside(folder, w[1], line);
            if (!fs::remove(p))
                Fail(line, "no such file");
        } else if (w[0] == "write") {
            Expect(w, 3, 3, line);
            const fs::path p = Inside(folder, w[1], line);
            fs::create_directories(p.parent_path());
            std::ofstream(p, std::ios::binary) << w[2];
        } else {
            if (w.size() < 3)
                Fail(line, "missing file or path");
            elementOps.emplace_back(w, line);
        }
    }
    if (elementOps.empty())
        return;
    TScenarioData data;
    std::string path = folder;
    data.Load(path);
    for (const auto& [words, line] : elementOps)
        ApplyToElement(data, words, line);
    data.Save();
}

bool Prepare(const std::string& name, const TTemporaryFolder& target, std::string& reason) {
    const std::string folder = CaseFolder(name);
    const auto mutations = ScenarioFolders::ReadLines(folder + "/mutations.txt");
    const bool mutated = fs::exists(folder + "/mutations.txt");
    std::string source = folder;
    if (mutated) {
        source = TestScenario::DataPath("base");
        for (const std::string& line : mutations) {
            const auto w = SplitWords(line);
            if (w.size() == 2 && w[0] == "base")
                source = TestScenario::DataPath(w[1]);
        }
        if (!fs::is_directory(source)) {
            reason = "base folder " + source + " does not exist yet";
            return false;
        }
    }
    ScenarioFolders::CopyFolder(source, target.Path().string());
    // The case's own notes are not part of the scenario.
    for (const char* note : {"expected.txt", "expected-all.txt", "expected-repairs.txt",
                             "elements.txt", "mutations.txt", "passes", "README.md"})
        fs::remove(target.Path() / note);
    if (mutated)
        ApplyMutations(mutations, target.Path().string());
    return true;
}

std::vector<std::string> UnmetRepairs(const std::vector<std::string>& lines, TScenarioData& data) {
    std::vector<std::string> unmet;
    for (const std::string& line : lines) {
        const auto w = SplitWords(line);
        if (w.empty() || w[0][0] == '#')
            continue;
        const TXmlNode* node = Lookup(data, w, line);
        if (w[0] == "none") {
            Expect(w, 3, 3, line);
            if (node)
                unmet.push_back(line + ": the element is there");
            continue;
        }
        std::string found, wanted;
        if (w[0] == "count") {
            Expect(w, 4, 4, line);
            found = node ? std::to_string(node->ChildCount()) : "";
            wanted = w[3];
        } else if (w[0] == "text") {
            Expect(w, 4, 4, line);
            found = node ? node->GetText() : "";
            wanted = w[3];
        } else if (w[0] == "attr") {
            Expect(w, 5, 5, line);
            found = node ? node->AttributeValue(w[3]) : "";
            wanted = w[4];
        } else {
            Fail(line, "unknown check " + w[0]);
        }
        if (!node)
            unmet.push_back(line + ": no element there");
        else if (found != wanted)
            unmet.push_back(line + ": found \"" + found + "\"");
    }
    return unmet;
}

int RunProgram(const std::string& program, const std::vector<std::string>& args,
               std::string& output) {
    const auto quote = [](const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    std::string command = quote(program);
    for (const auto& a : args)
        command += " " + quote(a);
    command += " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + program);
    output.clear();
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace VerifyCases
