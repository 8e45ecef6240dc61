// Decodes the compiled-in tile pictures and converts them once to the board's pixel format,
// so that drawing a cell is a plain copy of pixels.
#include "ui/tile_set.h"

#include <QPalette>
#include <array>
#include <cstdio>
#include <cstring>

#include "ui/tile_pictures.h"

namespace stonewick {

namespace {

// The tiles are XPM pictures of one character a pixel with their colours as #RRGGBB, which a
// table by character decodes many times quicker than Qt's reader of every kind of XPM; a
// picture of any other kind goes to Qt's.
QImage DecodedTile(const char* const* xpm) {
  const auto byQt = [xpm] { return QImage(xpm).convertToFormat(QImage::Format_RGB32); };
  int width = 0;
  int height = 0;
  int colours = 0;
  int perPixel = 0;
  if (std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &perPixel) != 4 ||
      perPixel != 1 || width <= 0 || height <= 0) {
    return byQt();
  }
  std::array<QRgb, 256> palette{};
  std::array<bool, 256> known{};
  for (int i = 1; i <= colours; ++i) {
    const char* line = xpm[i];
    unsigned int rgb = 0;
    if (std::strlen(line) != std::strlen("k c #RRGGBB") ||
        std::sscanf(line + 1, " c #%6x", &rgb) != 1) {
      return byQt();
    }
    const auto key = static_cast<unsigned char>(line[0]);
    palette[key] = qRgb(static_cast<int>(rgb >> 16), (rgb >> 8) & 0xff, rgb & 0xff);
    known[key] = true;
  }
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const char* row = xpm[1 + colours + y];
    if (std::strlen(row) != static_cast<std::size_t>(width)) {
      return byQt();
    }
    auto* pixel = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const auto key = static_cast<unsigned char>(row[x]);
      if (!known[key]) {
        return byQt();
      }
      pixel[x] = palette[key];
    }
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
    images_[code] = DecodedTile(kTilePictures[code]);
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
