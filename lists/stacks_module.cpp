// The list module's start-up and shut-down.
#include "lists/stacks_module.h"

#include <array>

namespace stonewick {

StacksModule::StacksModule() {
  Create(filenames, "filenames", 256, 'Q');
  Create(folders, "folders", 256, 'Q');
  Create(integers, "integers", 4, 'Q');
}

StacksModule::~StacksModule() {
  std::array<unsigned char, 256> scratch{};
  Clear(filenames, scratch.data());
  Clear(folders, scratch.data());
  Clear(integers, scratch.data());
}

}  // namespace stonewick
