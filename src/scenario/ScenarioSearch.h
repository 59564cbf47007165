#pragma once

#include "scenario/TScenarioData.h"

#include <cstddef>
#include <string>
#include <vector>

class TXmlNode;

// Finding text anywhere in a scenario: the names, descriptions and every
// other text of the ten documents. Reads only.
struct TSearchHit {
    TScenarioFile File = TScenarioFile::Scenario;
    // Where in the file, readable: the items on the way down with their
    // names, then the field ("issue \"Taxes\" / position \"Left\" / name").
    std::string Section;
    // The field's whole text.
    std::string Text;
    // The element holding the text; ElementTargets::Find opens it.
    TXmlNode* Element = nullptr;
};

struct TSearchResult {
    // The first hits, in file order and then document order.
    std::vector<TSearchHit> Hits;
    // Every text that holds the query, kept or not.
    size_t Total = 0;
};

namespace ScenarioSearch {

// The texts that hold query, ignoring the letter case of ASCII letters,
// keeping the first limit of them. An empty query finds nothing.
TSearchResult Find(const TScenarioData& data, const std::string& query, size_t limit = 1000);

} // namespace ScenarioSearch
