// Reads the tiles from the program's resources and converts them once to the board's pixel
// format, so that drawing a cell is a plain copy of pixels.
#include "ui/core.h"

#include <QPalette>
#include <QString>

// At global scope: the macro declares the resource's initialiser in the enclosing namespace.
static void InitTileResources() {
  Q_INIT_RESOURCE(tiles);
}

TFCore::TFCore(QWidget* parent) : QWidget(parent) {
  InitTileResources();
  setWindowTitle("FCore");
  resize(768, 480);
  QPalette gray = palette();
  gray.setColor(QPalette::Window, Qt::gray);
  setPalette(gray);
  for (int code = 0; code < stonewick::kCellCodeCount; ++code) {
    const QString name = QString(":/tiles/tile%1.xpm").arg(code, 2, 10, QChar(u'0'));
    images_[code] = QImage(name, "XPM").convertToFormat(QImage::Format_RGB32);
  }
}

void TFCore::LoadTileSet() {
  ImageList1.insert(ImageList1.end(), images_.begin(), images_.end());
}

QPixmap TFCore::ProgramPicture() {
  InitTileResources();
  // Decoded once; the window icons and the About window share it.
  static const QPixmap picture(":/tiles/icon32.xpm", "XPM");
  return picture;
}

QIcon TFCore::ProgramIcon() {
  return QIcon(ProgramPicture());
}
