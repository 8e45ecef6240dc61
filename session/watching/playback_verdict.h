// What is known of a recording being watched against the game played back: the whole
// recording was checked as it was read, and the window's own game is compared again after
// each block; the first difference is told once the playback has reached or passed it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "recording_format/block.h"
#include "recording_format/script_reader.h"
#include "session/core/watch_status.h"
#include "session/watching/timeline.h"

namespace stonewick {

class PlaybackVerdict {
 public:
  explicit PlaybackVerdict(const Timeline& timeline) : timeline_(timeline) {}

  // Compares the state the window's game reached after `block` with what its lines say.
  // `state` gives that state, asked only when the block has something to compare.
  void Compare(const ScriptBlock& block, const Block& parsed,
               const std::function<std::string()>& state);
  // True the first time the playback, with `blocksRun` blocks run, has reached or passed the
  // first difference: the player is to be told.
  bool RevealAt(std::size_t blocksRun);
  // A difference has been reached with `blocksRun` blocks run.
  bool ReachedAt(std::size_t blocksRun) const;
  bool Told() const { return told_; }
  // The first difference is known, reached or not, as the track's mark shows it.
  bool Differs() const { return told_ || timeline_.Verdict().difference.has_value(); }
  // The line after which the game went its own way.
  std::uint64_t DifferenceAfterLine() const;

  // The verdict on the whole recording, reached or not.
  WatchVerdict OfRecording() const;
  // 1 when the recording, anywhere in it, differs from the game played back, or holds nothing
  // to compare; else 0.
  int ExitStatus() const;
  // What the playback bar says with `blocksRun` blocks run; `noDifferenceAsked`: the player
  // asked for the difference where there is none.
  WatchProgress Progress(std::size_t blocksRun, bool noDifferenceAsked) const;

 private:
  bool NothingToCompare() const;

  const Timeline& timeline_;
  bool told_ = false;
  // A difference the window's own game showed, where checking the recording found none.
  std::optional<ScriptError> ownDifference_;
  std::uint64_t ownDifferenceBlockLine_ = 0;
};

}  // namespace stonewick
