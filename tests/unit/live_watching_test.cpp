// Watching a game that is still being played: its recording arrives in parts while the
// playback waits at the end of what has come, and the verdict is told only once it has ended.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "recording_format/script_source.h"
#include "session/core/session.h"
#include "session/scripts/headless_front_end.h"
#include "session/watching/timeline.h"
#include "session/watching/watching.h"

using namespace stonewick;

namespace {

std::string MatchingRecording() {
  std::ifstream file(STONEWICK_SOURCE_DIR "/tests/replay/check_recording_matches.script");
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The text as the spectator gets it from the game's start: its first line, then parts of
// `lines` lines each. A part may end inside a block, before its nested lines or checkpoint.
std::vector<std::string> InParts(const std::string& text, int lines) {
  std::size_t from = text.find('\n') + 1;
  std::vector<std::string> parts = {text.substr(0, from)};
  while (from < text.size()) {
    std::size_t to = from;
    for (int i = 0; i < lines && to < text.size(); ++i) {
      to = text.find('\n', to) + 1;
    }
    parts.push_back(text.substr(from, to - from));
    from = to;
  }
  return parts;
}

// When each part arrives, in real milliseconds: the player's clock when its last line was
// played (the player started at 0), and `latencyMs` on the way.
std::vector<std::int64_t> Arrivals(const std::vector<std::string>& parts, std::int64_t latencyMs) {
  std::vector<std::int64_t> arrivals;
  std::string sofar;
  for (const std::string& part : parts) {
    sofar += part;
    TextLines lines(sofar);
    Timeline played;
    std::string said;
    EXPECT_EQ(played.Read(lines, said, "stonewick"), 0) << said;
    arrivals.push_back(played.EndMs() + latencyMs);
  }
  return arrivals;
}

// A spectator with no screen. Each part arrives at its time, then the game's end; once the
// verdict is told, the spectator leaves.
class Spectator final : public HeadlessFrontEnd {
 public:
  Spectator(std::vector<std::string> parts, std::vector<std::int64_t> arrivals)
      : HeadlessFrontEnd(nothing_), parts_(std::move(parts)), arrivals_(std::move(arrivals)) {
    nowMs = arrivals_.front();
    session.Start();
    WatchOptions options;
    options.name = "live 1";
    options.live = true;
    Timeline first;
    TextLines lines(parts_.front());
    std::string said;
    EXPECT_EQ(first.Read(lines, said, "stonewick"), 0) << said;
    playback = &Watch(session, std::move(first), options);
    next_ = 1;
  }

  std::int64_t SteadyMs() override { return nowMs; }
  void Idle(std::int64_t ms) override {
    if (ms >= 0) {
      nowMs += ms;
    } else if (next_ < parts_.size()) {
      nowMs = std::max(nowMs, arrivals_[next_]);
    } else if (!completed) {
      completed = true;
      playback->Complete();
    } else {
      session.Deliver(MenuChoice{MenuCommand::Exit});
    }
    while (next_ < parts_.size() && arrivals_[next_] <= nowMs) {
      std::string said;
      EXPECT_TRUE(playback->Append(parts_[next_++], said, "stonewick")) << said;
    }
  }
  void ShowWatching(const WatchStatus& status) override {
    // How far behind the player the playback is each time it reaches what has arrived.
    if (status.live && status.positionMs == status.lengthMs && status.lengthMs != edgeMs_) {
      edgeMs_ = status.lengthMs;
      behindAtTheEdgeMs.push_back(nowMs - status.positionMs);
    }
    finishedWhileLive |= status.live && status.finished;
  }
  bool TellVerdict(const WatchVerdict& verdict, bool) override {
    verdicts.push_back(verdict);
    blocksAtVerdict = playback->Recording().Blocks().size();
    toldBeforeTheEnd |= !completed;
    return false;
  }

  std::int64_t nowMs = 0;
  bool completed = false;
  bool finishedWhileLive = false;
  bool toldBeforeTheEnd = false;
  std::vector<std::int64_t> behindAtTheEdgeMs;
  std::vector<WatchVerdict> verdicts;
  std::size_t blocksAtVerdict = 0;

 private:
  NoText nothing_;
  std::vector<std::string> parts_;
  std::vector<std::int64_t> arrivals_;
  std::size_t next_ = 0;
  std::int64_t edgeMs_ = -1;

 public:
  Session session{*this};
  Watching* playback = nullptr;
};

}  // namespace

TEST(LiveWatching,
     PartsThatArriveAsItIsPlayedPlayASteadyDistanceBehindThePlayerAndTheVerdictWaitsForTheEnd) {
  const std::string text = MatchingRecording();
  Spectator whole({text}, {0});
  whole.session.RunWatching();
  ASSERT_EQ(whole.verdicts.size(), 1U);
  ASSERT_EQ(whole.verdicts[0].kind, WatchVerdict::Kind::AsRecorded);

  // Parts of 1, 2, 7 and 40 lines: blocks cut from their nested lines and checkpoints too.
  constexpr std::int64_t kLatencyMs = 300;
  for (const int lines : {1, 2, 7, 40}) {
    const std::vector<std::string> parts = InParts(text, lines);
    Spectator live(parts, Arrivals(parts, kLatencyMs));
    live.session.RunWatching();
    ASSERT_EQ(live.verdicts.size(), 1U) << lines;
    const WatchVerdict& verdict = live.verdicts[0];
    EXPECT_EQ(verdict.kind, WatchVerdict::Kind::AsRecorded) << lines;
    EXPECT_EQ(verdict.checkpoints, whole.verdicts[0].checkpoints) << lines;
    EXPECT_EQ(verdict.states, whole.verdicts[0].states) << lines;
    EXPECT_EQ(live.session.WatchExitStatus(), 0) << lines;
    EXPECT_FALSE(live.toldBeforeTheEnd) << lines;
    EXPECT_FALSE(live.finishedWhileLive) << lines;
    // At 1x the spectator first catches up with what has arrived, then keeps a second further
    // behind, so that each part plays at its own pace: the same distance every time.
    ASSERT_GE(live.behindAtTheEdgeMs.size(), 2U) << lines;
    EXPECT_EQ(live.behindAtTheEdgeMs[0], kLatencyMs) << lines;
    for (std::size_t i = 1; i < live.behindAtTheEdgeMs.size(); ++i) {
      EXPECT_EQ(live.behindAtTheEdgeMs[i], kLatencyMs + 1'000) << lines;
    }
  }
}

TEST(LiveWatching, ABadPartIsRefusedWithItsLineAndTheRecordingStaysAsItWas) {
  const std::vector<std::string> parts = InParts(MatchingRecording(), 100);
  Spectator live({parts[0] + parts[1]}, {0});
  std::string said;
  EXPECT_FALSE(live.playback->Append("key 39\nbounce 3\n", said, "stonewick: live 1"));
  EXPECT_EQ(said, "stonewick: live 1: line 103: unknown command 'bounce'\n");
  said.clear();
  EXPECT_TRUE(live.playback->Append(parts[2], said, "stonewick")) << said;
  live.session.RunWatching();

  const std::string both = parts[0] + parts[1] + parts[2];
  TextLines lines(both);
  Timeline whole;
  ASSERT_EQ(whole.Read(lines, said, "stonewick"), 0) << said;
  ASSERT_EQ(live.verdicts.size(), 1U);
  EXPECT_EQ(live.verdicts[0].kind, WatchVerdict::Kind::AsRecorded);
  EXPECT_EQ(live.verdicts[0].checkpoints, whole.Verdict().checkpoints);
  EXPECT_EQ(live.blocksAtVerdict, whole.Blocks().size());
}
