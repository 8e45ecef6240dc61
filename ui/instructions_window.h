// The Instructions window: the rules in a fixed text on a pastel the game draws at each opening.
// The text box is made when the window is first shown or asked for it, not at start-up: laying
// out its font costs the start-up more than the whole board.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class QCloseEvent;
class QPlainTextEdit;

namespace stonewick {

class InstructionsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit InstructionsWindow(QWidget* parent = nullptr);

  // Shows the window, or brings it to the front, with its text on pastel `colour` (1 to 6).
  // Esc closes it, and the window that was active when it opened gets the keyboard back.
  void Open(int colour);
  // Puts the text on pastel `colour` (1 to 6).
  void Paint(int colour);
  QColor TextColour();
  // The read-only box that shows the rules.
  QPlainTextEdit& Text();
  // The text box is made before the window first shows.
  void setVisible(bool visible) override;

 signals:
  // The open window is being closed; the next opening draws a new colour.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* text_ = nullptr;
  QPointer<QWidget> openedFrom_;
};

}  // namespace stonewick
