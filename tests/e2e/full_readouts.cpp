// Shows the game's window in the player's language with every read-out at its largest (Powers
// and at large 999, kills 9,999, the clock at 23:59:59), for scripts/screenshot.sh to
// photograph on a real display. Runs until the window is closed.
#include <QApplication>

#include "ui/program.h"
#include "ui/translations.h"

int main(int argc, char* argv[]) {
  using namespace stonewick;
  Translations translations(LanguagesFromEnvironment());
  QApplication app(argc, argv);
  translations.Install();
  Program program;
  // Showing the window lays out level 1, which writes the read-outs; these come after.
  program.mainWindow.show();
  program.frontEnd.ShowReadout(Readout::Powers, "Powers : 999");
  program.frontEnd.ShowReadout(Readout::Clock, "23:59:59");
  program.frontEnd.ShowReadout(Readout::Kills, "Kills : 9999");
  program.frontEnd.ShowReadout(Readout::AtLarge, "At large : 999");
  return QApplication::exec();
}
