#pragma once

#include "app/TScenarioBuilderForm.h"

#include <memory>

namespace GuiTest {

class TDataFolder;

// The main window on data, as after its first showing, with autosave as
// given, and the scenario folder open in it (null, with the test failed,
// when it does not open).
std::unique_ptr<TScenarioBuilderForm> MainWindowOn(const TDataFolder& data, bool autosave,
                                                   const QString& scenarioFolder);

} // namespace GuiTest
