// Layout, painting and mouse handling of the wrapping menu bar. Items are drawn with the
// style's own menu bar elements so the bar looks like the desktop's other menu bars.
#include "ui/menu_bar.h"

#include <QActionEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>
#include <cstdint>

namespace stonewick {

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);  // the board keeps the keyboard
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

int WrappingMenuBar::Margin() const {
  return style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this) +
         std::max(style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this),
                  style()->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, this));
}

const WrappingMenuBar::Measured& WrappingMenuBar::Measure(const QAction* action) const {
  Measured& known = measured_[action];
  if (known.item.isValid() && known.caption == action->text()) {
    return known;
  }
  QStyleOptionMenuItem option;
  option.initFrom(this);
  option.menuItemType = QStyleOptionMenuItem::Normal;
  option.text = action->text();
  const QSize text = fontMetrics().size(Qt::TextShowMnemonic, action->text());
  known.caption = action->text();
  known.item = style()->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, this);
  known.tight = text.width() + 2 * kTightPadding;
  return known;
}

QSize WrappingMenuBar::ItemSize(const QAction* action) const {
  return Measure(action).item;
}

int WrappingMenuBar::TightWidth(const QAction* action) const {
  return Measure(action).tight;
}

std::vector<std::pair<QAction*, QRect>> WrappingMenuBar::ItemRects(int width) const {
  std::vector<std::pair<QAction*, QRect>> items;
  const int margin = Margin();
  const int spacing = style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
  int rowHeight = 0;
  int oneRow = -spacing;
  int tightRow = 0;
  for (const QAction* action : actions()) {
    if (action->isVisible()) {
      const QSize size = ItemSize(action);
      rowHeight = std::max(rowHeight, size.height());
      oneRow += size.width() + spacing;
      tightRow += std::min(TightWidth(action), size.width());
    }
  }
  const int room = width - 2 * margin;
  if (oneRow > room && tightRow <= room) {
    // The commands fit on one row with less space around their captions: each item gives up
    // the same share of what lies between its style's width and its caption's.
    const std::int64_t squeeze = oneRow - room;
    const std::int64_t slack = oneRow - tightRow;
    // From the edges of the natural layout (n) and the tight one (t) to where they end up.
    const auto squeezed = [&](int n, int t) {
      return margin + n - static_cast<int>((n - t) * squeeze / slack);
    };
    int natural = 0;
    int tight = 0;
    for (QAction* action : actions()) {
      if (!action->isVisible()) {
        continue;
      }
      const int left = squeezed(natural, tight);
      const int itemWidth = ItemSize(action).width();
      natural += itemWidth;
      tight += std::min(TightWidth(action), itemWidth);
      items.emplace_back(action, QRect(left, margin, squeezed(natural, tight) - left, rowHeight));
      natural += spacing;
    }
    return items;
  }
  int x = margin;
  int y = margin;
  for (QAction* action : actions()) {
    if (!action->isVisible()) {
      continue;
    }
    const QSize size = ItemSize(action);
    if (x > margin && x + size.width() > width - margin) {
      x = margin;
      y += rowHeight;
    }
    items.emplace_back(action, QRect(x, y, size.width(), rowHeight));
    x += size.width() + spacing;
  }
  return items;
}

QRect WrappingMenuBar::ItemRect(const QAction* action) const {
  for (const auto& [item, rect] : ItemRects(width())) {
    if (item == action) {
      return rect;
    }
  }
  return {};
}

int WrappingMenuBar::heightForWidth(int width) const {
  int bottom = 0;
  for (const auto& item : ItemRects(width)) {
    bottom = std::max(bottom, item.second.bottom() + 1);
  }
  return bottom + Margin();
}

int WrappingMenuBar::WidthLacking(int width, int step) const {
  const int lacking = sizeHint().width() - width;
  return lacking <= 0 ? 0 : (lacking + step - 1) / step * step;
}

QSize WrappingMenuBar::sizeHint() const {
  int right = 0;
  for (const auto& item : ItemRects(QWIDGETSIZE_MAX)) {
    right = std::max(right, item.second.right() + 1);
  }
  return {right + Margin(), heightForWidth(QWIDGETSIZE_MAX)};
}

QSize WrappingMenuBar::minimumSizeHint() const {
  return {0, heightForWidth(QWIDGETSIZE_MAX)};
}

bool WrappingMenuBar::event(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    measured_.clear();
    updateGeometry();
  }
  return QWidget::event(event);
}

void WrappingMenuBar::actionEvent(QActionEvent* event) {
  QAction* action = event->action();
  if (event->type() == QEvent::ActionRemoved) {
    measured_.erase(action);
    hovered_ = hovered_ == action ? nullptr : hovered_;
    pressed_ = pressed_ == action ? nullptr : pressed_;
  } else {
    // The accelerator follows the caption, so "&Resume" answers Alt+R once Pause has changed.
    const QKeySequence accelerator = QKeySequence::mnemonic(action->text());
    if (action->shortcut() != accelerator) {
      action->setShortcut(accelerator);
    }
  }
  updateGeometry();
  update();
}

void WrappingMenuBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionMenuItem empty;
  empty.initFrom(this);
  empty.menuItemType = QStyleOptionMenuItem::EmptyArea;
  empty.rect = rect();
  empty.menuRect = rect();
  style()->drawControl(QStyle::CE_MenuBarEmptyArea, &empty, &painter, this);
  for (const auto& [action, itemRect] : ItemRects(width())) {
    QStyleOptionMenuItem option;
    option.initFrom(this);
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.text = action->text();
    option.rect = itemRect;
    option.menuRect = rect();
    option.state = QStyle::State_None;
    if (action->isEnabled()) {
      option.state |= QStyle::State_Enabled;
    } else {
      option.palette.setCurrentColorGroup(QPalette::Disabled);
    }
    if (action->isEnabled() && (action == hovered_ || action == pressed_)) {
      option.state |= QStyle::State_Selected;
    }
    if (action == pressed_ && action == hovered_) {
      option.state |= QStyle::State_Sunken;
    }
    style()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, this);
  }
}

QAction* WrappingMenuBar::ActionAt(QPoint at) const {
  for (const auto& [action, itemRect] : ItemRects(width())) {
    if (itemRect.contains(at)) {
      return action;
    }
  }
  return nullptr;
}

void WrappingMenuBar::mouseMoveEvent(QMouseEvent* event) {
  QAction* now = ActionAt(event->position().toPoint());
  if (now != hovered_) {
    hovered_ = now;
    update();
  }
}

void WrappingMenuBar::mousePressEvent(QMouseEvent* event) {
  QAction* action = ActionAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && action != nullptr && action->isEnabled()) {
    pressed_ = action;
    update();
  }
}

void WrappingMenuBar::mouseReleaseEvent(QMouseEvent* event) {
  QAction* action = ActionAt(event->position().toPoint());
  QAction* pressed = pressed_;
  pressed_ = nullptr;
  update();
  // A command runs once the button comes up over the item it went down on.
  if (event->button() == Qt::LeftButton && pressed != nullptr && action == pressed &&
      action->isEnabled()) {
    action->trigger();
  }
}

void WrappingMenuBar::leaveEvent(QEvent*) {
  hovered_ = nullptr;
  update();
}

}  // namespace stonewick
