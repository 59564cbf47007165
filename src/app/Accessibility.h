#pragma once

// How the editor's controls present themselves to screen readers beyond
// what Qt does by itself.
namespace Accessibility {

// Drop-down lists are announced by their accessible name (or their label),
// their chosen entry being their value; Qt on Linux announces the entry as
// the name, so every list of "Low"/"High" sounds alike. Call once the
// application exists: later factories are asked first.
void Install();

} // namespace Accessibility
