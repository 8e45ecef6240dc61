// Starts the game: the application, the modules and windows in start-up order, then the event
// loop, which shows the main window and runs until it is closed.
#include <QApplication>

#include "ui/first_paint.h"
#include "ui/program.h"
#include "ui/tile_set.h"

int main(int argc, char* argv[]) {
  using namespace stonewick;
  // Whole-number scaling keeps the pixel-art tiles sharp on high-density screens.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  QApplication::setWindowIcon(TileSet::ProgramIcon());
  Program program;
  if (FirstPaintProbeRequested()) {
    QObject::connect(&program.mainWindow.View(), &BoardView::FirstPainted,
                     &ReportFirstPaintAndQuit);
  }
  program.mainWindow.show();
  return QApplication::exec();
}
