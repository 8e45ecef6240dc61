// The tests' way inside a session: its game to build positions on, and what it shows, to be
// damaged on purpose. Hosts never reach these; they change the game only by events.
#pragma once

#include <array>
#include <string>

#include "session/replay.h"
#include "session/session.h"

namespace stonewick {

struct SessionTestAccess {
  static Game& GameOf(Session& session) { return session.game_; }
  static std::array<ReadoutValue, kReadoutCount>& Readouts(Session& session) {
    return session.readouts_;
  }
  static const SpareLists& Lists(const Session& session) { return session.spareLists_; }
  static SpareLists& Lists(Session& session) { return session.spareLists_; }
};

namespace testing {

inline Game& GameOf(Session& session) {
  return SessionTestAccess::GameOf(session);
}
inline Game& GameOf(Replay& replay) {
  return GameOf(replay.MutableSession());
}

}  // namespace testing
}  // namespace stonewick
