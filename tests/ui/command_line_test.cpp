// A mistake on the command line is said in the player's language, with the option or
// argument at fault as it was typed, on one line; English where no catalogue is loaded.
#include "ui/command_line.h"

#include <QTest>
#include <vector>

#include "ui/translations.h"

using namespace stonewick;

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void mistakesAreSaidInThePlayersLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line");
    QTest::newRow("en unknown option")
        << "en" << QStringList{"--frobnicate"}
        << "stonewick: unrecognized option '--frobnicate' (try 'stonewick --help')\n";
    QTest::newRow("de unknown option")
        << "de" << QStringList{"--frobnicate"}
        << "stonewick: unbekannte Option '--frobnicate' (siehe 'stonewick --help')\n";
    QTest::newRow("fr Qt option without its value")
        << "fr" << QStringList{"-platform"}
        << "stonewick: l'option '-platform' attend une valeur (essayez 'stonewick --help')\n";
    QTest::newRow("es stray argument")
        << "es" << QStringList{"--record", "a.rec", "b.rec"}
        << "stonewick: argumento inesperado 'b.rec' (pruebe 'stonewick --help')\n";
    QTest::newRow("ru --record without FILE")
        << "ru" << QStringList{"--record="}
        << "stonewick: параметру '--record' нужен ФАЙЛ (см. 'stonewick --help')\n";
    QTest::newRow("de --hall without URL")
        << "de" << QStringList{"--hall"}
        << "stonewick: Option '--hall' braucht eine URL (siehe 'stonewick --help')\n";
    QTest::newRow("en --daily without --hall")
        << "en" << QStringList{"--daily", "--record", "a.rec"}
        << "stonewick: option '--daily' needs --hall URL (try 'stonewick --help')\n";
  }
  void mistakesAreSaidInThePlayersLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, arguments);
    QFETCH(QString, line);
    std::vector<QByteArray> texts{"stonewick"};
    for (const QString& argument : arguments) {
      texts.push_back(argument.toUtf8());
    }
    std::vector<char*> argv;
    for (QByteArray& text : texts) {
      argv.push_back(text.data());
    }
    const CommandLine read = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    QCOMPARE(read.request, CommandLine::Request::Mistake);
    const Translations translations({language});
    QCOMPARE(translations.Language(), language);
    QCOMPARE(QString::fromStdString(MistakeLine(read, translations)), line);
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
