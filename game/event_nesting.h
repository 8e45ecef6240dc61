// Events that run inside one another. A step of the rules lets waiting events in at its yield
// points: each time it lets pending window events run (a read-out changed, a frame of the smash
// animation) and each time it opens a box. An event that arrives then runs inside the step, at
// that yield point. The game counts its yield points here, where the rules make those calls, so
// that a recording names the very place an event ran and a replay runs it there again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace stonewick {

class EventNesting {
 public:
  // How many events run now, one inside the other.
  std::size_t Depth() const { return reached_.size(); }
  // The yield points the innermost running event has reached so far; 0 when none runs.
  std::uint64_t Reached() const { return reached_.empty() ? 0 : reached_.back(); }

  void Enter() { reached_.push_back(0); }
  void Leave() { reached_.pop_back(); }
  // The innermost running event reaches its next yield point.
  void Reach() {
    if (!reached_.empty()) {
      ++reached_.back();
    }
  }

 private:
  std::vector<std::uint64_t> reached_;  // outermost first
};

}  // namespace stonewick
