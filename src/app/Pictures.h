#pragma once

#include "scenario/map/RegionMap.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class TScenarioData;

// Every picture of a scenario follows one set of rules. A name is looked up
// in any letter case (folders made on Windows). A picture is shown stretched
// to the size of its kind and stored at that size as a 24-bit bitmap; one
// that already has that size and depth is never written again. A name with
// a folder part, or a link leading out of the scenario folder, counts as
// missing, and nothing is ever written through it.
namespace Pictures {

struct TKind {
    // The pictures' folder inside the scenario folder: "" or ending in "/".
    const char* Folder;
    QSize Size;
    // How messages name such a picture.
    const char* Caption;
    // Maps stretch without blending, so their black borders stay black.
    Qt::TransformationMode Stretch = Qt::SmoothTransformation;
};

inline constexpr TKind Activity{"activity_images/", {32, 32}, "activity picture"};
inline constexpr TKind Issue{"issue_images/", {32, 32}, "issue picture"};
inline constexpr TKind Party{"party_images/", {101, 101}, "party picture"};
inline constexpr TKind LargePortrait{"party_images/candidates/", {75, 87}, "portrait"};
inline constexpr TKind SmallPortrait{"party_images/candidates/", {32, 32}, "portrait"};
inline constexpr TKind Flag{"region_images/", {76, 57}, "flag"};
inline constexpr TKind Scenario{"", {65, 85}, "scenario picture"};
inline constexpr TKind Map{
    "", {RegionMap::Width, RegionMap::Height}, "map", Qt::FastTransformation};

// A white picture, 24 bits per pixel.
QImage Blank(QSize size);

// The map's pixels for core (flood fill, hit tests) and back.
TPixelBuffer ToPixels(const QImage& image);
QImage ToImage(const TPixelBuffer& pixels);

// The kind's folder in the scenario, ending in "/"; empty while the scenario
// has no folder.
QString Folder(const TScenarioData& data, const TKind& kind);

// Whether file is an uncompressed 24-bit bitmap of that size.
bool IsStoredAt(const QString& file, QSize size);

// The picture of that name, stretched to the kind's size; null when there is
// none to read (see above) or it cannot be read. Writes nothing.
QImage Load(const TScenarioData& data, const TKind& kind, const QString& name);

// Load, or blank when that is null. Writes nothing.
QImage Show(const TScenarioData& data, const TKind& kind, const QString& name);

// Show, and a picture that does not exist at all is saved blank under its
// name, so that the file exists from then on. A file that cannot be read is
// left alone.
QImage ShowCreatingMissing(const TScenarioData& data, const TKind& kind, const QString& name);

// Load, and the file is written back at the kind's size unless it already
// has that size and depth.
QImage LoadAtSize(const TScenarioData& data, const TKind& kind, const QString& name);

enum class TReplace {
    Ask,      // replacing an existing file needs the designer's Yes
    Confirmed // the designer agreed to lose what is there already
};

// Asks for a bitmap (the dialog starts in the kind's folder) and stores it at
// the kind's size in that folder under nameOf(the chosen file's name), or
// under the chosen file's name when nameOf is empty. Another file of that
// name is replaced only after "Do you wish to overwrite ...?"; the chosen
// file itself is only named, unless it still has to be brought to size.
// Returns the name stored under, or nothing when the picture did not change
// (cancelled, declined, unreadable, or not writable: the designer is told).
std::optional<QString> Choose(const TScenarioData& data, const TKind& kind,
                              const std::function<QString(const QString&)>& nameOf = {},
                              TReplace replace = TReplace::Ask);

} // namespace Pictures
