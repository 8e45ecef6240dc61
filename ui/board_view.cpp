// Drawing, keys and clicks of the board grid.
#include "ui/board_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include "ui/key_codes.h"

namespace stonewick {

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

}  // namespace

BoardView::BoardView(const Board& board, QWidget* parent) : QWidget(parent), board_(board) {
  for (auto& column : shown_) {
    column.fill(-1);
  }
  setFocusPolicy(Qt::StrongFocus);
  // Every exposed pixel is painted, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::SetImageList(const std::vector<QImage>* images) {
  images_ = images;
}

const QImage* BoardView::TileOf(int col, int row) {
  const auto tileOf = [this](std::int32_t code) -> const QImage* {
    if (images_ == nullptr || code < 0 || static_cast<std::size_t>(code) >= images_->size()) {
      return nullptr;
    }
    const QImage& tile = (*images_)[static_cast<std::size_t>(code)];
    return tile.width() == kCellPixels && tile.height() == kCellPixels ? &tile : nullptr;
  };
  const std::int32_t code = board_.tiles[col][row];
  if (const QImage* tile = tileOf(code)) {
    shown_[col][row] = code;
    return tile;
  }
  return tileOf(shown_[col][row]);
}

void BoardView::DrawCells(QPainter& painter, const QRect& area) {
  const QRect cells = area & QRect(0, 0, kBoardPixels, kBoardPixels);
  if (cells.isEmpty()) {
    return;
  }
  for (int col = cells.left() / kCellPixels; col <= cells.right() / kCellPixels; ++col) {
    for (int row = cells.top() / kCellPixels; row <= cells.bottom() / kCellPixels; ++row) {
      const QPoint at(col * kCellPixels, row * kCellPixels);
      if (const QImage* tile = TileOf(col, row)) {
        painter.drawImage(at, *tile);
      } else {
        painter.fillRect(QRect(at, QSize(kCellPixels, kCellPixels)), kSilver);
      }
    }
  }
}

void BoardView::CellChanged(int col, int row) {
  // The first paint draws every cell as the board then stands, so a level laid out before it
  // need not mark its cells one by one.
  if (painted_ && Board::Contains(col, row)) {
    update(col * kCellPixels, row * kCellPixels, kCellPixels, kCellPixels);
  }
}

QImage BoardView::Backbuffer() {
  QImage picture(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
  QPainter painter(&picture);
  DrawCells(painter, picture.rect());
  return picture;
}

void BoardView::paintEvent(QPaintEvent* event) {
  const QRect board(0, 0, kBoardPixels, kBoardPixels);
  QPainter painter(this);
  // Scaled to a high-density screen pixel by pixel, never smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRegion outside = event->region() - board;
  for (const QRect& r : outside) {
    painter.fillRect(r, kSilver);
  }
  // A repaint shows the tile layer as it stands: the cells of each exposed part, so that two
  // cells changed far apart do not repaint all that lies between them.
  for (const QRect& part : event->region()) {
    DrawCells(painter, part);
  }
  if (!painted_) {
    painted_ = true;
    emit FirstPainted();
  }
}

void BoardView::keyPressEvent(QKeyEvent* event) {
  event->accept();
  emit KeyDown(VirtualKeyOf(*event));
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
  }
  QWidget::mousePressEvent(event);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) {
    return;
  }
  pressed_ = false;
  const QPoint at = event->position().toPoint();
  if (!rect().contains(at)) {
    return;  // released elsewhere: no click
  }
  if (at.x() < kBoardPixels && at.y() < kBoardPixels) {
    emit Clicked(at.x() / kCellPixels, at.y() / kCellPixels);
  } else {
    emit Clicked(-1, -1);
  }
}

}  // namespace stonewick
