// Decodes the compiled-in tile pictures and converts them once to the board's pixel format,
// so that drawing a cell is a plain copy of pixels.
#include "ui/core.h"

#include <QPalette>

#include "ui/tile_pictures.h"

TFCore::TFCore(QWidget* parent) : QWidget(parent) {
  setWindowTitle("FCore");
  resize(768, 480);
  QPalette gray = palette();
  gray.setColor(QPalette::Window, Qt::gray);
  setPalette(gray);
  for (int code = 0; code < stonewick::kCellCodeCount; ++code) {
    images_[code] = QImage(kTilePictures[code]).convertToFormat(QImage::Format_RGB32);
  }
}

void TFCore::LoadTileSet() {
  ImageList1.insert(ImageList1.end(), images_.begin(), images_.end());
}

QPixmap TFCore::ProgramPicture() {
  // Decoded once; the window icons and the About window share it.
  static const QPixmap picture(kProgramIconPicture);
  return picture;
}

QIcon TFCore::ProgramIcon() {
  return QIcon(ProgramPicture());
}
