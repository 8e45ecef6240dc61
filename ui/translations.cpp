// Choosing the player's language, loading its catalogues, and wording the rules' and the
// session's texts and values in it.
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "session/core/english_words.h"

using namespace Qt::StringLiterals;

namespace stonewick {
namespace {

// "de_DE.UTF-8@euro" and "de" are both "de".
QString LanguageOfLocale(const QString& locale) {
  const auto end = std::find_if(locale.begin(), locale.end(),
                                [](QChar c) { return c == u'_' || c == u'.' || c == u'@'; });
  return locale.left(end - locale.begin()).toLower();
}

}  // namespace

QStringList LanguagesFromEnvironment(const std::function<QString(const char*)>& variable) {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = variable(name);
    if (!locale.isEmpty()) {
      break;
    }
  }
  if (locale == u"C" || locale == u"POSIX") {
    return {QStringLiteral("en")};
  }
  QStringList wanted;
  for (const QString& entry : variable("LANGUAGE").split(u':', Qt::SkipEmptyParts)) {
    wanted << LanguageOfLocale(entry);
  }
  // C.UTF-8 names no language.
  if (const QString language = LanguageOfLocale(locale); !language.isEmpty() && language != u"c") {
    wanted << language;
  }
  return wanted;
}

QStringList LanguagesFromEnvironment() {
  return LanguagesFromEnvironment([](const char* name) { return qEnvironmentVariable(name); });
}

Translations::Translations(const QStringList& wanted) {
  for (const QString& language : wanted) {
    if (language == u"en") {
      return;
    }
    if (game_.load(QStringLiteral(":/i18n/stonewick_") + language)) {
      language_ = language;
      // Missing when Qt's translations are not installed: the buttons then stay English.
      (void)qt_.load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
      return;
    }
  }
}

Translations::~Translations() {
  if (installed_ && QCoreApplication::instance() != nullptr) {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
  }
}

void Translations::Install() {
  if (!installed_ && language_ != u"en") {
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&game_);
    installed_ = true;
  }
}

QString Translations::Translate(const char* context, const char* text) const {
  const QString translated = game_.translate(context, text);
  return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString TranslatedCaption(const QString& caption) {
  return QCoreApplication::translate("Menu", caption.toUtf8().constData());
}

QString TranslatedText(const char* context, const std::string& text) {
  return QCoreApplication::translate(context, text.c_str());
}

QString ReadoutWords(const ReadoutValue& value) {
  return QCoreApplication::translate("Readout", ReadoutPattern(value.caption))
      .arg(QString::fromStdString(ReadoutNumber(value)));
}

QString BoxWords(GameBox box) {
  return QCoreApplication::translate("Message", BoxText(box));
}

namespace {

// A count and its noun in the catalogue's plural form; English, which has no catalogue, takes
// `englishOne` for one.
QString Counted(const char* context, const char* englishOne, const char* english,
                std::uint64_t count) {
  const int n = static_cast<int>(std::min<std::uint64_t>(count, INT_MAX));
  const QString translated = QCoreApplication::translate(context, english, nullptr, n);
  const QString untranslated = QString::fromUtf8(english).replace(u"%n"_s, QString::number(n));
  if (n == 1 && translated == untranslated) {
    return QString::fromUtf8(englishOne).replace(u"%n"_s, QString::number(n));
  }
  return translated;
}

// What differs at the recording's line, said of a checkpoint or a line of a dump.
QString DifferenceWords(const ScriptError& difference) {
  if (!difference.difference) {
    return QString::fromStdString(difference.message);
  }
  const StateDifference& what = *difference.difference;
  const auto shown = [](const std::optional<std::string>& line, bool quoted) {
    if (!line) {
      return QCoreApplication::translate("Playback", "no more lines");
    }
    const QString text = QString::fromStdString(*line);
    return quoted ? u'"' + text + u'"' : text;
  };
  if (what.kind == StateDifference::Kind::DumpLine) {
    //: %1 counts the dump's lines from 1; %2 is a line of the recording; %3 and %4 are lines
    //: of the game's state, as recorded and as played.
    return QCoreApplication::translate(
               "Playback", "dump line %1 of the dump on line %2 differs: expected %3, seen %4")
        .arg(what.dumpLine)
        .arg(what.blockLine)
        .arg(shown(what.expected, true), shown(what.seen, true));
  }
  if (what.blockLine == 0) {
    //: %1 and %2 are checkpoints: eight hexadecimal digits.
    return QCoreApplication::translate(
               "Playback",
               "the state at the start differs from its checkpoint: expected %1, seen %2")
        .arg(shown(what.expected, false), shown(what.seen, false));
  }
  //: %1 is a line of the recording; %2 and %3 are checkpoints: eight hexadecimal digits.
  return QCoreApplication::translate("Playback",
                                     "the state after the block of line %1 differs from its "
                                     "checkpoint: expected %2, seen %3")
      .arg(what.blockLine)
      .arg(shown(what.expected, false), shown(what.seen, false));
}

}  // namespace

QString VerdictWords(const WatchVerdict& verdict) {
  switch (verdict.kind) {
    case WatchVerdict::Kind::Differs:
      //: %1 and %2 are line numbers of the recording; %3 is what differs.
      return QCoreApplication::translate(
                 "Playback",
                 "The game played back differently from the recording after line %1.\n"
                 "Line %2: %3.")
          .arg(verdict.afterLine)
          .arg(verdict.difference.line)
          .arg(DifferenceWords(verdict.difference));
    case WatchVerdict::Kind::NothingToCheck:
      return QCoreApplication::translate(
          "Playback", "The game played back, but the recording holds no state to compare it with.");
    case WatchVerdict::Kind::AsRecorded:
      break;
  }
  //: %1 is a count of checkpoints, %2 a count of states.
  return QCoreApplication::translate("Playback",
                                     "The game played back exactly as recorded: %1 and %2 "
                                     "compared.")
      .arg(Counted("Playback", "%n checkpoint", QT_TRANSLATE_N_NOOP("Playback", "%n checkpoints"),
                   verdict.checkpoints),
           Counted("Playback", "%n state", QT_TRANSLATE_N_NOOP("Playback", "%n states"),
                   verdict.states));
}

QString ProgressWords(const WatchProgress& progress) {
  switch (progress.kind) {
    case WatchProgress::Kind::AllAsRecorded:
      //: %1 is how many checkpoints and states matched so far.
      return QCoreApplication::translate("Playback", "%1 checked, all as recorded")
          .arg(progress.count);
    case WatchProgress::Kind::DiffersAt:
      return QCoreApplication::translate("Playback", "differs at line %1").arg(progress.count);
    case WatchProgress::Kind::NoDifferenceToGoTo:
      //: On the playback bar, after D: the recording played back as recorded so far.
      return QCoreApplication::translate("Playback", "no difference to go to");
    case WatchProgress::Kind::NothingToCheck:
      break;
  }
  //: On the playback bar: the recording holds no checkpoint and no state.
  return QCoreApplication::translate("Playback", "nothing to check");
}

}  // namespace stonewick
