#pragma once

#include "scenario/TScenarioData.h"
#include "scenario/verify/FieldChecks.h"
#include "scenario/verify/ReferenceFields.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Thrown inside a verifier to end it at once (the guard): walking into a
// missing element, or any other unexpected state. Messages added stay.
struct TVerifyAbort {};

// The quick fix a message offers: what to do to which element (see
// TRepairKind); Kind None offers nothing.
struct TRepair {
    TRepairKind Kind = TRepairKind::None;
    const TXmlNode* Subject = nullptr;
    std::string Text;
    std::string Id;
    std::vector<std::pair<std::string, std::string>> Children;
};

// The state of one per-file verifier while it walks its document: it adds
// messages to the scenario's list, tagged with its file and element path.
class TVerifier {
public:
    TVerifier(TScenarioData& data, TScenarioFile file) : Data_(data), File_(file) {}

    TScenarioData& Data() { return Data_; }
    TScenarioFile File() const { return File_; }

    void AddMessage(const std::string& section, const std::string& field, const TXmlNode* element,
                    const std::string& text, const TRepair& repair = {});
    // How many messages this verifier has added so far.
    size_t Added() const { return Added_; }

    // Checks parent's child field; a problem becomes a message with parent
    // attached. Returns whether the value was acceptable.
    bool Check(const TXmlNode* parent, const std::string& field, TCheckKind kind, bool required,
               const std::string& section);
    bool CheckFile(const TXmlNode* parent, const std::string& field, const std::string& folder,
                   bool required, const std::string& section);
    // The reference child of parent that field names; a dangling one that
    // allows none offers the field's repair (setting none; then a missing
    // optional one is added as none).
    bool CheckReference(const TXmlNode* parent, const TReferenceField& field,
                        const std::string& section);
    // The same checks for a list item: the element itself is the field (its
    // element name is the field name) and its parent is attached.
    bool CheckItem(const TXmlNode* item, TCheckKind kind, bool required,
                   const std::string& section);
    // A list item holding a reference of field; a dangling one offers the
    // field's repair.
    bool CheckItemReference(const TXmlNode* item, const TReferenceField& field,
                            const std::string& section);
    // A group element: checked as optional text (it only has to exist); when
    // missing, reported and the verifier ends (throws TVerifyAbort).
    TXmlNode* Group(const TXmlNode* parent, const std::string& field, const std::string& section);
    // The guard for elements whose presence was not checked: throws
    // TVerifyAbort when node is null, without a message.
    template <typename T> static T* Need(T* node) {
        if (!node)
            throw TVerifyAbort{};
        return node;
    }

    // Runs body under the guard; true when it finished and added nothing.
    bool Run(const std::function<void()>& body);
    // A guard around one item inside a run (a political unit): an abort ends
    // only the item. True when body finished and added no message itself.
    bool RunItem(const std::function<void()>& body);

    // The element's path from its document root, for example
    // /parties/party[2]/convention (an index only among same-named siblings).
    static std::string PathOf(const TXmlNode* element);
    // What tells an element from another at the same path: its start tag
    // (name and attributes) and its text.
    static std::string FingerprintOf(const TXmlNode* element);
    static bool IsDangling(const TCheckResult& result);
    // The repair kind on subject when result is a dangling reference.
    static TRepair IfDangling(const TCheckResult& result, TRepairKind kind,
                              const TXmlNode* subject);

private:
    TScenarioData& Data_;
    TScenarioFile File_;
    size_t Added_ = 0;
};
