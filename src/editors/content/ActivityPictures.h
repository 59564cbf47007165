#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The 32 by 32 pictures of activities in the scenario's activity_images/.
// Other fixed-size pictures (region flags) pass their own size.
namespace ActivityPictures {

constexpr int Size = 32;
inline constexpr QSize DefaultSize{Size, Size};

// A white 32 by 32 picture, 24 bits per pixel.
QImage Blank(QSize size = DefaultSize);

// The picture shown for the file name in folder: that file (found in any
// letter case) stretched to 32 by 32. When no such file exists the blank
// picture is shown and saved under name, so the file exists from then on.
// An empty name, or one with a folder part, is shown blank and never
// written; a file that exists but cannot be read, or a link leading out of
// folder, is shown blank and left alone.
QImage Show(const QString& folder, const QString& name, QSize size = DefaultSize);

struct TStoreResult {
    // The bare file name written; empty on failure.
    QString FileName;
    // Why nothing was written.
    QString Problem;
};

// Reads source (from any folder) and writes it stretched to 32 by 32 as a
// 24-bit bitmap into folder under source's bare file name, replacing a file
// of that name. Writes nothing when source cannot be read.
TStoreResult Store(const QString& source, const QString& folder, QSize size = DefaultSize);

} // namespace ActivityPictures
