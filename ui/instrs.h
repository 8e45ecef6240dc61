// The Instructions window: the rules in a fixed text on a pastel drawn at each opening.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "lib/random.h"

class TFInstrs : public QWidget {
  Q_OBJECT
 public:
  TFInstrs(stonewick::Random& random, std::function<std::uint32_t()> clockReading,
           QWidget* parent = nullptr);

 private:
  stonewick::Random& random_;
  std::function<std::uint32_t()> clockReading_;
};
