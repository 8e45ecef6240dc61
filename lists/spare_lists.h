// The three spare lists the list module sets up at start-up for general use (file names,
// folders, whole numbers). Nothing in the game uses them; they exist, empty, for the whole run.
#pragma once

#include "lists/record_list.h"

namespace stonewick {

struct SpareLists {
  RecordList filenames;  // 256-byte records
  RecordList folders;    // 256-byte records
  RecordList integers;   // 4-byte records

  SpareLists();
  ~SpareLists();
  SpareLists(const SpareLists&) = delete;
  SpareLists& operator=(const SpareLists&) = delete;
};

}  // namespace stonewick
