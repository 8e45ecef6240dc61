// Decodes the compiled-in tile pictures and converts them once to the board's pixel format,
// so that drawing a cell is a plain copy of pixels.
#include "ui/tile_set.h"

#include <QPalette>
#include <algorithm>
#include <cstddef>

#include "lib/xpm_picture.h"
#include "ui/tile_pictures.h"

namespace stonewick {

namespace {

// The pictures are XPM of colours as #RRGGBB, which the game's own decoder reads many times
// quicker than Qt's reader of every kind of XPM; a picture of any other kind goes to Qt's.
QImage DecodedPicture(const char* const* xpm) {
  const XpmPicture decoded = DecodeXpm(xpm, PixelOrder::Argb);
  if (decoded.pixels.empty()) {
    return QImage(xpm).convertToFormat(QImage::Format_RGB32);
  }
  QImage image(decoded.width, decoded.height, QImage::Format_RGB32);
  for (int y = 0; y < decoded.height; ++y) {
    std::copy_n(decoded.pixels.begin() + static_cast<std::ptrdiff_t>(y) * decoded.width,
                decoded.width, reinterpret_cast<QRgb*>(image.scanLine(y)));
  }
  return image;
}

}  // namespace

TileSet::TileSet(QWidget* parent) : QWidget(parent) {
  // The holder's own caption; the holder is never shown.
  setWindowTitle("FCore");
  resize(768, 480);
  QPalette gray = palette();
  gray.setColor(QPalette::Window, Qt::gray);
  setPalette(gray);
  for (int code = 0; code < kCellCodeCount; ++code) {
    images_[code] = DecodedPicture(kTilePictures[code]);
  }
}

void TileSet::LoadTileSet() {
  imageList.insert(imageList.end(), images_.begin(), images_.end());
}

QPixmap TileSet::ProgramPicture() {
  // Decoded once; the window icons and the About window share it.
  static const QPixmap picture = QPixmap::fromImage(DecodedPicture(kProgramIconPicture));
  return picture;
}

QIcon TileSet::ProgramIcon() {
  return QIcon(ProgramPicture());
}

}  // namespace stonewick
