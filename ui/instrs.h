// The Instructions window: the rules in a fixed text on a pastel drawn at each opening.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "lib/random.h"

class QPlainTextEdit;
class QShowEvent;

class TFInstrs : public QWidget {
  Q_OBJECT
 public:
  TFInstrs(stonewick::Random& random, std::function<std::uint32_t()> clockReading,
           QWidget* parent = nullptr);

  static const QString kText;

  QColor MemoColour() const;

  QPlainTextEdit* Memo1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();

  stonewick::Random& random_;
  std::function<std::uint32_t()> clockReading_;
};
