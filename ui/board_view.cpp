// Drawing, keys and clicks of the board grid.
#include "ui/board_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstring>

#include "ui/key_codes.h"

namespace stonewick {

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

}  // namespace

BoardView::BoardView(const Board& board, QWidget* parent)
    : QWidget(parent),
      board_(board),
      backbuffer_(kBoardPixels, kBoardPixels, QImage::Format_RGB32) {
  backbuffer_.fill(kSilver);
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

void BoardView::BringUpToDate(int col, int row) {
  const std::int32_t code = board_.tiles[col][row];
  if (shown_[col][row] == code || images_ == nullptr || code < 0 ||
      static_cast<std::size_t>(code) >= images_->size()) {
    return;
  }
  const QImage& tile = (*images_)[static_cast<std::size_t>(code)];
  if (tile.format() != QImage::Format_RGB32 || tile.width() != kCellPixels ||
      tile.height() != kCellPixels) {
    return;
  }
  const auto rowBytes = static_cast<std::size_t>(kCellPixels) * 4;
  for (int y = 0; y < kCellPixels; ++y) {
    uchar* to = backbuffer_.scanLine(row * kCellPixels + y) + col * kCellPixels * 4;
    std::memcpy(to, tile.constScanLine(y), rowBytes);
  }
  shown_[col][row] = code;
}

void BoardView::CellChanged(int col, int row) {
  if (Board::Contains(col, row)) {
    update(col * kCellPixels, row * kCellPixels, kCellPixels, kCellPixels);
  }
}

const QImage& BoardView::Backbuffer() {
  for (int col = 0; col < kBoardSize; ++col) {
    for (int row = 0; row < kBoardSize; ++row) {
      BringUpToDate(col, row);
    }
  }
  return backbuffer_;
}

void BoardView::paintEvent(QPaintEvent* event) {
  const QRect board(0, 0, kBoardPixels, kBoardPixels);
  const QRect exposed = event->rect() & board;
  // A repaint shows the tile layer as it stands: the exposed cells are brought up to date,
  // once each, and the exposed part is copied in one go.
  if (!exposed.isEmpty()) {
    for (int col = exposed.left() / kCellPixels; col <= exposed.right() / kCellPixels; ++col) {
      for (int row = exposed.top() / kCellPixels; row <= exposed.bottom() / kCellPixels; ++row) {
        BringUpToDate(col, row);
      }
    }
  }
  QPainter painter(this);
  // Scaled to a high-density screen pixel by pixel, never smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const QRegion outside = event->region() - board;
  for (const QRect& r : outside) {
    painter.fillRect(r, kSilver);
  }
  if (!exposed.isEmpty()) {
    painter.drawImage(exposed, backbuffer_, exposed);
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
