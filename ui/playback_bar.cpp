// Drawing the playback bar and taking jumps from its track.
#include "ui/playback_bar.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/fonts.h"
#include "ui/translations.h"

namespace stonewick {
namespace {

constexpr int kMargin = 14;  // as the board's left edge
constexpr int kTrackTop = 22;
constexpr int kTrackHeight = 10;

QColor MarkColour(WatchMark::Kind kind) {
  switch (kind) {
    case WatchMark::Kind::Box:
      return QColor(0x2f, 0x6f, 0xbf);
    case WatchMark::Kind::Level:
      return QColor(0x20, 0x90, 0x30);
    case WatchMark::Kind::Difference:
      return QColor(0xd0, 0x20, 0x20);
  }
  return Qt::black;
}

}  // namespace

PlaybackBar::PlaybackBar(QWidget* parent) : QWidget(parent) {
  setFont(WindowFont("Arial", 12));
  setCursor(Qt::ArrowCursor);
  setToolTip(QCoreApplication::translate("Playback", "Click or drag on the track to jump there"));
}

void PlaybackBar::Show(const WatchStatus& status) {
  QString state = "   " + QString::fromStdString(PositionText(status)) + "   " +
                  QString::fromStdString(status.speed);
  if (status.finished) {
    state += "   " + QCoreApplication::translate("Playback", "finished");
  } else if (status.paused) {
    state += "   " + QCoreApplication::translate("Playback", "paused");
  } else if (status.live) {
    state += "   " + QCoreApplication::translate("Playback", "live");
  }
  name_ = QString::fromStdString(status.name);
  afterName_ = state;
  stateLine_ = name_ + afterName_;
  verdictLine_ = ProgressWords(status.progress);
  differs_ = status.differs;
  positionMs_ = status.positionMs;
  lengthMs_ = status.lengthMs;
  if (status.marks != nullptr) {
    marks_ = *status.marks;
  }
  update();
}

QString PlaybackBar::DrawnStateLine() const {
  // A long name gives way, shortened with an ellipsis: the position, the speed and "paused"
  // always show.
  const QFontMetrics metrics(font());
  const int room = width() - 2 * kMargin - metrics.horizontalAdvance(afterName_);
  return metrics.elidedText(name_, Qt::ElideMiddle, std::max(room, 0)) + afterName_;
}

QRect PlaybackBar::Track() const {
  return {kMargin, kTrackTop, width() - 2 * kMargin, kTrackHeight};
}

std::int64_t PlaybackBar::TimeAt(int x) const {
  const QRect track = Track();
  const double part =
      std::clamp(static_cast<double>(x - track.left()) / std::max(1, track.width()), 0.0, 1.0);
  return static_cast<std::int64_t>(part * static_cast<double>(lengthMs_));
}

void PlaybackBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QRect(kMargin, 2, width() - 2 * kMargin, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   DrawnStateLine());

  const QRect track = Track();
  painter.fillRect(track, QColor(0xc0, 0xc0, 0xc0));
  const auto xOf = [&](std::int64_t ms) {
    const double part =
        lengthMs_ <= 0 ? 0.0 : static_cast<double>(ms) / static_cast<double>(lengthMs_);
    return track.left() + static_cast<int>(std::clamp(part, 0.0, 1.0) * track.width());
  };
  painter.fillRect(
      QRect(track.left(), track.top(), xOf(positionMs_) - track.left(), track.height()),
      QColor(0x80, 0x80, 0x80));
  for (const WatchMark& mark : marks_) {
    const int x = xOf(mark.ms);
    const bool difference = mark.kind == WatchMark::Kind::Difference;
    painter.fillRect(QRect(x, track.top() - (difference ? 3 : 0), difference ? 2 : 1,
                           track.height() + (difference ? 6 : 0)),
                     MarkColour(mark.kind));
  }
  const int at = xOf(positionMs_);
  painter.fillRect(QRect(at - 1, track.top() - 3, 3, track.height() + 6), Qt::black);

  QFont small = font();
  small.setPixelSize(11);
  painter.setFont(small);
  painter.setPen(differs_ ? MarkColour(WatchMark::Kind::Difference)
                          : palette().color(QPalette::WindowText));
  painter.drawText(QRect(kMargin, 35, width() - 2 * kMargin, 15), Qt::AlignLeft | Qt::AlignVCenter,
                   verdictLine_);
  painter.setPen(QColor(0x50, 0x50, 0x50));
  painter.drawText(QRect(kMargin, 51, width() - 2 * kMargin, 15), Qt::AlignLeft | Qt::AlignVCenter,
                   TranslatedText("Playback", kWatchKeysLine));
}

void PlaybackBar::mousePressEvent(QMouseEvent* event) {
  const QRect reach = Track().adjusted(0, -4, 0, 4);
  if (event->button() == Qt::LeftButton && reach.contains(event->position().toPoint())) {
    dragging_ = true;
    emit JumpRequested(TimeAt(event->position().toPoint().x()));
  }
}

void PlaybackBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    emit JumpRequested(TimeAt(event->position().toPoint().x()));
  }
}

void PlaybackBar::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
}

}  // namespace stonewick
