#include "ui/tile_pictures.h"

namespace stonewick {

#include "ui/tiles/pictures.inc"

}  // namespace stonewick
