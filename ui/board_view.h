// The board grid: 22 by 22 cells of 16 pixels, showing the board's tile layer. It reads the
// board itself: a changed cell is brought up to date in the back buffer when it is painted,
// and repaints blit the exposed cells in one pass.
#pragma once

#include <QImage>
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
  const QImage& Backbuffer();

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
  // Copies the tile of the cell's code into the back buffer unless it shows there already.
  void BringUpToDate(int col, int row);

  const Board& board_;
  const std::vector<QImage>* images_ = nullptr;
  QImage backbuffer_;
  // The code whose tile each cell of the back buffer shows; -1 for none yet.
  std::array<std::array<std::int32_t, kBoardSize>, kBoardSize> shown_;
  bool pressed_ = false;
  bool painted_ = false;
};

}  // namespace stonewick
