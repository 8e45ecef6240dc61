// The Instructions window: the rules in a fixed text on a pastel the game draws at each opening.
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
  QColor TextColour() const;

  QPlainTextEdit* instructionsText;

 signals:
  // The open window is being closed; the next opening draws a new colour.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPointer<QWidget> openedFrom_;
};

}  // namespace stonewick
