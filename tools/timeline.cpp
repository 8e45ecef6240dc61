// Reading a recording into timed blocks, and finding the state at any time in it.
#include "tools/timeline.h"

#include <algorithm>
#include <array>

namespace stonewick {
namespace {

// Hands the script on to the reader a piece at a time, keeping a copy of it all. A read error
// reaches the reader as it would without the copy.
class KeepingBuffer : public std::streambuf {
 public:
  KeepingBuffer(std::streambuf* source, std::string& kept) : source_(source), kept_(kept) {}

 protected:
  int_type underflow() override {
    const std::streamsize got =
        source_ == nullptr ? 0 : source_->sgetn(piece_.data(), std::ssize(piece_));
    if (got <= 0) {
      return traits_type::eof();
    }
    kept_.append(piece_.data(), static_cast<std::size_t>(got));
    setg(piece_.data(), piece_.data(), piece_.data() + got);
    return traits_type::to_int_type(piece_[0]);
  }

 private:
  std::streambuf* source_;
  std::string& kept_;
  std::array<char, 1 << 16> piece_{};
};

}  // namespace

// Keeps where each block begins and its times, as the whole script runs.
class TimelineKeeper final : public ScriptWatcher {
 public:
  explicit TimelineKeeper(std::vector<TimedBlock>& blocks) : blocks_(blocks) {}
  void BlockRan(const ScriptBlock& block, Block&& parsed, std::int64_t startedMs,
                const Replay& replay) override {
    if (parsed.empty()) {
      return;  // only comments
    }
    const Command& command = parsed.front().command;
    blocks_.push_back({block.offset, block.lines.front().number, startedMs, replay.host.nowMs,
                       IsEvent(command), std::holds_alternative<WaitMs>(command)});
  }

 private:
  std::vector<TimedBlock>& blocks_;
};

int Timeline::Read(std::istream& script, std::ostream& err) {
  text_.clear();
  blocks_.clear();
  KeepingBuffer keeping(script.rdbuf(), text_);
  std::istream kept(&keeping);
  std::ostream nowhere(nullptr);
  TimelineKeeper keeper(blocks_);
  return RunScript(kept, nowhere, err, false, &keeper);
}

PlayPosition Timeline::PositionAt(std::int64_t ms) const {
  ms = std::clamp<std::int64_t>(ms, 0, EndMs());
  // The first block that has not ended by then.
  const auto next = std::find_if(blocks_.begin(), blocks_.end(),
                                 [ms](const TimedBlock& block) { return block.endMs > ms; });
  if (next == blocks_.end()) {
    return {blocks_.size(), EndMs()};
  }
  return {static_cast<std::size_t>(next - blocks_.begin()), next->wait ? ms : next->startMs};
}

PlayPosition Timeline::LastEvent() const {
  for (std::size_t i = blocks_.size(); i-- > 0;) {
    if (blocks_[i].event) {
      return {i, blocks_[i].startMs};
    }
  }
  return {0, 0};
}

Timeline::Reader::TextBuffer::TextBuffer(const std::string& text, std::uint64_t from) {
  // Read only: the characters are never written through the buffer.
  char* begin = const_cast<char*>(text.data());
  setg(begin, begin + std::min<std::uint64_t>(from, text.size()), begin + text.size());
}

Timeline::Reader::Reader(const Timeline& timeline, std::size_t first)
    : left_(timeline.blocks_.size() - std::min(first, timeline.blocks_.size())),
      buffer_(timeline.text_, left_ > 0 ? timeline.blocks_[first].offset : timeline.text_.size()),
      stream_(&buffer_),
      reader_(stream_, left_ > 0 ? timeline.blocks_[first].line : 1,
              left_ > 0 ? timeline.blocks_[first].offset : 0) {}

bool Timeline::Reader::Next(ScriptBlock& block, Block& parsed) {
  ScriptError error;
  ScriptError stray;
  // The whole script has run once already: every kept block reads and parses.
  if (left_ == 0 || reader_.Read(block, error) != ScriptReader::Next::Block ||
      ParseBlock(block.lines, true, parsed, error, stray) != BlockParse::Block) {
    return false;
  }
  --left_;
  return true;
}

void Timeline::ReplayTo(PlayPosition position, Replay& replay) const {
  Reader reader(*this, 0);
  ScriptBlock block;
  Block parsed;
  for (std::size_t i = 0; i < position.block && reader.Next(block, parsed); ++i) {
    replay.RunParsedBlock(parsed);
  }
  // Inside a wait: the part of it that has passed.
  if (position.clockMs > replay.host.nowMs) {
    replay.Wait(position.clockMs - replay.host.nowMs);
  }
}

}  // namespace stonewick
