#pragma once

#include "scenario/TScenarioData.h"
#include "scenario/verify/ReferenceFields.h"

#include <string>
#include <vector>

class TXmlNode;

// What a removal repaired: how many items of each kind had a reference
// repaired, by document, and what is left for the designer to choose.
struct TRemovalRepairs {
    struct TItems {
        TScenarioFile File;
        std::string Noun;
        std::string Nouns;
        int Count = 0;
    };
    std::vector<TItems> Items;
    std::vector<std::string> Notes;
    // Every reference repaired, those that go with the removed item included.
    int References = 0;
};

// Removal of anything a reference can name, with every reference to it in
// the ten documents repaired as verification's own repair would (see
// ReferenceFields): set to none, or the entry removed.
namespace ReferencesEdit {

struct TItem {
    TReferenceKind Kind;
    std::string Id;
};
// The items that element is or holds that references can name (a party,
// its leaders and vice-leaders, ...). Items without an id, or with the none
// id "-1", are not named by anything.
std::vector<TItem> ItemsIn(const TScenarioData& data, const TXmlNode* element);

struct TReference {
    const TReferenceField* Field;
    TXmlNode* Element;
};
// Every reference in the ten documents that names id as an item of kind.
std::vector<TReference> Find(const TScenarioData& data, TReferenceKind kind, const std::string& id);

// Repairs the references to removed items that no longer name anything
// (another item may still have the same id); marks data changed when it
// repairs anything.
TRemovalRepairs Repair(TScenarioData& data, const std::vector<TItem>& removed);

// Detaches elements from their parents and destroys them, then repairs the
// references to what they held. Returns whether all were removed; repairs
// receives what was repaired.
bool Remove(TScenarioData& data, TXmlNode* element, TRemovalRepairs* repairs = nullptr);
bool Remove(TScenarioData& data, const std::vector<TXmlNode*>& elements,
            TRemovalRepairs* repairs = nullptr);

// What to tell the designer after removing an item of own: the items of
// other documents that were updated ("Also updated: 3 events, 1
// endorser.") and the notes. Empty when there is nothing to tell.
std::string Summary(const TRemovalRepairs& repairs, TScenarioFile own);

} // namespace ReferencesEdit
