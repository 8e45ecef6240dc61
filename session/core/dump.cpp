// The dump of the whole state, line by line in a fixed order, numbers in decimal. It is made
// after every block of a recording, so it is written straight into one string.
#include "session/core/dump.h"

#include <charconv>
#include <string_view>

namespace stonewick {
namespace {

class DumpWriter {
 public:
  explicit DumpWriter(std::string& text) : text_(text) {}

  DumpWriter& operator<<(std::string_view words) {
    text_.append(words);
    return *this;
  }
  DumpWriter& operator<<(char ch) {
    text_.push_back(ch);
    return *this;
  }
  DumpWriter& operator<<(std::int64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text_.append(digits, end);
    return *this;
  }

  void Layer(const Board::Layer& layer) {
    for (int row = 0; row < kBoardSize; ++row) {
      for (int col = 0; col < kBoardSize; ++col) {
        if (col != 0) {
          *this << ' ';
        }
        *this << std::int64_t{layer[col][row]};
      }
      *this << '\n';
    }
  }

  void Cells(std::string_view name, const Queue<QueuedCell>& queue) {
    *this << name << ' ' << std::int64_t{queue.count()} << ':';
    std::string_view separator = " ";
    queue.ForEachOldestFirst([&](const QueuedCell& pos) {
      *this << separator << std::int64_t{pos.col} << ' ' << std::int64_t{pos.row} << ' '
            << std::int64_t{pos.tick};
      separator = ", ";
    });
    *this << '\n';
  }

  void Baddies(std::string_view name, const Queue<Baddie>& queue) {
    *this << name << ' ' << std::int64_t{queue.count()} << ':';
    std::string_view separator = " ";
    queue.ForEachOldestFirst([&](const Baddie& b) {
      *this << separator << std::int64_t{b.col} << ' ' << std::int64_t{b.row} << ' '
            << std::int64_t{b.dx} << ' ' << std::int64_t{b.dy} << ' ' << static_cast<char>(b.kind)
            << ' ' << std::int64_t{b.steps} << ' ' << std::int64_t{b.under} << ' '
            << std::int64_t{b.trailId};
      separator = ", ";
    });
    *this << '\n';
  }

 private:
  std::string& text_;
};

}  // namespace

std::string DumpText(const PlayState& game, const WindowItems& window) {
  std::string text;
  text.reserve(4096);
  DumpWriter out(text);
  out << "state " << std::int64_t{static_cast<int>(game.state)} << " running "
      << std::int64_t{game.running} << " level " << std::int64_t{game.level} << " powers "
      << std::int64_t{game.powers} << " kills " << std::int64_t{game.kills} << " slowticks "
      << std::int64_t{game.slowTicks} << '\n';
  out << "player " << std::int64_t{game.playerCol} << ' ' << std::int64_t{game.playerRow}
      << " trail " << std::int64_t{game.trailTile} << " seed "
      << std::int64_t{game.random.randomSeed} << " smashing " << std::int64_t{game.smashing}
      << " nexttrail " << std::int64_t{game.nextTrailId} << " scan " << std::int64_t{game.scanCol}
      << ' ' << std::int64_t{game.scanRow} << '\n';
  out << "timers " << std::int64_t{window.timersOn} << " interval3 "
      << std::int64_t{window.badStepInterval} << " pause " << window.pauseCaption << '\n';
  // The dump numbers the read-outs from 1, as the window's labels were first numbered.
  for (std::size_t i = 0; i < window.labels.size(); ++i) {
    out << "label" << static_cast<std::int64_t>(i + 1) << ' ' << window.labels[i] << '\n';
  }
  out << "tiles\n";
  out.Layer(game.board.tiles);
  out << "marks\n";
  out.Layer(game.board.marks);
  out.Cells("harden", game.hardenQueue);
  out.Cells("smash", game.smashQueue);
  out.Cells("hatch", game.hatchQueue);
  out.Baddies("bad", game.badQueue);
  out.Baddies("verybad", game.veryBadQueue);
  out << "end\n";
  return text;
}

void WriteDump(std::ostream& out, const PlayState& game, const WindowItems& window) {
  out << DumpText(game, window);
}

}  // namespace stonewick
