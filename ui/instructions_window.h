// The Instructions window: the rules in a fixed text on a pastel drawn at each opening.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "lib/random.h"

class QCloseEvent;
class QPlainTextEdit;
class QShowEvent;

namespace stonewick {

class InstructionsWindow : public QWidget {
  Q_OBJECT
 public:
  InstructionsWindow(Random& random, std::function<std::uint32_t()> clockReading,
                     QWidget* parent = nullptr);

  static const QString kText;

  QColor TextColour() const;

  QPlainTextEdit* instructionsText;

 signals:
  // The open window is being closed; the next opening draws a new colour.
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void PaintNewColour();

  Random& random_;
  std::function<std::uint32_t()> clockReading_;
};

}  // namespace stonewick
