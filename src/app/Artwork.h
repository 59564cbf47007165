#pragma once

#include <QPixmap>

// The program's own pictures, drawn rather than shipped as files.
namespace Artwork {
// The splash screen: a ballot box under a banner, 420 by 260.
QPixmap Splash();
// A small emblem for the about box, 96 by 96.
QPixmap Logo();
// A strip of stars and stripes for the about box, 96 by 96.
QPixmap Banner();
} // namespace Artwork
