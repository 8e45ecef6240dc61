// A first-in-first-out queue of one record type over a RecordList: records go in and come
// out as values, with no buffers or untyped pointers at the call site. Each record still
// costs one heap block, allocated by Add and freed by Take.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

#include "lists/record_list.h"

namespace stonewick {

template <class Record>
class Queue {
  static_assert(std::is_trivially_copyable_v<Record>, "the list copies records byte for byte");
  static_assert(sizeof(Record) <= std::numeric_limits<std::uint16_t>::max(),
                "the list counts a record's size in 16 bits");

 public:
  Queue() { Create(list_, "", sizeof(Record), 'Q'); }
  ~Queue() { Clear(); }
  // A copy holds copies of the same records in the same order.
  Queue(const Queue& other) : Queue() { AddAllOf(other); }
  Queue& operator=(const Queue& other) {
    if (this != &other) {
      Clear();
      AddAllOf(other);
    }
    return *this;
  }

  // Appends a copy at the back; false when the queue is full or no memory was left.
  bool Add(const Record& record) { return stonewick::Add(list_, &record); }

  // The record at the front, removed; nothing when the queue is empty.
  std::optional<Record> Take() {
    Record record{};
    if (!stonewick::Take(list_, &record)) {
      return std::nullopt;
    }
    return record;
  }

  void Clear() {
    Record scratch{};
    stonewick::Clear(list_, &scratch);
  }

  std::uint16_t count() const { return list_.count; }

  // Reads every record in place, oldest first.
  template <class Visit>
  void ForEachOldestFirst(Visit visit) const {
    stonewick::ForEachOldestFirst<Record>(list_, visit);
  }

  // The links underneath, for the state checks that walk them both ways and the tests that
  // damage them on purpose to see the damage found. The game itself never needs them.
  const RecordList& Links() const { return list_; }
  RecordList& Links() { return list_; }

 private:
  void AddAllOf(const Queue& other) {
    other.ForEachOldestFirst([this](const Record& record) { Add(record); });
  }

  RecordList list_;
};

}  // namespace stonewick
