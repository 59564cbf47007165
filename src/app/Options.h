#pragma once

#include <QString>

// The two options kept in "optionssc.vrx": two lines, each a decimal
// integer, 0 for off and anything else for on.
struct TOptions {
    bool Autoupdate = true;
    bool Autosave = true;
    bool operator==(const TOptions&) const = default;
};

namespace OptionsFile {

// Reads the options. A file that cannot be read, has not exactly two lines,
// or holds a line that is no integer is rewritten with what was known when
// the fault was found: the defaults, or the first line already read.
TOptions Read(const QString& path);
// False when the file cannot be written.
bool Write(const QString& path, const TOptions& options);
// A whole decimal integer with optional blanks around it and a sign.
bool ParseInteger(const QString& line, int& value);

} // namespace OptionsFile
