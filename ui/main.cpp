// Starts the game: the application, the modules and windows in start-up order, then the event
// loop, which shows the main window and runs until it is closed.
#include <QApplication>

#include "ui/core.h"
#include "ui/first_paint.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
  // Whole-number scaling keeps the pixel-art tiles sharp on high-density screens.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication app(argc, argv);
  QApplication::setWindowIcon(TFCore::ProgramIcon());
  Program program;
  if (FirstPaintProbeRequested()) {
    QObject::connect(&program.FBoard.DrawGrid1, &BoardGrid::FirstPainted, &ReportFirstPaintAndQuit);
  }
  program.FBoard.show();
  return QApplication::exec();
}
