#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The leaders' portraits in the scenario's party_images/candidates/: a
// large one of 75 by 87 and a small one of 32 by 32 pixels.
namespace CandidatePortraits {

inline constexpr QSize LargeSize{75, 87};
inline constexpr QSize SmallSize{32, 32};

// The file name (found in any letter case) in folder, stretched to size;
// a null image when it is missing or cannot be read. Showing never writes.
QImage Load(const QString& folder, const QString& name, QSize size);

struct TStoreResult {
    QImage Image;    // what was stored; null on failure
    QString Problem; // why nothing was written
};

// Reads source and writes it stretched to size, 24 bits per pixel, into
// folder under name, replacing a file of that name. A source that cannot
// be read as a bitmap writes nothing.
TStoreResult Store(const QString& source, const QString& folder, const QString& name, QSize size);

} // namespace CandidatePortraits
