#pragma once

#include "scenario/IssueKinds.h"

#include <cstdint>
#include <string>

class TScenarioData;
struct TRemovalRepairs;
class TXmlNode;

// Document operations of the issue editor. An issue's id is referred to by
// the issue centres of every political unit, the platforms of every party
// and leader, and the endorsers' favoured issue; creating and removing an
// issue keeps those in step.
namespace IssuesEdit {

// A scenario has exactly this many issues; no more can be created.
constexpr int32_t MaxIssues = 22;
// The first issues of the file keep their places.
constexpr int32_t FixedIssues = 4;

using IssueKinds::IsAttribute;

// Files of older versions have no picture names: every issue without a
// picture element gets one named "issue" and its place (from 0) and ".bmp".
// Returns how many were added.
int32_t NamePicturesByPlace(TScenarioData& data);
// The issue's picture element with a name to use: an empty name becomes
// the issue's id and ".bmp" ("issue" and its place when it has no id).
// Null when the issue has no picture element.
TXmlNode* PictureOf(TScenarioData& data, TXmlNode* issue);

// Appends a complete position issue "New Issue" with its seven positions,
// an issue centre for it in every political unit (at any depth) and a
// "Center" platform entry in every party and each of its leaders. Units,
// parties and leaders without their list are skipped. Null when the file
// has no root or already holds MaxIssues issues.
TXmlNode* NewIssue(TScenarioData& data);
// Removes the issue with every issue centre and platform entry naming it;
// what else names it is repaired (ReferencesEdit). Returns the index of the
// issue before it (the one to select), -1 when it was the first or is not an
// issue of the file.
int32_t RemoveIssue(TScenarioData& data, TXmlNode* issue, TRemovalRepairs* repairs = nullptr);

// Moving keeps the fixed issues in place: Up acts from index FixedIssues+1
// on, Down from FixedIssues up to the one before the last. Both return the
// issue's new index, or index itself when it does not move.
bool CanMoveUp(const TScenarioData& data, int32_t index);
bool CanMoveDown(const TScenarioData& data, int32_t index);
int32_t MoveUp(TScenarioData& data, int32_t index);
int32_t MoveDown(TScenarioData& data, int32_t index);

// "18 of 22 Issues Created".
std::string CountText(const TScenarioData& data);

} // namespace IssuesEdit
