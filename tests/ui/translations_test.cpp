// The window in the player's language: the language is read from the environment as gettext
// reads it, a window started with LANGUAGE=de shows German captions while the game keeps its
// English words, and in every language the menu stays one row and the read-outs keep clear of
// each other.
#include "ui/translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "game/game.h"
#include "session/core/dump.h"
#include "session/core/english_words.h"
#include "tests/support/session_access.h"
#include "ui/program.h"

using namespace stonewick;

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void languagesComeFromTheEnvironmentAsGettextReadsThem_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("wanted");
    QTest::newRow("LANGUAGE alone") << "de"
                                    << ""
                                    << "" << QStringList{"de"};
    QTest::newRow("LANGUAGE before LANG") << "fr:de"
                                          << ""
                                          << "ru_RU.UTF-8" << QStringList{"fr", "de", "ru"};
    QTest::newRow("LC_ALL before LANG") << ""
                                        << "es_ES.UTF-8@euro"
                                        << "de_DE" << QStringList{"es"};
    QTest::newRow("C.UTF-8 names no language") << "ru"
                                               << ""
                                               << "C.UTF-8" << QStringList{"ru"};
    QTest::newRow("C asks for English") << "de"
                                        << "C"
                                        << "de_DE" << QStringList{"en"};
  }
  void languagesComeFromTheEnvironmentAsGettextReadsThem() {
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lang);
    QFETCH(QStringList, wanted);
    const std::map<QString, QString> environment = {
        {"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LANG", lang}};
    QCOMPARE(LanguagesFromEnvironment([&](const char* name) {
               const auto at = environment.find(name);
               return at == environment.end() ? QString() : at->second;
             }),
             wanted);
    QCOMPARE(Translations({"pt", "en", "de"}).Language(), QString("en"));
    QCOMPARE(Translations({"pt", "de"}).Language(), QString("de"));
  }

  // main() starts the program with LANGUAGE=de.
  void germanWindowShowsGermanCaptionsAndTheGameKeepsItsOwn() {
    Translations translations(LanguagesFromEnvironment());
    QCOMPARE(translations.Language(), QString("de"));
    translations.Install();
    Program program;
    program.mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&program.mainWindow));

    QCOMPARE(program.mainWindow.Command(MenuCommand::Exit).text(), QString("&Beenden"));
    QCOMPARE(program.mainWindow.Command(MenuCommand::Skip).text(), QString("&Überspringen"));
    QCOMPARE(program.mainWindow.ReadoutLabel(Readout::Powers).text(), QString("Kräfte: 1"));
    QCOMPARE(program.mainWindow.ReadoutLabel(Readout::Level).text(), QString("Level: 1"));
    program.mainWindow.Command(MenuCommand::Pause).trigger();
    QCOMPARE(program.mainWindow.Command(MenuCommand::Pause).text(), QString("&Weiter"));
    // What the dump and the checkpoints describe stays in the game's own words.
    const std::string dump = DumpText(program.session.game(), program.session.Shown());
    QVERIFY(dump.find("label1 Powers : 1\n") != std::string::npos);
    QVERIFY(dump.find("&Resume") != std::string::npos);

    QCOMPARE(program.aboutWindow.windowTitle(), QString("Über Stonewick"));
    QVERIFY(program.instructionsWindow.Text().toPlainText().contains(
        "Bewege dich mit den Pfeiltasten."));
    program.frontEnd.OpenScriptedBox(GameBox::GameOver);
    QMessageBox* box = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      box = box != nullptr ? box : qobject_cast<QMessageBox*>(widget);
    }
    QVERIFY(box != nullptr);
    QVERIFY(box->text().startsWith("Aaargh, du wurdest gefressen"));
    // Qt's own translation of the buttons, where it is installed.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
      QCOMPARE(box->button(QMessageBox::Yes)->text(), QString("&Ja"));
    }
    program.frontEnd.CloseScriptedBox(true, 'Y');
  }

  // The verdict crosses as values: each line in the player's language, a count in its plural.
  void verdictsAreWordedInTheLanguageWithPluralForms() {
    WatchVerdict asRecorded{WatchVerdict::Kind::AsRecorded, 1, 2, 0, {}};
    WatchVerdict differs{WatchVerdict::Kind::Differs, 0, 0, 12,
                         ScriptError(14, "English that the box must not show",
                                     StateDifference{StateDifference::Kind::DumpLine, 13, 3,
                                                     "powers 2", std::nullopt})};
    QCOMPARE(VerdictWords(asRecorded),
             QString("The game played back exactly as recorded: 1 checkpoint and 2 states "
                     "compared."));
    QCOMPARE(ProgressWords({WatchProgress::Kind::DiffersAt, 14}), QString("differs at line 14"));
    Translations translations({"de"});
    translations.Install();
    QCOMPARE(VerdictWords(asRecorded),
             QString("Das Spiel lief genau wie aufgezeichnet ab: 1 Prüfpunkt und 2 Zustände "
                     "verglichen."));
    QCOMPARE(VerdictWords(differs),
             QString("Das Spiel lief nach Zeile 12 anders ab als aufgezeichnet.\n"
                     "Zeile 14: Zeile 3 des Zustandsberichts in Zeile 13 weicht ab: erwartet "
                     "\"powers 2\", gesehen keine weiteren Zeilen."));
    QCOMPARE(ProgressWords({WatchProgress::Kind::AllAsRecorded, 5}),
             QString("5 geprüft, alles wie aufgezeichnet"));
  }

  // Read-outs and boxes cross as values: English reads as the dump and the recordings do, and
  // another language words the caption around the same number.
  void readoutsAndBoxesAreWordedFromTheirValues() {
    for (int caption = 0; caption < kReadoutCaptionCount; ++caption) {
      const ReadoutValue value{static_cast<ReadoutCaption>(caption), 3723};
      QCOMPARE(ReadoutWords(value), QString::fromStdString(ReadoutText(value)));
    }
    for (const GameBox box :
         {GameBox::SecondChance, GameBox::GameOver, GameBox::LevelCleared, GameBox::NoMoreLevels}) {
      QCOMPARE(BoxWords(box), QString::fromUtf8(BoxText(box)));
    }
    Translations translations({"de"});
    translations.Install();
    QCOMPARE(ReadoutWords({ReadoutCaption::Kills, 9999}), QString("Erledigt: 9999"));
    QCOMPARE(ReadoutWords({ReadoutCaption::Clock, 0}), QString("Uhr: 0"));
    QCOMPARE(ReadoutWords({ReadoutCaption::PlayTime, 3723}), QString("01:02:03"));
    QCOMPARE(BoxWords(GameBox::NoMoreLevels),
             QString("Tut mir leid, es gibt keine weiteren Level – du hast gewonnen! "));
  }

  void everyLanguageKeepsTheMenuOnOneRowAndTheReadoutsApart() {
    int oneRow = 0;
    // English first, then every catalogue the window carries.
    QStringList languages{"en"};
    for (const QString& catalogue : QDir(":/i18n").entryList()) {
      languages << catalogue.section(u'_', 1).section(u'.', 0, 0);
    }
    QVERIFY(languages.size() >= 5);
    for (const QString& language : languages) {
      Translations translations({language});
      QCOMPARE(translations.Language(), language);
      translations.Install();
      Program program;
      MainWindow& window = program.mainWindow;
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      const int menuHeight = window.MenuBar().heightForWidth(window.width());
      oneRow = oneRow == 0 ? menuHeight : oneRow;
      QVERIFY2(menuHeight == oneRow, qPrintable(language));
      // Two-digit counts, as a long game reaches them.
      for (const Readout readout : {Readout::Kills, Readout::AtLarge, Readout::Powers}) {
        program.frontEnd.ShowReadout(readout, WrittenReadout(readout, 99));
      }
      const QRect kills = window.ReadoutLabel(Readout::Kills).geometry();
      const QRect atLarge = window.ReadoutLabel(Readout::AtLarge).geometry();
      const QRect powers = window.ReadoutLabel(Readout::Powers).geometry();
      QVERIFY2(window.ReadoutLabel(Readout::Clock).geometry().right() < kills.left(),
               qPrintable(language));
      QVERIFY2(kills.right() < atLarge.left(), qPrintable(language));
      QVERIFY2(atLarge.right() < window.Client().width(), qPrintable(language));
      QVERIFY2(powers.right() < window.Client().width(), qPrintable(language));
      QVERIFY2(window.width() == 387 || language != u"en", qPrintable(language));
    }
  }
};

int main(int argc, char* argv[]) {
  qputenv("LANGUAGE", "de");
  qunsetenv("LC_ALL");
  qunsetenv("LC_MESSAGES");
  QApplication app(argc, argv);
  TranslationsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "translations_test.moc"
