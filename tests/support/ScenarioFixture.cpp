#include "support/ScenarioFixture.h"

#include "scenario/ElementTargets.h"
#include "scenario/ScenarioFolders.h"
#include "scenario/ScenarioSnapshot.h"
#include "xml/FileText.h"
#include "xml/TFileError.h"
#include "xml/TFolderLock.h"
#include "xml/TXmlNode.h"

#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {
// Every snapshot of the core tests also proves the changes were marked.
[[maybe_unused]] const bool CheckingSnapshots = (TScenarioSnapshot::CheckSharedDocuments = true);
} // namespace

TTemporaryFolder::TTemporaryFolder() {
    static std::mt19937_64 random{std::random_device{}()};
    Path_ = fs::temp_directory_path() / ("stumpcraft-test-" + std::to_string(random()));
    fs::create_directories(Path_);
}

TTemporaryFolder::~TTemporaryFolder() {
    std::error_code ec;
    fs::permissions(Path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(Path_, ec);
}

namespace TestScenario {

std::string DataPath(const std::string& relative) {
    return std::string(TEST_DATA_DIR) + "/" + relative;
}

std::unique_ptr<TScenarioData> LoadCopy(const std::string& source, const TTemporaryFolder& target) {
    const std::string from = fs::path(source).is_absolute() ? source : DataPath(source);
    ScenarioFolders::CopyFolder(from, target.Path().string());
    auto data = std::make_unique<TScenarioData>();
    std::string folder = target.Path().string();
    data->Load(folder);
    return data;
}

std::unique_ptr<TScenarioData>
FromTexts(const std::vector<std::pair<TScenarioFile, std::string>>& documents,
          const std::string& folder) {
    // Build a template document holding the given roots, then install it.
    TTemporaryFolder scratch;
    std::string text = "<template>\r\n";
    for (const auto& document : documents)
        text += document.second + "\r\n";
    text += "</template>\r\n";
    TXmlDom all;
    if (!all.Parse(text))
        throw std::runtime_error("test document does not parse: " + all.LastError().ToString());
    auto data = std::make_unique<TScenarioData>();
    const std::string templateFile = (scratch.Path() / "template.vrx").string();
    all.SaveToFile(templateFile);
    data->CreateFromTemplate(templateFile, folder);
    return data;
}

TXmlNode* At(TScenarioData& data, TScenarioFile file, const std::string& path) {
    return ElementTargets::Resolve(data, file, path);
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::vector<std::string> ChildNames(const TXmlNode* node) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        names.push_back(node->GetChildAt(i)->Name);
    return names;
}

std::vector<std::string> ChildIds(const TXmlNode* node) {
    std::vector<std::string> ids;
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        ids.push_back(node->GetChildAt(i)->AttributeValue("id"));
    return ids;
}

std::string Shape(const TXmlNode* node) {
    std::string shape;
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        shape += (i ? "|" : "") + node->GetChildAt(i)->Name + "=" + node->GetChildAt(i)->GetText();
    return shape;
}

std::string TextAt(const TXmlNode* parent, const std::string& path) {
    std::stringstream parts(path);
    std::string part;
    while (parent && std::getline(parts, part, '/'))
        parent = parent->GetChild(part);
    return parent ? parent->GetText() : "<missing>";
}

std::vector<const TXmlNode*> Naming(const TXmlNode* root, const std::string& name,
                                    const std::string& id) {
    std::vector<const TXmlNode*> found;
    if ((name.empty() || root->Name == name) && root->AttributeValue("id") == id)
        found.push_back(root);
    for (int32_t i = 0; i < root->ChildCount(); ++i)
        for (const TXmlNode* n : Naming(root->GetChildAt(i), name, id))
            found.push_back(n);
    return found;
}

std::map<std::string, std::string> WriteSmallScenario(const fs::path& folder) {
    fs::create_directories(folder);
    std::map<std::string, std::string> texts;
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string name = TScenarioData::ElementName(file);
        const std::string text =
            "<" + name + ">\r\n   <item id=\"1\">" + name + "</item>\r\n</" + name + ">\r\n";
        std::ofstream(folder / TScenarioData::FileName(file), std::ios::binary) << text;
        texts[TScenarioData::FileName(file)] = text;
    }
    return texts;
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) {
    return FileText::Read(path.string());
}

std::vector<std::string> DocumentTexts(const TScenarioData& data) {
    std::vector<std::string> texts;
    for (TScenarioFile file : TScenarioData::AllFiles())
        texts.push_back(data.Document(file).ToText());
    return texts;
}

std::vector<std::string> MessageTexts(const TScenarioData& data) {
    std::vector<std::string> texts;
    for (const auto& m : data.Messages())
        texts.push_back(m.Text());
    return texts;
}

std::string FileErrorText(const std::function<void()>& work) {
    try {
        work();
    } catch (const TFileError& error) {
        return error.what();
    }
    return "(no error)";
}

std::set<std::string> FolderEntries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != TFolderLock::FileName)
            names.insert(entry.path().filename().string());
    return names;
}

} // namespace TestScenario
