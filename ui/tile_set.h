// The tile holder: the 39 board tiles, read once from the program's resources, and the image
// list that board drawing reads, where image N is the picture of cell code N.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <vector>

#include "game/cells.h"

namespace stonewick {

class TileSet : public QWidget {
  Q_OBJECT
 public:
  explicit TileSet(QWidget* parent = nullptr);

  // Appends the 39 tiles to imageList in code order. It does not clear the list first, so a
  // second call adds a copy at 39..77 and indexing by cell code still finds the right tile.
  void LoadTileSet();

  // The 32 by 32 program icon.
  static QIcon ProgramIcon();
  // The 32 by 32 program icon as a picture.
  static QPixmap ProgramPicture();

  std::vector<QImage> imageList;

 private:
  // Image00 .. Image38, already in the opaque 32-bit format that the board is drawn in.
  std::array<QImage, kCellCodeCount> images_;
};

}  // namespace stonewick
