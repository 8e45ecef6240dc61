// Start-up of the list module: three general-purpose lists that it sets up for its users.
// Nothing in the game uses them; they exist, empty, for the whole run.
#pragma once

#include "lists/record_list.h"

namespace stonewick {

struct StacksModule {
  RecordList filenames;  // 256-byte records
  RecordList folders;    // 256-byte records
  RecordList integers;   // 4-byte records

  StacksModule();
  ~StacksModule();
  StacksModule(const StacksModule&) = delete;
  StacksModule& operator=(const StacksModule&) = delete;
};

}  // namespace stonewick
