// The windows' fonts, on faces this system really has. The windows ask for "Arial" and
// "MS Sans Serif"; where a family is missing a stand-in is chosen up front, so laying out
// text never waits on a search for the missing family.
#pragma once

#include <QFont>
#include <QString>

namespace stonewick {

// The family itself when installed, else the first installed stand-in.
QString InstalledFamily(const QString& family);

QFont WindowFont(const QString& family, int pixelSize, bool bold = false);
QFont WindowFontInPoints(const QString& family, int pointSize);

}  // namespace stonewick
