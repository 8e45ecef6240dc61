#include "ui/tile_pictures.h"

#include "ui/tiles/pictures.inc"
