#include "scenario/ScenarioSearch.h"

#include "xml/TXmlNode.h"

#include <algorithm>
#include <cctype>

namespace ScenarioSearch {

namespace {

char Folded(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool Holds(const std::string& text, const std::string& folded) {
    return std::search(text.begin(), text.end(), folded.begin(), folded.end(),
                       [](char a, char b) { return Folded(a) == b; }) != text.end();
}

// "political_unit" with its name: "political unit \"Aldmoor\"".
std::string Label(const TXmlNode* element) {
    std::string label = element->Name;
    std::replace(label.begin(), label.end(), '_', ' ');
    if (const TXmlNode* name = element->GetChild("name"); name && name != element) {
        const std::string text = name->GetText();
        if (!text.empty())
            label += " \"" + text + "\"";
    }
    return label;
}

std::string SectionOf(const TXmlNode* element) {
    std::string section;
    // The root is the file; everything below it is the way down.
    for (const TXmlNode* at = element; at && at->Parent(); at = at->Parent())
        section = section.empty() ? Label(at) : Label(at) + " / " + section;
    return section;
}

void Walk(TXmlNode* node, TScenarioFile file, const std::string& folded, size_t limit,
          TSearchResult& result) {
    if (node->ChildCount() == 0) {
        if (node->Text.empty())
            return;
        std::string text = node->GetText();
        if (!Holds(text, folded))
            return;
        if (result.Total++ < limit)
            result.Hits.push_back({file, SectionOf(node), std::move(text), node});
        return;
    }
    for (int32_t i = 0; i < node->ChildCount(); ++i)
        Walk(node->GetChildAt(i), file, folded, limit, result);
}

} // namespace

TSearchResult Find(const TScenarioData& data, const std::string& query, size_t limit) {
    TSearchResult result;
    if (query.empty())
        return result;
    std::string folded = query;
    std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
    for (TScenarioFile file : TScenarioData::AllFiles())
        if (TXmlNode* root = data.Root(file))
            Walk(root, file, folded, limit, result);
    return result;
}

} // namespace ScenarioSearch
