// The entry point of the hall client module.
#include "ui/hall_module.h"

#include "ui/hall_offer.h"
#include "ui/hall_tokens.h"

namespace {

void OfferGame(const QString& hallUrl, const QString& recordingPath, const QString& day) {
  stonewick::OfferGameToHall(hallUrl, recordingPath, day, stonewick::HallTokens::DefaultPath());
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const stonewick::HallModule*
stonewick_hall_module() {
  static const stonewick::HallModule module{&stonewick::FetchDailyBoard, &OfferGame};
  return &module;
}
