// Loading the hall client module, and the folder of the games recorded for the hall.
#include "ui/hall_client.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>

namespace stonewick {

const HallModule* LoadHallModule(QString& error) {
  const QString programFolder = QCoreApplication::applicationDirPath();
  // Beside the program in the build folder; from the installed program's folder (bin or
  // games) to the library folder under the same prefix.
  const QString places[] = {programFolder + "/" STONEWICK_HALL_MODULE_FILE,
                            QDir::cleanPath(programFolder + "/" STONEWICK_HALL_MODULE_FROM_PROGRAM
                                                            "/" STONEWICK_HALL_MODULE_FILE)};
  for (const QString& path : places) {
    if (!QFileInfo::exists(path)) {
      continue;
    }
    // Never unloaded: the module's code runs until the program ends.
    QLibrary library(path);
    using Entry = const HallModule* (*)();
    if (auto entry = reinterpret_cast<Entry>(library.resolve(kHallModuleEntry))) {
      return entry();
    }
    error = library.errorString();
    return nullptr;
  }
  error = QStringLiteral("the hall client is neither %1 nor %2").arg(places[0], places[1]);
  return nullptr;
}

QString HallRecordingPath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         "/stonewick/hall-games";
  QDir().mkpath(folder);
  return folder + "/" + QDateTime::currentDateTime().toString("yyyy-MM-dd-HHmmss") + ".txt";
}

}  // namespace stonewick
