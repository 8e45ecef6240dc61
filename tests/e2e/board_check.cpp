// Checks a screenshot of the running game: finds the board by its blue border ring and
// compares its cells with the tiles of the level-1 layout, as it opens or after the player
// has turned right with the arrow key; or with the tiles of the final state at the end of a
// recording; or tells where the board is on the screen.
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/game.h"
#include "session/scripts/replay.h"
#include "ui/tile_set.h"

using namespace stonewick;

namespace {

constexpr int kCell = 16;
constexpr int kBoard = 22 * kCell;
const QRgb kBlue = qRgb(0, 0, 0xFF);

bool BlueRun(const QImage& shot, int x, int y, int dx, int dy) {
  for (int i = 0; i < kBoard; ++i) {
    if (shot.pixel(x + i * dx, y + i * dy) != kBlue) {
      return false;
    }
  }
  return true;
}

// The top-left pixel of the board: where a 352-pixel blue square outline starts.
std::optional<QPoint> FindBoard(const QImage& shot) {
  for (int y = 0; y + kBoard <= shot.height(); ++y) {
    for (int x = 0; x + kBoard <= shot.width(); ++x) {
      if (shot.pixel(x, y) == kBlue && BlueRun(shot, x, y, 1, 0) && BlueRun(shot, x, y, 0, 1) &&
          BlueRun(shot, x + kBoard - 1, y, 0, 1) && BlueRun(shot, x, y + kBoard - 1, 1, 0)) {
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

// Pixel by pixel: a screenshot carries a colour space of its own that the tiles do not.
bool CellShows(const QImage& shot, QPoint board, int col, int row, const QImage& tile) {
  for (int y = 0; y < kCell; ++y) {
    for (int x = 0; x < kCell; ++x) {
      if (qRgb(qRed(tile.pixel(x, y)), qGreen(tile.pixel(x, y)), qBlue(tile.pixel(x, y))) !=
          shot.pixel(board.x() + col * kCell + x, board.y() + row * kCell + y)) {
        return false;
      }
    }
  }
  return true;
}

// The tile codes of the final state in a recording: the 22 rows after "#= tiles".
std::optional<std::vector<std::vector<int>>> RecordedTiles(const char* path) {
  std::ifstream recording(path);
  std::string line;
  while (std::getline(recording, line) && line != "#= tiles") {
  }
  std::vector<std::vector<int>> rows;
  while (rows.size() < 22 && std::getline(recording, line) && line.starts_with("#= ")) {
    std::istringstream codes(line.substr(3));
    rows.emplace_back();
    int code = 0;
    while (codes >> code) {
      rows.back().push_back(code);
    }
    if (rows.back().size() != 22) {
      return std::nullopt;
    }
  }
  if (rows.size() != 22) {
    return std::nullopt;
  }
  return rows;
}

// Every cell of the screenshot read back as a tile and compared with the recorded code.
int CompareWithRecording(const QImage& shot, QPoint board, const char* recording) {
  const auto rows = RecordedTiles(recording);
  if (!rows) {
    std::fprintf(stderr, "%s holds no final board\n", recording);
    return 1;
  }
  TileSet tiles;
  tiles.LoadTileSet();
  int wrong = 0;
  for (int row = 0; row < 22; ++row) {
    for (int col = 0; col < 22; ++col) {
      const int code = (*rows)[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
      if (code >= 0 && static_cast<std::size_t>(code) < tiles.imageList.size() &&
          CellShows(shot, board, col, row, tiles.imageList[static_cast<std::size_t>(code)])) {
        continue;
      }
      int shown = -1;
      for (std::size_t other = 0; other < tiles.imageList.size() && shown < 0; ++other) {
        if (CellShows(shot, board, col, row, tiles.imageList[other])) {
          shown = static_cast<int>(other);
        }
      }
      std::fprintf(stderr, "cell (%d, %d) shows tile %d, the recording ends with %d\n", col, row,
                   shown, code);
      ++wrong;
    }
  }
  std::printf("final: %d cells differ\n", wrong);
  return wrong == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool known =
      argc == 3 && (std::strcmp(argv[1], "start") == 0 || std::strcmp(argv[1], "turned") == 0 ||
                    std::strcmp(argv[1], "where") == 0);
  if (!known && !(argc == 4 && std::strcmp(argv[1], "final") == 0)) {
    std::fprintf(stderr,
                 "usage: %s start|turned|where SCREENSHOT.png\n"
                 "       %s final SCREENSHOT.png RECORDING\n",
                 argv[0], argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const bool turned = std::strcmp(argv[1], "turned") == 0;
  const QImage shot = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
  if (shot.isNull()) {
    std::fprintf(stderr, "cannot read %s\n", argv[2]);
    return 1;
  }
  const std::optional<QPoint> board = FindBoard(shot);
  if (!board) {
    std::fprintf(stderr, "no board with a blue border ring on the screen\n");
    return 1;
  }
  if (std::strcmp(argv[1], "where") == 0) {
    std::printf("%d %d\n", board->x(), board->y());
    return 0;
  }
  if (std::strcmp(argv[1], "final") == 0) {
    return CompareWithRecording(shot, *board, argv[3]);
  }
  std::printf("board at (%d, %d)\n", board->x(), board->y());

  // The expected board: the rules' own level-1 layout, with no window attached.
  TileSet core;
  core.LoadTileSet();
  std::ostream nowhere(nullptr);
  stonewick::Replay replay(nowhere);
  std::string error;
  if (turned) {
    replay.RunLine("key 39", error);
  }
  const stonewick::PlayState& game = replay.game();

  int wrong = 0;
  for (int col = 0; col < 22; ++col) {
    for (int row = 0; row < 22; ++row) {
      const bool ring = col == 0 || row == 0 || col == 21 || row == 21;
      const bool player = col == game.playerCol && row == game.playerRow;
      // Once play runs the baddies roam, so then only the ring and the player are fixed.
      if (turned && !ring && !player) {
        continue;
      }
      const std::int32_t code = game.board.tiles[col][row];
      if (!CellShows(shot, *board, col, row, core.imageList[static_cast<std::size_t>(code)])) {
        std::fprintf(stderr, "cell (%d, %d) does not show tile %d\n", col, row, code);
        ++wrong;
      }
    }
  }
  if (turned && game.board.tiles[game.playerCol][game.playerRow] != stonewick::PoweredRight) {
    std::fprintf(stderr, "the expected board has no player facing right\n");
    return 1;
  }
  std::printf("%s: %d cells differ\n", argv[1], wrong);
  return wrong == 0 ? 0 : 1;
}
