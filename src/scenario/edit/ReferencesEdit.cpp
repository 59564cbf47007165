#include "scenario/edit/ReferencesEdit.h"

#include "scenario/edit/QuickFixes.h"
#include "scenario/verify/TVerifier.h"
#include "xml/ChildLookup.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace ReferencesEdit {

namespace {

using TIdsByKind = std::map<TReferenceKind, std::set<std::string>>;

bool Within(const TXmlNode* node, const TXmlNode* ancestor) {
    for (; node; node = node->Parent())
        if (node == ancestor)
            return true;
    return false;
}

// The references of field whose id is one of ids.
std::vector<TXmlNode*> Naming(const TScenarioData& data, const TReferenceField& field,
                              const std::set<std::string>& ids) {
    std::vector<TXmlNode*> found;
    ReferenceFields::ForEachMatch(data.Root(field.File), field.Path, [&](TXmlNode* node) {
        const TXmlAttribute* id = node->GetAttribute(field.Attribute);
        if (id && ids.count(id->Value))
            found.push_back(node);
    });
    return found;
}

// The element a repair of reference destroys; null when it destroys none.
const TXmlNode* Destroyed(const TReferenceField& field, const TXmlNode* reference) {
    switch (field.Repair) {
    case TReferenceRepair::RemoveEntry:
    case TReferenceRepair::RemoveEntryKeepingOne:
        return reference;
    case TReferenceRepair::RemoveHolder:
        return reference->Parent();
    default:
        return nullptr;
    }
}

// Drops the references that a repair of another one destroys first (one
// inside another's entry, two in one holder), so none is touched once gone.
std::vector<TXmlNode*> Separate(const TReferenceField& field,
                                const std::vector<TXmlNode*>& references) {
    std::set<const TXmlNode*> destroyed, taken;
    for (const TXmlNode* reference : references)
        destroyed.insert(Destroyed(field, reference));
    std::vector<TXmlNode*> separate;
    for (TXmlNode* reference : references) {
        const TXmlNode* gone = Destroyed(field, reference);
        bool inside = gone && !taken.insert(gone).second;
        for (const TXmlNode* n = (gone ? gone : reference)->Parent(); n && !inside; n = n->Parent())
            inside = destroyed.count(n) > 0;
        if (!inside)
            separate.push_back(reference);
    }
    return separate;
}

// The item a reference belongs to: its ancestor at the field's owner depth.
const TXmlNode* OwnerOf(const TReferenceField& field, const TXmlNode* reference) {
    std::vector<const TXmlNode*> chain;
    for (const TXmlNode* n = reference; n; n = n->Parent())
        chain.push_back(n);
    const size_t depth = static_cast<size_t>(std::max(field.OwnerDepth, 1));
    return depth <= chain.size() ? chain[chain.size() - depth] : reference;
}

// "Endorser "Harbour Guild" is left with no region."
std::string NoteOn(const TReferenceField& field, const TXmlNode* owner) {
    std::string name = ChildLookup::Text(owner, "name");
    if (name.empty())
        name = ChildLookup::Text(owner, "firstname") + " " + ChildLookup::Text(owner, "lastname");
    std::string noun = field.Noun;
    noun[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(noun[0])));
    return noun + " \"" + name + "\" " + field.Note + ".";
}

// Repairs one dangling reference; true when it stays for the designer.
bool RepairOne(const TReferenceField& field, TXmlNode* reference) {
    switch (field.Repair) {
    case TReferenceRepair::SetNone:
        QuickFixes::SetNone(reference);
        return false;
    case TReferenceRepair::SetEmpty:
        reference->SetAttribute(field.Attribute, "");
        return false;
    case TReferenceRepair::RemoveEntry:
        QuickFixes::RemoveEntry(reference, false);
        return false;
    case TReferenceRepair::RemoveEntryKeepingOne:
        return !QuickFixes::RemoveEntry(reference, true);
    case TReferenceRepair::RemoveHolder:
        QuickFixes::RemoveEntry(reference->Parent(), false);
        return false;
    case TReferenceRepair::ChooseAgain:
        reference->SetAttribute(field.Attribute, "-1");
        return true;
    }
    return false;
}

class TRepairRecord {
public:
    explicit TRepairRecord(TRemovalRepairs& repairs) : Repairs_(repairs) {}

    void Add(const TReferenceField& field, const TXmlNode* owner) {
        ++Repairs_.References;
        if (!field.Noun || !Owners_.insert(owner).second)
            return;
        auto items =
            std::find_if(Repairs_.Items.begin(), Repairs_.Items.end(), [&](const auto& entry) {
                return entry.File == field.File && entry.Noun == field.Noun;
            });
        if (items == Repairs_.Items.end())
            items = Repairs_.Items.insert(Repairs_.Items.end(),
                                          {field.File, field.Noun, field.Nouns, 0});
        ++items->Count;
    }

    void Note(std::string note) {
        if (std::find(Repairs_.Notes.begin(), Repairs_.Notes.end(), note) == Repairs_.Notes.end())
            Repairs_.Notes.push_back(std::move(note));
    }

private:
    TRemovalRepairs& Repairs_;
    // Only compared, never followed: an owner may go with its reference.
    std::set<const TXmlNode*> Owners_;
};

} // namespace

std::vector<TItem> ItemsIn(const TScenarioData& data, const TXmlNode* element) {
    std::vector<TItem> items;
    const std::optional<TScenarioFile> file = data.FileOf(element);
    if (!file)
        return items;
    for (const TReferenceKind kind :
         {TReferenceKind::Issue, TReferenceKind::Position, TReferenceKind::PoliticalUnit,
          TReferenceKind::Party, TReferenceKind::Leader, TReferenceKind::ViceLeader,
          TReferenceKind::Ad, TReferenceKind::Event}) {
        if (ReferenceFields::FileOf(kind) != *file)
            continue;
        ReferenceFields::ForEachMatch(data.Root(*file), ReferenceFields::ItemPath(kind),
                                      [&](TXmlNode* node) {
                                          const std::string id = node->AttributeValue("id");
                                          if (!id.empty() && id != "-1" && Within(node, element))
                                              items.push_back({kind, id});
                                      });
    }
    return items;
}

std::vector<TReference> Find(const TScenarioData& data, TReferenceKind kind,
                             const std::string& id) {
    std::vector<TReference> found;
    for (const TReferenceField& field : ReferenceFields::All())
        if (field.Kind == kind)
            for (TXmlNode* reference : Naming(data, field, {id}))
                found.push_back({&field, reference});
    return found;
}

TRemovalRepairs Repair(TScenarioData& data, const std::vector<TItem>& removed) {
    TIdsByKind ids;
    for (const TItem& item : removed)
        ids[item.Kind].insert(item.Id);
    TRemovalRepairs repairs;
    TRepairRecord record(repairs);
    // Field by field, in the table's order: a repair may take other
    // references with it, so each field is searched after the ones before.
    for (const TReferenceField& field : ReferenceFields::All()) {
        const auto named = ids.find(field.Kind);
        if (named == ids.end())
            continue;
        for (TXmlNode* reference : Separate(field, Naming(data, field, named->second))) {
            if (!TVerifier::IsDangling(ReferenceFields::Check(data, field, reference)))
                continue;
            // Read before the repair, which may take the owner with it.
            const TXmlNode* owner = OwnerOf(field, reference);
            const std::string note = field.Note ? NoteOn(field, owner) : std::string();
            const TXmlNode* list =
                field.Repair == TReferenceRepair::RemoveEntry ? reference->Parent() : nullptr;
            const bool left = RepairOne(field, reference);
            record.Add(field, owner);
            if (!note.empty() && (left || (list && list->ChildCount() == 0)))
                record.Note(note);
        }
    }
    if (repairs.References > 0)
        data.SetChanged();
    return repairs;
}

bool Remove(TScenarioData& data, const std::vector<TXmlNode*>& elements, TRemovalRepairs* repairs) {
    std::vector<TItem> items;
    for (const TXmlNode* element : elements) {
        const std::vector<TItem> held = ItemsIn(data, element);
        items.insert(items.end(), held.begin(), held.end());
    }
    bool removed = !elements.empty();
    for (TXmlNode* element : elements) {
        TXmlNode* parent = element ? element->Parent() : nullptr;
        removed = parent && parent->RemoveChild(element) && removed;
    }
    if (removed)
        data.SetChanged();
    TRemovalRepairs repaired = Repair(data, items);
    if (repairs)
        *repairs = std::move(repaired);
    return removed;
}

bool Remove(TScenarioData& data, TXmlNode* element, TRemovalRepairs* repairs) {
    return Remove(data, std::vector<TXmlNode*>{element}, repairs);
}

std::string Summary(const TRemovalRepairs& repairs, TScenarioFile own) {
    std::string updated;
    for (const TRemovalRepairs::TItems& items : repairs.Items)
        if (items.File != own && items.Count > 0)
            updated += (updated.empty() ? "" : ", ") + std::to_string(items.Count) + " " +
                       (items.Count == 1 ? items.Noun : items.Nouns);
    std::string text = updated.empty() ? std::string() : "Also updated: " + updated + ".";
    for (const std::string& note : repairs.Notes)
        text += (text.empty() ? "" : " ") + note;
    return text;
}

} // namespace ReferencesEdit
