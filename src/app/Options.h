#pragma once

#include <QString>

// The options kept in "optionssc.vrx": two lines, each a decimal integer,
// 0 for off and anything else for on, then optionally "backups=N", the
// number of backups kept per scenario (0 keeps none). That line is written
// only when N is not the default, so the file keeps its two-line form.
struct TOptions {
    static constexpr int DefaultBackupsKept = 10;
    static constexpr int MaxBackupsKept = 1000;
    bool Autoupdate = true;
    bool Autosave = true;
    int BackupsKept = DefaultBackupsKept;
    bool operator==(const TOptions&) const = default;
};

namespace OptionsFile {

// Reads the options. A file that cannot be read, has not two lines (or three
// with a valid backups line),
// or holds a line that is no integer is rewritten with what was known when
// the fault was found: the defaults, or the first line already read.
TOptions Read(const QString& path);
// False when the file cannot be written.
bool Write(const QString& path, const TOptions& options);
// A whole decimal integer with optional blanks around it and a sign.
bool ParseInteger(const QString& line, int& value);

} // namespace OptionsFile
