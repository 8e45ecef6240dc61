#include "ui/fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace stonewick {

QString InstalledFamily(const QString& family) {
  static QHash<QString, QString> resolved;
  const auto known = resolved.constFind(family);
  if (known != resolved.constEnd()) {
    return *known;
  }
  QString chosen = family;
  if (!QFontDatabase::hasFamily(family)) {
    for (const char* standIn : {"Liberation Sans", "DejaVu Sans"}) {
      if (QFontDatabase::hasFamily(standIn)) {
        chosen = standIn;
        break;
      }
    }
  }
  resolved.insert(family, chosen);
  return chosen;
}

QFont WindowFont(const QString& family, int pixelSize, bool bold) {
  QFont font(InstalledFamily(family));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QFont WindowFontInPoints(const QString& family, int pointSize) {
  QFont font(InstalledFamily(family));
  font.setPointSize(pointSize);
  return font;
}

}  // namespace stonewick
