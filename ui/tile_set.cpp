// Decodes the compiled-in tile pictures and converts them once to the board's pixel format,
// so that drawing a cell is a plain copy of pixels.
#include "ui/tile_set.h"

#include <QPalette>
#include <array>
#include <cstring>

#include "ui/tile_pictures.h"

namespace stonewick {

namespace {

// The number that `text` starts with, past it and the blank after it; -1 when there is none.
int ReadCount(const char*& text) {
  int count = -1;
  for (; *text >= '0' && *text <= '9'; ++text) {
    count = (count < 0 ? 0 : count * 10) + (*text - '0');
    if (count > 4096) {
      return -1;
    }
  }
  while (*text == ' ') {
    ++text;
  }
  return count;
}

// The value of six hexadecimal digits, or -1 when they are not.
long HexColour(const char* digits) {
  long rgb = 0;
  for (int i = 0; i < 6; ++i) {
    const char c = digits[i];
    const int digit = c >= '0' && c <= '9'   ? c - '0'
                      : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                             : -1;
    if (digit < 0) {
      return -1;
    }
    rgb = rgb * 16 + digit;
  }
  return rgb;
}

// The pictures are XPM of one character a pixel with their colours as #RRGGBB, which a table
// by character decodes many times quicker than Qt's reader of every kind of XPM; a picture of
// any other kind goes to Qt's.
QImage DecodedPicture(const char* const* xpm) {
  const auto byQt = [xpm] { return QImage(xpm).convertToFormat(QImage::Format_RGB32); };
  const char* header = xpm[0];
  const int width = ReadCount(header);
  const int height = ReadCount(header);
  const int colours = ReadCount(header);
  const int perPixel = ReadCount(header);
  if (perPixel != 1 || *header != '\0' || width <= 0 || height <= 0 || colours <= 0) {
    return byQt();
  }
  // Every character no colour line names stays unknown.
  constexpr QRgb kUnknown = 0;
  std::array<QRgb, 256> palette{};
  for (int i = 1; i <= colours; ++i) {
    const char* line = xpm[i];
    const long rgb =
        std::strlen(line) == std::strlen("k c #RRGGBB") && std::strncmp(line + 1, " c #", 4) == 0
            ? HexColour(line + 5)
            : -1;
    if (rgb < 0) {
      return byQt();
    }
    // Opaque, so never the unknown mark.
    palette[static_cast<unsigned char>(line[0])] =
        qRgb(static_cast<int>(rgb >> 16), (rgb >> 8) & 0xff, rgb & 0xff);
  }
  QImage image(width, height, QImage::Format_RGB32);
  uchar* const bits = image.bits();
  for (int y = 0; y < height; ++y) {
    const char* row = xpm[1 + colours + y];
    auto* pixel = reinterpret_cast<QRgb*>(bits + y * image.bytesPerLine());
    for (int x = 0; x < width; ++x) {
      // A row that ends early ends at its terminating zero, which no colour names.
      const QRgb colour = palette[static_cast<unsigned char>(row[x])];
      if (colour == kUnknown) {
        return byQt();
      }
      pixel[x] = colour;
    }
    if (row[width] != '\0') {
      return byQt();
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
