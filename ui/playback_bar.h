// The bar under the board while a recording plays: the recording's name, where it stands and
// how long it is, the speed, paused or finished, the verdict so far, a track with marks where
// the recording's boxes opened, its levels changed and its first difference lies, and the keys
// that steer it. A click or a drag on the track asks for a jump there.
#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "session/core/watch_status.h"

namespace stonewick {

class PlaybackBar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 70;

  explicit PlaybackBar(QWidget* parent = nullptr);

  void Show(const WatchStatus& status);
  // What the bar shows, for tests: "game.rec  01:23 / 05:40  1x  paused" and the verdict.
  QString StateLine() const { return stateLine_; }
  // The line as it is drawn in the bar's width: the name shortened to leave room for the rest.
  QString DrawnStateLine() const;
  QString VerdictLine() const { return verdictLine_; }

 signals:
  // A jump to `ms` after the recording's start.
  void JumpRequested(std::int64_t ms);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect Track() const;
  // The time under a point of the track.
  std::int64_t TimeAt(int x) const;

  QString stateLine_;
  QString name_;
  QString afterName_;  // the position, the speed, and paused or finished
  QString verdictLine_;
  bool differs_ = false;
  std::int64_t positionMs_ = 0;
  std::int64_t lengthMs_ = 0;
  std::vector<WatchMark> marks_;
  bool dragging_ = false;
};

}  // namespace stonewick
