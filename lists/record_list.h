// The game's one container: a doubly linked list of fixed-size records that works as a
// queue ('Q', first in first out) or a stack ('S', last in first out), with a cursor.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace stonewick {

// One heap block per record: the two links, then the record's bytes.
struct ListNode {
  ListNode* newer;
  ListNode* older;
};

inline constexpr std::uint16_t kMaxRecords = 65535;
inline constexpr std::size_t kMaxNameLength = 20;

struct RecordList {
  ListNode* newest = nullptr;
  ListNode* oldest = nullptr;
  ListNode* cursor = nullptr;  // the node Next returned last; empty before a walk
  std::uint16_t elemSize = 0;
  std::uint16_t count = 0;
  char kind = 0;
  std::uint8_t nameLength = 0;
  char name[kMaxNameLength] = {};
};

void Create(RecordList& list, std::string_view name, std::uint16_t elemSize, char kind);
// Appends a copy of elemSize bytes; false when no node could be had or the list is full.
bool Add(RecordList& list, const void* record);
bool Next(RecordList& list, void* out);
void DeleteAtCursor(RecordList& list);
bool Take(RecordList& list, void* out);
// Takes every record of a queue or a stack, each copied into scratch on its way out,
// wherever a walk left the cursor.
void Clear(RecordList& list, void* scratch);

std::string Name(const RecordList& list);
const void* RecordOf(const ListNode* node);

// Read-only walk from the oldest record to the newest; leaves the cursor alone.
template <class Record, class Visit>
void ForEachOldestFirst(const RecordList& list, Visit visit) {
  for (const ListNode* node = list.oldest; node != nullptr; node = node->newer) {
    visit(*static_cast<const Record*>(RecordOf(node)));
  }
}

}  // namespace stonewick
