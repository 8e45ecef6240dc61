// The windows' fonts: each designed family resolved once to an installed face.
#include "ui/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <algorithm>

namespace stonewick {

QString InstalledFamily(const QString& family) {
  static QHash<QString, QString> resolved;
  const auto known = resolved.constFind(family);
  if (known != resolved.constEnd()) {
    return *known;
  }
  // The installed families by their own names: asking hasFamily would first run the family
  // through fontconfig's whole substitution, which costs the start-up several milliseconds a
  // family and only ever finds the name it was given.
  const QStringList installed = QFontDatabase::families();
  QString chosen = family;
  if (!installed.contains(family, Qt::CaseInsensitive)) {
    for (const char* standIn : {"Liberation Sans", "DejaVu Sans"}) {
      if (installed.contains(QLatin1String(standIn), Qt::CaseInsensitive)) {
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

QRawFont FaceFor(const QFont& font, const QFont& resolved) {
  QFont scaled = resolved;
  scaled.setPixelSize(std::max(font.pixelSize(), 1));
  if (scaled != font) {
    return QRawFont::fromFont(font);
  }
  QRawFont face = QRawFont::fromFont(resolved);
  face.setPixelSize(font.pixelSize());
  return face;
}

}  // namespace stonewick
