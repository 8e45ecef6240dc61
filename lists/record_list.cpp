// Record list operations. Each record costs exactly one heap block, allocated by Add and
// freed by DeleteAtCursor, so the queues' memory follows the work they hold.
#include "lists/record_list.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace stonewick {
namespace {

unsigned char* Payload(ListNode* node) {
  return reinterpret_cast<unsigned char*>(node + 1);
}

// The block is sized in full width: the links plus a record near the 16-bit size limit
// do not fit in 16 bits, and the block must hold every byte copied into it.
std::size_t BlockSize(const RecordList& list) {
  return sizeof(ListNode) + list.elemSize;
}

ListNode* Candidate(const RecordList& list) {
  switch (list.kind) {
    case 'Q':
      return list.cursor != nullptr ? list.cursor->newer : list.oldest;
    case 'S':
      return list.cursor != nullptr ? list.cursor->older : list.newest;
    default:
      return nullptr;
  }
}

}  // namespace

const void* RecordOf(const ListNode* node) {
  return node + 1;
}

void Create(RecordList& list, std::string_view name, std::uint16_t elemSize, char kind) {
  list.newest = nullptr;
  list.oldest = nullptr;
  list.cursor = nullptr;
  list.count = 0;
  list.elemSize = elemSize;
  list.kind = kind;
  const std::size_t length = std::min(name.size(), kMaxNameLength);
  list.nameLength = static_cast<std::uint8_t>(length);
  std::memset(list.name, 0, sizeof list.name);
  std::memcpy(list.name, name.data(), length);
}

std::string Name(const RecordList& list) {
  return std::string(list.name, list.nameLength);
}

bool Add(RecordList& list, const void* record) {
  if (list.count == kMaxRecords) {
    return false;
  }
  auto* node = static_cast<ListNode*>(::operator new(BlockSize(list), std::nothrow));
  if (node == nullptr) {
    return false;
  }
  std::memcpy(Payload(node), record, list.elemSize);
  node->newer = nullptr;
  node->older = nullptr;
  list.count += 1;
  if (list.count == 1) {
    list.newest = node;
    list.oldest = node;
  } else {
    node->older = list.newest;
    list.newest->newer = node;
    list.newest = node;
  }
  return true;
}

bool Next(RecordList& list, void* out) {
  ListNode* candidate = Candidate(list);
  if (candidate == nullptr) {
    return false;
  }
  std::memcpy(out, Payload(candidate), list.elemSize);
  list.cursor = candidate;
  return true;
}

void DeleteAtCursor(RecordList& list) {
  ListNode* node = list.cursor;
  if (node == nullptr) {
    return;
  }
  list.cursor = nullptr;
  if (node->newer != nullptr) {
    node->newer->older = node->older;
  } else {
    list.newest = node->older;
  }
  if (node->older != nullptr) {
    node->older->newer = node->newer;
  } else {
    list.oldest = node->newer;
  }
  ::operator delete(node);
  list.count -= 1;
}

bool Take(RecordList& list, void* out) {
  if (!Next(list, out)) {
    return false;
  }
  DeleteAtCursor(list);
  return true;
}

void Clear(RecordList& list, void* scratch) {
  // Take goes on from the cursor; a walk left on the last node would make the first Take
  // find nothing, so the emptying starts from the end the list gives back first.
  list.cursor = nullptr;
  while (Take(list, scratch)) {
  }
}

}  // namespace stonewick
