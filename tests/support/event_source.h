// Turns a stream of bytes into replay script lines: keys, clicks, menu commands, answers,
// glide, seeds, timer events and bounded waits. The fuzzer feeds it its input; the soak
// feeds it a pseudo-random generator, so both play the same kind of game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

#include "game/game.h"

namespace stonewick::testing {

// Bytes from a fuzz input; zeros once it is used up.
class InputBytes {
 public:
  InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  bool Empty() const { return at_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Bytes from a seeded generator, never used up.
class RandomBytes {
 public:
  explicit RandomBytes(std::uint32_t seed) : engine_(seed) {}
  std::uint8_t Byte() { return static_cast<std::uint8_t>(engine_() >> 24); }
  bool Empty() const { return false; }

 private:
  std::minstd_rand engine_;
};

template <class Bytes>
std::uint32_t Word16(Bytes& in) {
  const std::uint32_t high = in.Byte();
  return high << 8 | in.Byte();
}

// A cell near the player (or near the middle when there is none), now and then anywhere.
template <class Bytes>
std::string ClickLine(Bytes& in, const PlayState& game) {
  const std::uint8_t how = in.Byte();
  const int col = game.playerCol != 0 ? game.playerCol : 10;
  const int row = game.playerRow != 0 ? game.playerRow : 10;
  if (how < 192) {
    return "click " + std::to_string(col + how % 3 - 1) + ' ' +
           std::to_string(row + how / 3 % 3 - 1);
  }
  return "click " + std::to_string(static_cast<int>(in.Byte() % 28) - 3) + ' ' +
         std::to_string(static_cast<int>(in.Byte() % 28) - 3);
}

// One script line. Rare and drastic commands (Skip, Auto, Exit, the answer No) sit behind a
// second byte, so a run plays each level for a while before it moves on or ends.
template <class Bytes>
std::string NextEvent(Bytes& in, const PlayState& game) {
  const std::uint8_t what = in.Byte() % 64;
  if (what < 20) {
    return "key " + std::to_string(kKeyLeft + what % 4);
  }
  if (what < 25) {
    return "key 32";
  }
  if (what < 28) {
    return "key 66";
  }
  if (what < 30) {
    return ClickLine(in, game);
  }
  if (what < 39) {
    return "wait " + std::to_string(in.Byte() * 4);  // up to about a second
  }
  switch (what) {
    case 30:
      return "key " + std::to_string(Word16(in));
    case 31:
    case 32:
      return "tick";
    case 33:
      return "slow";
    case 34:
    case 35:
      return "bad";
    case 39:
      return "wait " + std::to_string(Word16(in));  // up to about a minute
    case 40:
    case 41:
      return "answer Y";
    case 42:
      return "answer C";
    case 43:
      return "answer none";
    case 44:
      return in.Byte() < 32 ? "answer N" : "answer Y";
    case 45:
      return "glide " + std::to_string(in.Byte() & 1);
    case 46: {
      const std::uint32_t high = Word16(in);
      return "seed " + std::to_string(high << 16 | Word16(in));
    }
    case 47:
      return "menu start";
    case 48:
      return "menu pause";
    case 49:
      return "wait " + std::to_string(in.Byte() * 16);  // up to about four seconds
    case 50:
      return in.Byte() < 16 ? "menu skip" : "tick";
    case 51:
      return in.Byte() < 16 ? "menu auto" : "slow";
    case 52:
      return in.Byte() < 64 ? "menu cheat" : "bad";
    case 53:
      return "menu instructions";
    case 54:
      return "close instructions";
    case 55:
      return "menu randomise";
    case 56:
      return "menu about";
    case 57:
      return in.Byte() < 8 ? "dump" : "key 38";
    case 58:
      return in.Byte() < 2 ? "menu exit" : "key 40";
    default:
      return "key " + std::to_string(kKeyLeft + what % 4);
  }
}

}  // namespace stonewick::testing
