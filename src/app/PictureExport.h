#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPainter;

// Saving a drawing of a view: a PNG picture, or an SVG drawing when the
// chosen name ends in ".svg".
namespace PictureExport {

using TPaint = std::function<void(QPainter& painter)>;

inline constexpr const char* Filter = "PNG picture (*.png);;SVG drawing (*.svg)";
// The longest side of a PNG picture, in pixels.
inline constexpr int LargestPicture = 16384;

// Writes paint's drawing of size to path; false when the file cannot be
// written.
bool Write(const QString& path, QSize size, const QString& title, const TPaint& paint);
// Asks where (proposing proposed), adds ".png" to a name without suffix,
// writes and says when that failed; a PNG picture with a side over
// LargestPicture is refused with a word. False when cancelled or failed.
bool Export(const QString& caption, const QString& proposed, QSize size, const TPaint& paint);

} // namespace PictureExport
