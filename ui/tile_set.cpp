// Decodes the compiled-in tile pictures and converts them once to the board's pixel format,
// so that drawing a cell is a plain copy of pixels.
#include "ui/tile_set.h"

#include <QPalette>

#include "ui/tile_pictures.h"

namespace stonewick {

TileSet::TileSet(QWidget* parent) : QWidget(parent) {
  // The holder's own caption; the holder is never shown.
  setWindowTitle("FCore");
  resize(768, 480);
  QPalette gray = palette();
  gray.setColor(QPalette::Window, Qt::gray);
  setPalette(gray);
  for (int code = 0; code < kCellCodeCount; ++code) {
    images_[code] = QImage(kTilePictures[code]).convertToFormat(QImage::Format_RGB32);
  }
}

void TileSet::LoadTileSet() {
  imageList.insert(imageList.end(), images_.begin(), images_.end());
}

QPixmap TileSet::ProgramPicture() {
  // Decoded once; the window icons and the About window share it.
  static const QPixmap picture(kProgramIconPicture);
  return picture;
}

QIcon TileSet::ProgramIcon() {
  return QIcon(ProgramPicture());
}

}  // namespace stonewick
