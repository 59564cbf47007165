#include "scenario/edit/IssuesEdit.h"

#include "scenario/TScenarioData.h"
#include "scenario/ValueEncodings.h"
#include "scenario/edit/ReferencesEdit.h"
#include "xml/TXmlNode.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>

namespace IssuesEdit {

namespace {

struct TPosition {
    const char* Id;
    const char* Name;
};

constexpr std::array<TPosition, 7> Positions{{{"far_left", "Far-Left"},
                                              {"left", "Left"},
                                              {"center_left", "Center-Left"},
                                              {"center", "Center"},
                                              {"center_right", "Center-Right"},
                                              {"right", "Right"},
                                              {"far_right", "Far-Right"}}};

int32_t IssueCount(const TScenarioData& data) {
    const TXmlNode* root = data.Issues();
    return root ? root->ChildCount() : 0;
}

// Calls visit for every political unit below the file's root, at any depth.
void ForEachUnit(TXmlNode* units, const std::function<void(TXmlNode*)>& visit) {
    if (!units)
        return;
    for (int32_t i = 0; i < units->ChildCount(); ++i) {
        TXmlNode* unit = units->GetChildAt(i);
        visit(unit);
        ForEachUnit(unit->GetChild("political_units"), visit);
    }
}

// Calls visit for the platform of every party and of each of its leaders.
void ForEachPlatform(TXmlNode* parties,
                     const std::function<void(TXmlNode* party, TXmlNode*)>& visit) {
    if (!parties)
        return;
    for (int32_t i = 0; i < parties->ChildCount(); ++i) {
        TXmlNode* party = parties->GetChildAt(i);
        visit(party, party->GetChild("platform"));
        if (TXmlNode* leaders = party->GetChild("leaders"))
            for (int32_t j = 0; j < leaders->ChildCount(); ++j)
                visit(leaders->GetChildAt(j), leaders->GetChildAt(j)->GetChild("platform"));
    }
}

int32_t IndexOf(const TXmlNode* root, const TXmlNode* child) {
    for (int32_t i = 0; root && i < root->ChildCount(); ++i)
        if (root->GetChildAt(i) == child)
            return i;
    return -1;
}

} // namespace

int32_t NamePicturesByPlace(TScenarioData& data) {
    TXmlNode* root = data.Issues();
    int32_t added = 0;
    for (int32_t i = 0; root && i < root->ChildCount(); ++i) {
        TXmlNode* issue = root->GetChildAt(i);
        if (!issue->GetChild("picture")) {
            issue->AddNewChild("picture", "issue" + std::to_string(i) + ".bmp");
            ++added;
        }
    }
    if (added > 0)
        data.SetChanged();
    return added;
}

TXmlNode* PictureOf(TScenarioData& data, TXmlNode* issue) {
    TXmlNode* picture = issue ? issue->GetChild("picture") : nullptr;
    if (!picture || !picture->GetText().empty())
        return picture;
    const std::string id = issue->AttributeValue("id");
    picture->SetText((id.empty() ? "issue" + std::to_string(issue->Index()) : id) + ".bmp");
    data.SetChanged();
    return picture;
}

TXmlNode* NewIssue(TScenarioData& data) {
    TXmlNode* root = data.Issues();
    if (!root || root->ChildCount() >= MaxIssues)
        return nullptr;
    const std::string id = ValueEncodings::NewId();
    TXmlNode* issue = root->AddNewChild("issue");
    issue->SetAttribute("id", id);
    issue->AddNewChild("name", "New Issue");
    issue->AddNewChild("type", "PositionIssue");
    issue->AddNewChild("picture", id + ".bmp");
    TXmlNode* positions = issue->AddNewChild("positions");
    for (const TPosition& p : Positions) {
        TXmlNode* position = positions->AddNewChild("position");
        position->SetAttribute("id", p.Id);
        position->AddNewChild("name", p.Name);
        position->AddNewChild("description", std::string(p.Name) + " description");
        position->AddNewChild("fundraising", "0");
    }

    ForEachUnit(data.PoliticalUnits(), [&id](TXmlNode* unit) {
        TXmlNode* centres = unit->GetChild("issue_centers");
        if (!centres)
            return;
        TXmlNode* centre = centres->AddNewChild("issue");
        centre->SetAttribute("id", id);
        centre->AddNewChild("initial_primaries_profile", "Low");
        centre->AddNewChild("initial_generalelection_profile", "Low");
        centre->AddNewChild("center", "Center");
    });
    ForEachPlatform(data.Parties(), [&id](TXmlNode*, TXmlNode* platform) {
        if (platform)
            platform->AddNewChild("issue", "Center")->SetAttribute("id", id);
    });
    data.SetChanged();
    return issue;
}

int32_t RemoveIssue(TScenarioData& data, TXmlNode* issue, TRemovalRepairs* repairs) {
    const int32_t index = IndexOf(data.Issues(), issue);
    if (index < 0 || !ReferencesEdit::Remove(data, issue, repairs))
        return -1;
    return index - 1;
}

bool CanMoveUp(const TScenarioData& data, int32_t index) {
    return index > FixedIssues && index < IssueCount(data);
}

bool CanMoveDown(const TScenarioData& data, int32_t index) {
    return index >= FixedIssues && index + 1 < IssueCount(data);
}

int32_t MoveUp(TScenarioData& data, int32_t index) {
    if (!CanMoveUp(data, index))
        return index;
    data.Issues()->ExchangeChildren(index - 1, index);
    data.SetChanged();
    return index - 1;
}

int32_t MoveDown(TScenarioData& data, int32_t index) {
    if (!CanMoveDown(data, index))
        return index;
    data.Issues()->ExchangeChildren(index, index + 1);
    data.SetChanged();
    return index + 1;
}

std::string CountText(const TScenarioData& data) {
    return std::to_string(IssueCount(data)) + " of " + std::to_string(MaxIssues) +
           " Issues Created";
}

} // namespace IssuesEdit
