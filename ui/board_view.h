// The board grid: 22 by 22 cells of 16 pixels, showing the board's tile layer. It reads the
// board itself: a repaint copies each exposed cell's tile straight into the window's own
// backing store, so the board keeps no second copy of its pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "game/board.h"

namespace stonewick {

class BoardView : public QWidget {
  Q_OBJECT
 public:
  // Every cell is a square tile of this many pixels, with no lines between cells.
  static constexpr int kCellPixels = 16;
  static constexpr int kBoardPixels = kBoardSize * kCellPixels;

  BoardView(const Board& board, QWidget* parent);

  // The tiles to draw with, indexed by cell code; none until the tile set is loaded.
  void SetImageList(const std::vector<QImage>* images);
  // Asks for cell (col, row) to be repainted, so that its tile shows by the next time window
  // messages are processed.
  void CellChanged(int col, int row);
  // The board's pixels as the tile layer stands now, one tile per cell.
  QImage Backbuffer();

 signals:
  void KeyDown(std::uint16_t key);
  // The cell under the pointer when the click ended, or (-1, -1) over no cell.
  void Clicked(int col, int row);
  void FirstPainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The tile of the cell's code, or where the code has no tile the one the cell showed last;
  // null when there is none to show.
  const QImage* TileOf(int col, int row);
  // Draws the cells that meet `area` (board pixels) as the tile layer stands.
  void DrawCells(QPainter& painter, const QRect& area);

  const Board& board_;
  const std::vector<QImage>* images_ = nullptr;
  // The code whose tile each cell showed last; -1 for none yet.
  std::array<std::array<std::int32_t, kBoardSize>, kBoardSize> shown_;
  bool pressed_ = false;
  bool painted_ = false;
};

}  // namespace stonewick
