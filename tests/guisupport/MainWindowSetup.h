#pragma once

#include "app/TScenarioBuilderForm.h"

#include <memory>

namespace GuiTest {

class TDataFolder;

// The program's folders with data as its data folder.
TAppFolders FoldersOf(const TDataFolder& data);

// The main window on data, as after its first showing, with autosave as
// given, and the scenario folder open in it (null, with the test failed,
// when it does not open).
std::unique_ptr<TScenarioBuilderForm> MainWindowOn(const TDataFolder& data, bool autosave,
                                                   const QString& scenarioFolder);

// Empties a leader's age of the second party and makes the second ad's base
// power unreadable: Steps 1 to 4 verify, the ads file does not.
void BreakAdAndLeader(TScenarioData& data);

// The row of the first line of the messages window holding part; -1 when
// there is none.
int MessageRow(TScenarioBuilderForm& form, const QString& part);

} // namespace GuiTest
