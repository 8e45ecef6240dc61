#!/usr/bin/env python3
"""Draw Stonewick's board tiles and program icon as XPM files.

Tile N is the 16 by 16 picture of cell code N, every pixel opaque; the
quarters of each nest and hatch stage are cut from one 32 by 32 block.

Run from anywhere:  python3 scripts/make_tiles.py
Writes ui/tiles/tile00.xpm ... tile38.xpm, ui/tiles/icon32.xpm and
ui/tiles/pictures.inc (compiles them into the program).  The committed files are
exactly this script's output.
"""

from pathlib import Path

OUT_DIR = Path(__file__).resolve().parent.parent / "ui" / "tiles"

# The colours of the tile set, each with the character that stands for it in
# the XPM files and in the little drawings below.
BLACK = "."
BLUE = "B"        # the border
PLAYER_BLUE = "b"
YELLOW = "y"
RED = "r"
DARK_RED = "d"
MAGENTA = "m"
GREEN = "g"
CYAN = "c"
WHITE = "w"
PINK = "p"

RGB = {
    BLACK: "#000000",
    BLUE: "#0000FF",
    PLAYER_BLUE: "#0080FF",
    YELLOW: "#FFFF00",
    RED: "#FF0000",
    DARK_RED: "#800000",
    MAGENTA: "#FF00FF",
    GREEN: "#00FF40",
    CYAN: "#00FFFF",
    WHITE: "#FFFFFF",
    PINK: "#FF8080",
}

TILE = 16   # a tile is 16 by 16 pixels
BLOCK = 32  # a nest or hatch stage is a 2 by 2 block of tiles


class Picture:
    """A rectangle of pixels, each one of the colour characters above."""

    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def get(self, x, y):
        return self.pixels[y][x]

    def set(self, x, y, colour):
        self.pixels[y][x] = colour

    def paint(self, shape, colour):
        """Paints every pixel for which shape(x, y) is true."""
        for y in range(self.height):
            for x in range(self.width):
                if shape(x, y):
                    self.set(x, y, colour)

    def overlay(self, drawing):
        """Paints a drawing given as text rows; '-' leaves a pixel as it is."""
        for y, row in enumerate(drawing):
            for x, colour in enumerate(row):
                if colour != "-":
                    self.set(x, y, colour)

    def paste(self, picture, left, top):
        for y in range(picture.height):
            for x in range(picture.width):
                self.set(left + x, top + y, picture.get(x, y))

    def crop(self, left, top, width, height):
        part = Picture(width, height, BLACK)
        for y in range(height):
            for x in range(width):
                part.set(x, y, self.get(left + x, top + y))
        return part

    def mirrored_left_right(self):
        result = Picture(self.width, self.height, BLACK)
        for y in range(self.height):
            for x in range(self.width):
                result.set(self.width - 1 - x, y, self.get(x, y))
        return result

    def mirrored_top_bottom(self):
        result = Picture(self.width, self.height, BLACK)
        for y in range(self.height):
            for x in range(self.width):
                result.set(x, self.height - 1 - y, self.get(x, y))
        return result

    def turned_on_diagonal(self):
        """Swaps columns and rows (a picture pointing up then points left)."""
        result = Picture(self.height, self.width, BLACK)
        for y in range(self.height):
            for x in range(self.width):
                result.set(y, x, self.get(x, y))
        return result

    def recoloured(self, old, new):
        result = Picture(self.width, self.height, BLACK)
        for y in range(self.height):
            for x in range(self.width):
                colour = self.get(x, y)
                result.set(x, y, new if colour == old else colour)
        return result


def solid(colour):
    return Picture(TILE, TILE, colour)


# --- The player: a stepped triangle --------------------------------------

def player_up(colour):
    """Triangle pointing up, centred on column 7: a 1-pixel spike at the tip
    (row 2), then widening by one pixel on each side every second row to 11
    pixels at the base (row 13): 12 rows in all."""
    picture = solid(BLACK)
    for step in range(12):
        half_width = step // 2          # widths 1, 1, 3, 3, ..., 11, 11
        row = 2 + step
        for column in range(7 - half_width, 7 + half_width + 1):
            picture.set(column, row, colour)
    return picture


def player_tiles(colour):
    """The player facing up, down, left and right (codes 1-4 or 34-37)."""
    up = player_up(colour)
    left = up.turned_on_diagonal()      # 11 rows tall, a 2-pixel spike at the left
    return [up, up.mirrored_top_bottom(), left, left.mirrored_left_right()]


# --- Round things: faces and glowing balls --------------------------------

CENTRE = 7.5  # the centre of a tile lies between pixels 7 and 8


def within(radius):
    """Pixels whose centre lies within `radius` of the tile's centre."""
    return lambda x, y: (x - CENTRE) ** 2 + (y - CENTRE) ** 2 <= radius ** 2


FACE_RADIUS = 7.35  # a round face 14 pixels across (pixels 1 to 14)

BAD_FEATURES = [  # black on the yellow face; '-' keeps the face colour
    "----------------",
    "----------------",
    "----------------",
    "----------------",
    "---.--------.---",
    "---...----...---",
    "----...--...----",
    "-----..--..-----",
    "----------------",
    "------....------",
    "-----.----.-----",
    "----.------.----",
    "----------------",
    "----------------",
    "----------------",
    "----------------",
]

VERY_BAD_FEATURES = [  # blue brows, pupils and mouth, yellow eye patches and teeth
    "----------------",
    "----------------",
    "----------------",
    "---BB------BB---",
    "---yBBB--BBBy---",
    "---yyyy--yyyy---",
    "---yyBy--yByy---",
    "----yy----yy----",
    "----------------",
    "-----BBBBBB-----",
    "----ByyyyyyB----",
    "---BByyyyyyBB---",
    "---B-BBBBBB-B---",
    "----------------",
    "----------------",
    "----------------",
]


def face(face_colour, features, backdrop):
    picture = solid(backdrop)
    picture.paint(within(FACE_RADIUS), face_colour)
    picture.overlay(features)
    return picture


def glowing_ball(core_radius):
    """Remains cooling down: a ball 14 pixels across with a white core, a
    1-pixel pink ring, a red body and a dark red outer rim."""
    picture = solid(BLACK)
    picture.paint(within(FACE_RADIUS), DARK_RED)
    picture.paint(within(FACE_RADIUS - 1), RED)
    picture.paint(within(core_radius + 1), PINK)
    picture.paint(within(core_radius), WHITE)
    return picture


def egg():
    """Fresh remains: a cyan diamond 12 pixels across (pixels 2 to 13) with a
    red rim, on black."""
    picture = solid(BLACK)

    def diamond(size):
        return lambda x, y: abs(x - CENTRE) + abs(y - CENTRE) <= size

    picture.paint(diamond(6), RED)
    picture.paint(diamond(5), CYAN)
    return picture


# --- Floor and bricks ------------------------------------------------------

def soft_brick():
    """Yellow with a black seam along the right-hand column and bottom row."""
    picture = solid(YELLOW)
    picture.paint(lambda x, y: x == TILE - 1 or y == TILE - 1, BLACK)
    return picture


DIRT_SPECKS = [  # 23 yellow specks of one or two pixels, none touching
    "................",  # (not even across the edges of neighbouring tiles)
    ".y......y.......",
    "....y........y..",
    "....y...yy......",
    "..............y.",
    ".yy....y........",
    "...........y....",
    ".....y.....y..y.",
    "........y.......",
    ".y.y............",
    "...........yy...",
    "......y.........",
    "..y.........y...",
    "..y...yy........",
    "...............y",
    ".....y....y.y...",
]


def dirt():
    picture = solid(BLACK)
    picture.overlay(DIRT_SPECKS)
    return picture


# --- Nests and hatch stages: 32 by 32 blocks cut into four quarters ---------

def bevelled_square(first, last, bevel):
    """The square of block pixels first..last (in both directions) with each
    corner cut off diagonally: a pixel is inside when its distances from the
    nearest column edge and the nearest row edge add up to at least `bevel`."""
    def inside(x, y):
        from_side = min(x - first, last - x)
        from_top_or_bottom = min(y - first, last - y)
        return (from_side >= 0 and from_top_or_bottom >= 0
                and from_side + from_top_or_bottom >= bevel)
    return inside


def square_outline(first, last, bevel):
    """A bevelled square outline 2 pixels wide, its outer edge at first..last.
    The inner edge is bevelled one step less so that the cut corners are as
    thick as the sides."""
    outer = bevelled_square(first, last, bevel)
    inner = bevelled_square(first + 2, last - 2, bevel - 1)
    return lambda x, y: outer(x, y) and not inner(x, y)


def opening(picture, first, last, bevel):
    """A hatching opening centred in the block: a yellow rim 2 pixels wide
    around a magenta core."""
    picture.paint(bevelled_square(first, last, bevel), YELLOW)
    picture.paint(bevelled_square(first + 2, last - 2, bevel - 1), MAGENTA)


# Where the pieces of a nest block lie (block pixels 0 to 31, centre between 15 and 16).
NEST_OUTLINE = (5, 26)
HATCH_OUTLINE = (3, 28)
OUTLINE_BEVEL = 4


def opening_across(width):
    """First and last block pixel of an opening `width` pixels across."""
    return BLOCK // 2 - width // 2, BLOCK // 2 + width // 2 - 1


def nest_block():
    block = Picture(BLOCK, BLOCK, RED)
    block.paint(square_outline(*NEST_OUTLINE, OUTLINE_BEVEL), BLACK)
    return block


def hatch_block(opening_width, opening_bevel):
    """Hatch stages 0 to 2: dark red outline and an opening at the centre."""
    block = Picture(BLOCK, BLOCK, RED)
    block.paint(square_outline(*HATCH_OUTLINE, OUTLINE_BEVEL), DARK_RED)
    opening(block, *opening_across(opening_width), opening_bevel)
    return block


def last_hatch_block():
    """Hatch stage 3: the opening fills the outline, its rim where the dark
    red outline was; a 3-pixel red margin is left."""
    block = Picture(BLOCK, BLOCK, RED)
    opening(block, *HATCH_OUTLINE, OUTLINE_BEVEL)
    return block


def quarters(block):
    """The four tiles of a block in cell-code order: NW, NE, SE, SW."""
    return [block.crop(0, 0, TILE, TILE), block.crop(TILE, 0, TILE, TILE),
            block.crop(TILE, TILE, TILE, TILE), block.crop(0, TILE, TILE, TILE)]


# --- The whole set ---------------------------------------------------------

def tile_set():
    """The 39 tiles, index = cell code."""
    tiles = [None] * 39
    tiles[0] = solid(BLACK)                                # Blank
    tiles[1:5] = player_tiles(PLAYER_BLUE)                 # PlayerUp, Down, Left, Right
    tiles[5] = soft_brick()                                # SoftBrick
    tiles[6] = solid(RED)                                  # HardBrick
    tiles[7] = face(YELLOW, BAD_FEATURES, BLACK)           # Bad
    tiles[8] = face(GREEN, VERY_BAD_FEATURES, BLACK)       # VeryBad
    tiles[9:13] = quarters(nest_block())                   # Nest NW, NE, SE, SW
    tiles[13] = egg()                                      # Remains
    tiles[14] = dirt()                                     # Dirt
    tiles[15:19] = quarters(hatch_block(10, 2))            # Hatch1
    tiles[19:23] = quarters(hatch_block(18, 3))            # Hatch2
    tiles[23:27] = quarters(last_hatch_block())            # Hatch3
    tiles[27] = solid(BLUE)                                # Border
    tiles[28:32] = quarters(hatch_block(6, 1))             # Hatch0
    tiles[32] = glowing_ball(4)                            # RemainsCooling: white core 8 across
    tiles[33] = glowing_ball(2)                            # RemainsCold: white core 4 across
    tiles[34:38] = player_tiles(WHITE)                     # PoweredUp, Down, Left, Right
    tiles[38] = face(GREEN, VERY_BAD_FEATURES, RED)        # BaddieOnTop
    return tiles


def icon(tiles):
    """The program icon: the player facing a yellow brick, with a red wall
    and a bad baddie above."""
    picture = Picture(BLOCK, BLOCK, BLACK)
    picture.paste(tiles[6], 0, 0)
    picture.paste(tiles[7], TILE, 0)
    picture.paste(tiles[4], 0, TILE)
    picture.paste(tiles[5], TILE, TILE)
    return picture


# --- Output ----------------------------------------------------------------

def xpm_text(name, picture):
    used = [c for c in RGB if any(c in row for row in picture.pixels)]
    lines = ["/* XPM */", f"static const char *const {name}[] = {{",
             f"\"{picture.width} {picture.height} {len(used)} 1\","]
    lines += [f"\"{c} c {RGB[c]}\"," for c in used]
    rows = ["\"" + "".join(row) + "\"" for row in picture.pixels]
    lines += [row + "," for row in rows[:-1]] + [rows[-1]]
    lines.append("};")
    return "\n".join(lines) + "\n"


def pictures_text(names):
    """C++ that compiles every picture in: the XPM files are C source themselves."""
    lines = ["// Made by scripts/make_tiles.py: the tile pictures, indexed by cell code, and",
             "// the program icon, compiled into the program.",
             ""]
    lines += [f'#include "ui/tiles/{name}.xpm"' for name in names + ["icon32"]]
    lines += ["",
              "const std::array<const char* const*, kTileCount> kTilePictures = {"]
    lines += [f"    {name}_xpm," for name in names]
    lines += ["};",
              "const char* const* const kProgramIconPicture = icon32_xpm;"]
    return "\n".join(lines) + "\n"


def main():
    OUT_DIR.mkdir(parents=True, exist_ok=True)
    tiles = tile_set()
    names = []
    for code, picture in enumerate(tiles):
        name = f"tile{code:02d}"
        (OUT_DIR / f"{name}.xpm").write_text(xpm_text(f"{name}_xpm", picture))
        names.append(name)
    (OUT_DIR / "icon32.xpm").write_text(xpm_text("icon32_xpm", icon(tiles)))
    (OUT_DIR / "pictures.inc").write_text(pictures_text(names))


if __name__ == "__main__":
    main()
