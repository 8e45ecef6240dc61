// The tile set: 39 opaque 16 by 16 tiles indexed by cell code, their key colours, the mirror
// rules of nest and hatch quarters, and loading the set twice.
#include "ui/tile_set.h"

#include <QTest>

#include "game/cells.h"
#include "ui/tile_pictures.h"

using namespace stonewick;

namespace {

bool AllPixels(const QImage& tile, QRgb colour) {
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) {
      if (tile.pixel(x, y) != colour) {
        return false;
      }
    }
  }
  return true;
}

// The tile with every pixel of colour `from` turned into `to`.
QImage Recoloured(QImage tile, QRgb from, QRgb to) {
  for (int y = 0; y < tile.height(); ++y) {
    for (int x = 0; x < tile.width(); ++x) {
      if (tile.pixel(x, y) == from) {
        tile.setPixel(x, y, to);
      }
    }
  }
  return tile;
}

}  // namespace

class TilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { core.LoadTileSet(); }

  void tileSetHoldsThirtyNineOpaqueTilesOfSixteenPixels() {
    QCOMPARE(core.imageList.size(), std::size_t{39});
    for (int code = 0; code < stonewick::kCellCodeCount; ++code) {
      const QImage& tile = core.imageList[static_cast<std::size_t>(code)];
      QCOMPARE(tile.size(), QSize(16, 16));
      QCOMPARE(tile.format(), QImage::Format_RGB32);
      // The stored picture itself has no transparent pixel, magenta included.
      const QImage stored(kTilePictures[static_cast<std::size_t>(code)]);
      QVERIFY2(!stored.isNull(), qPrintable(QString("tile %1 missing").arg(code)));
      for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
          QCOMPARE(qAlpha(stored.pixel(x, y)), 255);
        }
      }
    }
  }

  void plainTilesHaveTheirExactColours() {
    QVERIFY(AllPixels(core.imageList[stonewick::Blank], qRgb(0, 0, 0)));
    QVERIFY(AllPixels(core.imageList[stonewick::HardBrick], qRgb(0xFF, 0, 0)));
    QVERIFY(AllPixels(core.imageList[stonewick::Border], qRgb(0, 0, 0xFF)));
  }

  void softBrickIsYellowWithBlackSeamOnRightAndBottom() {
    const QImage& soft = core.imageList[stonewick::SoftBrick];
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const QRgb expected = (x == 15 || y == 15) ? qRgb(0, 0, 0) : qRgb(0xFF, 0xFF, 0);
        QCOMPARE(soft.pixel(x, y), expected);
      }
    }
  }

  void nestAndHatchQuartersMirrorTheNorthWestQuarter_data() {
    QTest::addColumn<int>("northWest");
    QTest::newRow("nest") << int{stonewick::NestNW};
    QTest::newRow("hatch 0") << int{stonewick::Hatch0NW};
    QTest::newRow("hatch 1") << int{stonewick::Hatch1NW};
    QTest::newRow("hatch 2") << int{stonewick::Hatch2NW};
    QTest::newRow("hatch 3") << int{stonewick::Hatch3NW};
  }
  void nestAndHatchQuartersMirrorTheNorthWestQuarter() {
    QFETCH(int, northWest);
    // Quarters follow in the order NW, NE, SE, SW.
    const auto tile = [this, northWest](int offset) {
      return core.imageList[static_cast<std::size_t>(northWest + offset)];
    };
    QCOMPARE(tile(1), tile(0).mirrored(true, false));
    QCOMPARE(tile(2), tile(0).mirrored(true, true));
    QCOMPARE(tile(3), tile(0).mirrored(false, true));
  }

  void poweredPlayerTilesDifferFromPlainOnesOnlyInColour() {
    for (int plain = stonewick::PlayerUp; plain <= stonewick::PlayerRight; ++plain) {
      const QImage& powered = core.imageList[static_cast<std::size_t>(plain + 33)];
      QCOMPARE(Recoloured(core.imageList[static_cast<std::size_t>(plain)], qRgb(0, 0x80, 0xFF),
                          qRgb(0xFF, 0xFF, 0xFF)),
               powered);
    }
  }

  void veryBadOnWallIsTheVeryBadFaceOnRed() {
    QCOMPARE(Recoloured(core.imageList[stonewick::VeryBad], qRgb(0, 0, 0), qRgb(0xFF, 0, 0)),
             core.imageList[stonewick::BaddieOnTop]);
  }

  void secondLoadAppendsACopyAndLeavesCodesInPlace() {
    TileSet twice;
    twice.LoadTileSet();
    twice.LoadTileSet();
    QCOMPARE(twice.imageList.size(), std::size_t{78});
    for (std::size_t code = 0; code < 39; ++code) {
      QCOMPARE(twice.imageList[code], core.imageList[code]);
      QCOMPARE(twice.imageList[code + 39], core.imageList[code]);
    }
  }

  void programIconIsThirtyTwoPixelsSquare() {
    QCOMPARE(TileSet::ProgramIcon().availableSizes().value(0), QSize(32, 32));
  }

  // The game's own quick reader of its pictures gives what Qt's reader of every XPM gives.
  void tilesAndIconDecodeAsQtsPictureReaderDoes() {
    for (int code = 0; code < stonewick::kCellCodeCount; ++code) {
      QCOMPARE(core.imageList[static_cast<std::size_t>(code)],
               QImage(kTilePictures[static_cast<std::size_t>(code)])
                   .convertToFormat(QImage::Format_RGB32));
    }
    QCOMPARE(TileSet::ProgramPicture().toImage(),
             QImage(kProgramIconPicture).convertToFormat(QImage::Format_RGB32));
  }

 private:
  TileSet core;
};

QTEST_MAIN(TilesTest)
#include "tile_set_test.moc"
