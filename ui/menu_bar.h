// A menu bar of commands that sit directly on the bar, with no drop-down lists. When the
// commands do not fit the window's width the bar first narrows the space around the captions,
// and only when even that is not enough wraps onto further rows, so every command stays in
// view; each command's '&' letter is its Alt accelerator.
#pragma once

#include <QAction>
#include <QRect>
#include <QWidget>
#include <unordered_map>
#include <vector>

namespace stonewick {

class WrappingMenuBar : public QWidget {
  Q_OBJECT
 public:
  explicit WrappingMenuBar(QWidget* parent);

  // Where each visible command lies at the given width, in order.
  std::vector<std::pair<QAction*, QRect>> ItemRects(int width) const;
  QRect ItemRect(const QAction* action) const;

  // How much wider than `width` the bar must be, in whole `step`s, to hold its commands on
  // one row without narrowing the space around their captions.
  int WidthLacking(int width, int step) const;

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void actionEvent(QActionEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // What a command's caption measures, kept while its caption and the bar's font stay: laying
  // out the bar asks several times for each command, and measuring text is the costly part.
  struct Measured {
    QString caption;
    QSize item;  // the style's item around the caption
    int tight = 0;
  };
  const Measured& Measure(const QAction* action) const;
  QSize ItemSize(const QAction* action) const;
  // The narrowest an item may become to keep the bar on one row: its caption and a little room.
  int TightWidth(const QAction* action) const;
  static constexpr int kTightPadding = 4;
  QAction* ActionAt(QPoint at) const;
  int Margin() const;

  QAction* hovered_ = nullptr;
  QAction* pressed_ = nullptr;
  mutable std::unordered_map<const QAction*, Measured> measured_;
};

}  // namespace stonewick
