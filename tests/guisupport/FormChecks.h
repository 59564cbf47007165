#pragma once

class QDialog;

namespace GuiTest {

// Presses Enter (both keys) in every enabled line edit of a shown form and
// checks that nothing happened: no prompt, no button pressed, the form
// still open, and no push button that Enter could press.
void PressEnterEverywhere(QDialog* form);

} // namespace GuiTest
