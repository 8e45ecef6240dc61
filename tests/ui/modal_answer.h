// Answers the next modal message box from inside its own event loop, so code that opens one
// can be tested without a person at the keyboard.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

// What the box looked like when it was answered.
struct SeenBox {
  bool seen = false;
  QPoint pos;
  QString title;
  QString text;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Waits for a modal box, records it, then runs `answer` on it (click a button, press a key,
// close it). Gives up after about two seconds so a missing box fails instead of hanging.
inline std::shared_ptr<SeenBox> AnswerNextBox(std::function<void(QMessageBox&)> answer) {
  auto seen = std::make_shared<SeenBox>();
  // The pending timer holds the only strong reference, so nothing outlives the answer.
  auto poll = std::make_shared<std::function<void(int)>>();
  std::weak_ptr<std::function<void(int)>> self = poll;
  *poll = [seen, answer, self](int triesLeft) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      if (auto again = self.lock(); again && triesLeft > 0) {
        QTimer::singleShot(10, [again, triesLeft] { (*again)(triesLeft - 1); });
      }
      return;
    }
    seen->seen = true;
    seen->pos = box->pos();
    seen->title = box->windowTitle();
    seen->text = box->text();
    seen->buttons = box->standardButtons();
    seen->defaultButton = box->defaultButton() != nullptr
                              ? box->standardButton(box->defaultButton())
                              : QMessageBox::NoButton;
    answer(*box);
  };
  QTimer::singleShot(0, [poll] { (*poll)(200); });
  return seen;
}

inline std::function<void(QMessageBox&)> ClickButton(QMessageBox::StandardButton which) {
  return [which](QMessageBox& box) { box.button(which)->click(); };
}
