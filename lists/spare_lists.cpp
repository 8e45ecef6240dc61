// The list module's start-up and shut-down.
#include "lists/spare_lists.h"

#include <array>

namespace stonewick {

SpareLists::SpareLists() {
  Create(filenames, "filenames", 256, 'Q');
  Create(folders, "folders", 256, 'Q');
  Create(integers, "integers", 4, 'Q');
}

SpareLists::~SpareLists() {
  std::array<unsigned char, 256> scratch{};
  Clear(filenames, scratch.data());
  Clear(folders, scratch.data());
  Clear(integers, scratch.data());
}

}  // namespace stonewick
