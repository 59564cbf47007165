// Mutates a scenario the way a careless or hostile designer might: elements
// removed, duplicated, reordered or emptied; values replaced by hostile ones;
// ids made to collide or dangle. Then every verifier runs with its repairs
// (again if they changed something), the messages are printed as JSON that
// must parse, and one document the input changed, chosen by the input, is
// saved to memory and must load again: the document fuzzer owns the reader
// and writer, so one round trip an input is enough here and keeps this
// fuzzer fast. The input bytes are the mutation program, so libFuzzer
// explores mutations, not XML syntax.
//
// The scenario is built once per process and copied for each input; nothing
// is written, and each picture name is looked up on disk once. Built
// with STUMPCRAFT_FUZZ_SCENARIO, it is that folder's scenario (slow);
// otherwise the invented fuzz base, whose pictures are those of the folder
// STUMPCRAFT_FUZZ_PICTURES.
#include "cli/VerifyCommand.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"
#include "scenario/verify/FieldChecks.h"
#include "scenario/verify/VerificationRun.h"
#include "xml/TXmlDom.h"
#include "xml/TreeBlocksInUse.h"

#ifndef STUMPCRAFT_FUZZ_SCENARIO
#include "sample/ScenarioDocuments.h"
#endif

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::vector<std::string> HostileValues = {"",
                                                " ",
                                                "-1",
                                                "0",
                                                "-0",
                                                "1",
                                                "7",
                                                "8",
                                                "100",
                                                "101",
                                                "-2147483648",
                                                "2147483648",
                                                "99999999999999999999",
                                                "1e308",
                                                "-1e308",
                                                "NaN",
                                                "inf",
                                                "1,5",
                                                "1.5.5",
                                                ".",
                                                ",",
                                                "+5",
                                                "0x10",
                                                "1 000",
                                                "  12  ",
                                                "abc",
                                                "Far-Left",
                                                "far-right",
                                                "Center",
                                                "Red",
                                                "Sunday",
                                                "00/00/0000",
                                                "13/45/2008",
                                                "02/29/2007",
                                                "02/29/2008",
                                                "12/31/9999",
                                                "1/1/1",
                                                "11/04/2008",
                                                "../../outside.bmp",
                                                "/etc/passwd",
                                                "a\\b.bmp",
                                                "scenario.bmp",
                                                "map.bmp",
                                                "&<>\"'",
                                                "\xC3\xA9\xE2\x82\xAC",
                                                "\xF0\x9F\x98\x80",
                                                "\xFF\xFE",
                                                "\x01\x02\x7F",
                                                "\xC2\x85",
                                                std::string(5000, 'x'),
                                                std::string(300, '9')};

class TProgram {
public:
    TProgram(const uint8_t* data, size_t size) : Data_(data), Size_(size) {}
    bool Done() const { return At_ >= Size_; }
    uint8_t Byte() { return At_ < Size_ ? Data_[At_++] : 0; }
    uint32_t Number() { return (static_cast<uint32_t>(Byte()) << 8) | Byte(); }

private:
    const uint8_t* Data_;
    size_t Size_;
    size_t At_ = 0;
};

// The elements of each document, walked again only after a mutation added
// or removed some there: a walk per pick was a tenth of the fuzzer's time.
class TNodeLists {
public:
    explicit TNodeLists(TScenarioData& data) : Data_(data) {}
    // An element of a document the program names, and that document.
    std::pair<TXmlNode*, size_t> Pick(TProgram& program) {
        const size_t file = program.Byte() % TScenarioData::FileCount;
        std::vector<TXmlNode*>& nodes = Lists_[file];
        if (!Walked_[file])
            Walk(Data_.Root(TScenarioData::AllFiles()[file]), nodes);
        Walked_[file] = true;
        return {nodes.empty() ? nullptr : nodes[program.Number() % nodes.size()], file};
    }
    void Forget(size_t file) { Walked_[file] = false; }

private:
    void Walk(TXmlNode* root, std::vector<TXmlNode*>& out) {
        out.clear();
        if (root)
            Stack_.push_back(root);
        while (!Stack_.empty()) {
            TXmlNode* n = Stack_.back();
            Stack_.pop_back();
            out.push_back(n);
            for (int32_t i = n->ChildCount() - 1; i >= 0; --i)
                Stack_.push_back(n->GetChildAt(i));
        }
    }
    TScenarioData& Data_;
    std::array<std::vector<TXmlNode*>, TScenarioData::FileCount> Lists_;
    std::array<bool, TScenarioData::FileCount> Walked_{};
    std::vector<TXmlNode*> Stack_;
};

// The parent the node is a child of now (a moved copy keeps its first parent).
TXmlNode* Holder(TXmlNode* node) {
    TXmlNode* parent = node->Parent();
    return parent && node->Index() < parent->ChildCount() &&
                   parent->GetChildAt(node->Index()) == node
               ? parent
               : nullptr;
}

void Mutate(TNodeLists& lists, TProgram& program) {
    const uint8_t op = program.Byte() % 8;
    const auto [node, file] = lists.Pick(program);
    TXmlNode* other = lists.Pick(program).first;
    const std::string& value = HostileValues[program.Byte() % HostileValues.size()];
    if (!node)
        return;
    TXmlNode* parent = Holder(node);
    switch (op) {
    case 0:
        if (parent)
            parent->RemoveChild(node);
        lists.Forget(file);
        break;
    case 1:
        if (parent) {
            auto copy = std::make_unique<TXmlNode>(parent);
            TXmlNode::CopyNode(copy.get(), node);
            const int32_t at = parent->AddChild(std::move(copy));
            parent->ExchangeChildren(at, node->Index() + 1);
        }
        lists.Forget(file);
        break;
    case 2:
        if (parent && parent->ChildCount() > 0)
            parent->ExchangeChildren(node->Index(), program.Byte() % parent->ChildCount());
        break;
    case 3:
        node->SetText(value);
        break;
    case 4: // an id shared with another element, of any kind
        if (other)
            node->SetAttribute("id", other->AttributeValue("id", value));
        break;
    case 5: // a reference to an element that does not exist
        node->SetText(std::to_string(100000 + program.Number()));
        break;
    case 6: // a reference to whatever another element holds
        if (other) {
            node->Text = other->Text;
            node->MarkChanged();
        }
        break;
    case 7:
        node->SetAttribute("id", value);
        while (node->ChildCount() > 0 && program.Byte() % 4 != 0)
            node->RemoveChild(node->GetChildAt(0));
        lists.Forget(file);
        break;
    }
}

// A strict reader of the JSON the command prints; false on anything else.
class TJsonChecker {
public:
    explicit TJsonChecker(const std::string& text) : Text_(text) {}
    bool Valid() {
        Space();
        if (!Value(0))
            return false;
        Space();
        return At_ == Text_.size();
    }

private:
    bool Value(int depth) {
        if (depth > 32 || At_ >= Text_.size())
            return false;
        const char c = Text_[At_];
        if (c == '"')
            return String();
        if (c == '[' || c == '{') {
            const char close = c == '[' ? ']' : '}';
            ++At_;
            Space();
            if (Take(close))
                return true;
            do {
                Space();
                if (close == '}' && !(String() && (Space(), Take(':')) && (Space(), true)))
                    return false;
                if (!Value(depth + 1))
                    return false;
                Space();
            } while (Take(','));
            return Take(close);
        }
        for (const char* word : {"true", "false", "null"})
            if (Text_.compare(At_, std::string(word).size(), word) == 0) {
                At_ += std::string(word).size();
                return true;
            }
        const size_t start = At_;
        while (At_ < Text_.size() &&
               std::string("+-.0123456789eE").find(Text_[At_]) != std::string::npos)
            ++At_;
        return At_ > start;
    }
    bool String() {
        if (!Take('"'))
            return false;
        while (At_ < Text_.size()) {
            const auto c = static_cast<unsigned char>(Text_[At_++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c == '\\') {
                if (At_ >= Text_.size())
                    return false;
                const char e = Text_[At_++];
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k)
                        if (At_ >= Text_.size() ||
                            !std::isxdigit(static_cast<unsigned char>(Text_[At_++])))
                            return false;
                } else if (std::string("\"\\/bfnrt").find(e) == std::string::npos) {
                    return false;
                }
            }
        }
        return false;
    }
    bool Take(char c) {
        if (At_ < Text_.size() && Text_[At_] == c) {
            ++At_;
            return true;
        }
        return false;
    }
    void Space() {
        while (At_ < Text_.size() && std::string(" \t\r\n").find(Text_[At_]) != std::string::npos)
            ++At_;
    }
    const std::string& Text_;
    size_t At_ = 0;
};

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

// A saved document must load again and save the same way.
void CheckSaved(const std::string& saved) {
    TXmlDom again;
    if (!again.LoadFromBytes(saved))
        Fail(again.LastError().ToString().c_str(), saved);
    if (again.ToText() != saved && !saved.empty())
        // Only emptied blocks may change (they reload as empty leaves); a
        // second round must then be stable.
        if (TXmlDom third; !third.LoadFromBytes(again.ToText()) || third.ToText() != again.ToText())
            Fail("a saved document does not settle:", saved);
}

struct TBase {
    std::array<TXmlDom, TScenarioData::FileCount> Documents;
    std::array<const TXmlNode*, TScenarioData::FileCount> Roots{};
    // What each document saves as; checked once, so that an input need
    // only check the documents it changed.
    std::array<std::string, TScenarioData::FileCount> Saved;
    std::string Folder;
};

// The pictures never change while the fuzzer runs: each name is looked up
// on disk once.
std::optional<std::string> RememberedFile(const std::string& folder, const std::string& name) {
    static std::map<std::pair<std::string, std::string>, std::optional<std::string>> known;
    const auto [at, added] = known.try_emplace({folder, name});
    if (added)
        at->second = ScenarioFolders::FindFileIgnoringCase(folder, name);
    return at->second;
}

void Build(TBase& base) {
    FieldChecks::InstallFileFinder(&RememberedFile);
#ifdef STUMPCRAFT_FUZZ_SCENARIO
    base.Folder = STUMPCRAFT_FUZZ_SCENARIO;
#else
    base.Folder = STUMPCRAFT_FUZZ_PICTURES;
    auto built = Sample::BuildDocuments(Sample::FuzzWorld(), "");
#endif
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        TXmlDom& document = base.Documents[static_cast<size_t>(file)];
#ifdef STUMPCRAFT_FUZZ_SCENARIO
        // Read without the folder's lock, which would create a file in it.
        const std::string path = base.Folder + TScenarioData::FileName(file);
        if (!document.LoadFromFile(path))
            Fail(document.LastError().ToString().c_str(), path);
#else
        auto& [name, root] = built.at(static_cast<size_t>(file));
        if (name != TScenarioData::ElementName(file))
            Fail("the fuzz base lists its documents in another order:", name);
        TXmlDom written;
        written.AdoptRoot(std::move(root));
        // Held as the program holds what it reads.
        if (!document.LoadFromBytes(written.ToText()))
            Fail(document.LastError().ToString().c_str(), written.ToText());
#endif
        base.Roots[static_cast<size_t>(file)] = document.Root();
        base.Saved[static_cast<size_t>(file)] = document.ToText();
        CheckSaved(base.Saved[static_cast<size_t>(file)]);
    }
    // A base with problems would start every input from the same repairs.
    TScenarioData data;
    data.CreateFromRoots(base.Roots, base.Folder);
    VerificationRun::Run(&data, true);
    if (!data.Messages().empty() || data.Changed())
        Fail("the fuzz base does not verify clean:", MessagesAsJson(data));
}

const TBase& Base() {
    static TBase base;
    [[maybe_unused]] static const bool built = (Build(base), true);
    return base;
}

using TRevisions = std::array<uint64_t, TScenarioData::FileCount>;

TRevisions Revisions(TScenarioData& data) {
    TRevisions revisions{};
    for (TScenarioFile file : TScenarioData::AllFiles())
        revisions[static_cast<size_t>(file)] = data.Document(file).Revision();
    return revisions;
}

void RunProgram(const uint8_t* bytes, size_t size) {
    TScenarioData data;
    data.CreateFromRoots(Base().Roots, Base().Folder);
    const TRevisions copied = Revisions(data);
    // Chooses the document whose save is checked among those that changed,
    // without taking a byte from the program the corpus was found with.
    size_t saveChoice = 0;
    for (size_t i = 0; i < size; ++i)
        saveChoice += bytes[i];
    TProgram program(bytes, size);
    TNodeLists lists(data);
    for (int step = 0; step < 64 && !program.Done(); ++step)
        Mutate(lists, program);

    // Repairs change documents; a second run must cope with what the first
    // left behind. A first run that repaired nothing would only repeat.
    for (int run = 0; run < 2; ++run) {
        const TRevisions before = Revisions(data);
        VerificationRun::Run(&data, true);
        const std::string json = MessagesAsJson(data);
        if (!TJsonChecker(json).Valid())
            Fail("the messages are not valid JSON:", json);
        if (Revisions(data) == before)
            break;
    }
    const TRevisions now = Revisions(data);
    std::vector<size_t> changed;
    for (size_t at = 0; at < TScenarioData::FileCount; ++at) {
        if (now[at] != copied[at])
            changed.push_back(at);
#ifdef STUMPCRAFT_FUZZ_REPLAY
        // Every change must count as one: the next input starts from this
        // document, and the editor's undo and saves rely on it too.
        else if (data.Document(TScenarioData::AllFiles()[at]).ToText() != Base().Saved[at])
            Fail("a document changed without counting the change:",
                 data.Document(TScenarioData::AllFiles()[at]).ToText());
#endif
    }
    if (!changed.empty()) {
        const size_t at = changed[saveChoice % changed.size()];
        if (const std::string saved = data.Document(TScenarioData::AllFiles()[at]).ToText();
            saved != Base().Saved[at])
            CheckSaved(saved);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    Base();
    // The elements live in chunks the leak checker does not see into.
    const size_t blocks = TreeBlocks::InUse();
    RunProgram(bytes, size);
    if (TreeBlocks::InUse() != blocks)
        Fail("elements or attributes were leaked:",
             std::to_string(TreeBlocks::InUse() - blocks) + " blocks");
    return 0;
}
