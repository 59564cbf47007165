#pragma once

#include <cstdint>
#include <string>

class TScenarioData;
struct TRemovalRepairs;
class TXmlNode;

// Document operations of the activities editor.
namespace ActivitiesEdit {

// The seven activities every scenario has; they keep their names and
// cannot be removed.
bool IsBuiltIn(const TXmlNode* activity);
// "Leader Rest", "Veep Rest": the list line, by the list the activity is in.
std::string ListLine(const TXmlNode* activity);
// The scenario's activity picture folder, ending with "/".
std::string PictureFolder(const TScenarioData& data);

// Append a complete new activity to the leaders' or the vice-leaders' list
// (created when missing); its picture is named by its id. Null without a
// root. The picture file itself is made when the activity is shown.
TXmlNode* NewLeaderActivity(TScenarioData& data);
TXmlNode* NewVeepActivity(TScenarioData& data);
// Removes an activity that is not built in. Returns the index in its list of
// the activity before it, -1 when it was the first; -2 when nothing was
// removed (built in, or not in either list).
int32_t RemoveActivity(TScenarioData& data, TXmlNode* activity, TRemovalRepairs* repairs = nullptr);

} // namespace ActivitiesEdit
