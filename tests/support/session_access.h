// The tests' way inside a session: its game to build positions on, and what it shows, to be
// damaged on purpose. Hosts never reach these; they change the game only by events.
#pragma once

#include <array>
#include <string>

#include "session/core/session.h"
#include "session/scripts/replay.h"

namespace stonewick {

struct SessionTestAccess {
  static Game& GameOf(SessionCore& session) { return session.GameForTests(); }
  static Game& GameOf(Session& session) { return GameOf(session.Core()); }
  // A read-out as the window shows it, changed behind the rules' back.
  static void SetShownReadout(SessionCore& session, Readout readout, ReadoutValue value) {
    SessionSnapshot state = session.Snapshot();
    state.readouts[static_cast<std::size_t>(readout)] = value;
    session.Restore(state);
  }
  static const SpareLists& Lists(const SessionCore& session) { return session.Lists(); }
  static SpareLists& Lists(SessionCore& session) { return session.ListsForTests(); }
};

namespace testing {

inline Game& GameOf(Session& session) {
  return SessionTestAccess::GameOf(session);
}
inline Game& GameOf(SessionCore& session) {
  return SessionTestAccess::GameOf(session);
}
inline Game& GameOf(Replay& replay) {
  return GameOf(replay.MutableSession());
}

}  // namespace testing
}  // namespace stonewick
