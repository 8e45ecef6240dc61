// Build-time helper: draws the program icon's 32x32 XPM picture as the icon themes want it,
// PNGs of 32, 64, 128 and 256 pixels (each pixel a square block, so the picture stays crisp)
// and a scalable SVG of the same squares.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <array>
#include <cstdio>

namespace {

constexpr std::array<int, 4> kSizes = {32, 64, 128, 256};

// The picture as SVG: one rectangle for each run of pixels of one colour along a row.
QString SvgOf(const QImage& image) {
  QString svg;
  QTextStream out(&svg);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << image.width() << "\" height=\""
      << image.height() << "\" viewBox=\"0 0 " << image.width() << ' ' << image.height()
      << "\" shape-rendering=\"crispEdges\">\n";
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width();) {
      const QRgb colour = image.pixel(x, y);
      int end = x + 1;
      while (end < image.width() && image.pixel(end, y) == colour) {
        ++end;
      }
      if (qAlpha(colour) != 0) {
        out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
            << "\" height=\"1\" fill=\"" << QColor(colour).name() << "\"/>\n";
      }
      x = end;
    }
  }
  out << "</svg>\n";
  return svg;
}

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: draw_icons INPUT.xpm OUTPUT_DIR\n");
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]), "XPM");
  if (image.isNull()) {
    std::fprintf(stderr, "draw_icons: cannot read %s\n", argv[1]);
    return 1;
  }
  const QDir out(QString::fromLocal8Bit(argv[2]));
  for (const int size : kSizes) {
    const QString folder = QString("%1x%1").arg(size);
    const QString path = out.filePath(folder + "/stonewick.png");
    if (!out.mkpath(folder) ||
        !image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
             .save(path, "PNG")) {
      std::fprintf(stderr, "draw_icons: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  const QString svgPath = out.filePath("scalable/stonewick.svg");
  if (!out.mkpath("scalable") || !Write(svgPath, SvgOf(image).toUtf8())) {
    std::fprintf(stderr, "draw_icons: cannot write %s\n", qPrintable(svgPath));
    return 1;
  }
  return 0;
}
