// The windows' fonts, on faces this system really has. The windows ask for "Arial" and
// "MS Sans Serif"; where a family is missing a stand-in is chosen up front, so laying out
// text never waits on a search for the missing family.
#pragma once

#include <QFont>
#include <QRawFont>
#include <QString>

namespace stonewick {

// The family itself when installed, else the first installed stand-in.
QString InstalledFamily(const QString& family);

QFont WindowFont(const QString& family, int pixelSize, bool bold = false);
QFont WindowFontInPoints(const QString& family, int pointSize);

// The face to draw `font` in. Where `resolved`, a font already in use, differs from `font` only
// in its size, its face is scaled to `font`'s pixel size, with the rendering
// settings it already has: resolving `font` on its own would run the system's whole font
// matching again, which costs the start-up more than drawing the board.
QRawFont FaceFor(const QFont& font, const QFont& resolved);

}  // namespace stonewick
