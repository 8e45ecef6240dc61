// The hall client as a module of its own: it alone needs Qt Network and, through it, the
// system's network and Kerberos libraries, so the window loads it only for a game played with
// --hall and a plain start loads none of them.
#pragma once

#include <QString>
#include <optional>

#include "ui/hall_upload.h"

namespace stonewick {

// What the module offers the window.
struct HallModule {
  // The hall's board of the day; empty, with what went wrong in `error`, when it gives none.
  std::optional<DailyBoard> (*fetchDailyBoard)(const QString& hallUrl, QString& error);
  // Offers the recording at `recordingPath` to the hall (see OfferGameToHall), the player's
  // names and tokens kept in the user's config folder.
  void (*offerGame)(const QString& hallUrl, const QString& recordingPath, const QString& day);
};

// The name of the module's one entry point, a function returning its HallModule.
inline constexpr const char* kHallModuleEntry = "stonewick_hall_module";

}  // namespace stonewick
