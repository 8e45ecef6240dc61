// The window's side of playing for the hall: where such a game is recorded, and the module
// that talks to the hall, loaded only when it is needed.
#pragma once

#include <QString>

#include "ui/hall_module.h"

namespace stonewick {

// Loads the hall client module, looked for beside the program (as built) and in the
// program's library folder (as installed). Null, with why in `error`, when it cannot be
// loaded. Needs the application.
const HallModule* LoadHallModule(QString& error);

// Where a game played with --hall but no --record is recorded: a new file named after the
// time in the user's data folder ($XDG_DATA_HOME/stonewick/hall-games/).
QString HallRecordingPath();

}  // namespace stonewick
