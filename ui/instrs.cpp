#include "ui/instrs.h"

#include <utility>

TFInstrs::TFInstrs(stonewick::Random& random, std::function<std::uint32_t()> clockReading,
                   QWidget* parent)
    : QWidget(parent), random_(random), clockReading_(std::move(clockReading)) {
  setWindowTitle("Stonewick - instructions");
}
