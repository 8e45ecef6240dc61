// Choosing the player's language, loading its catalogues, and showing the rules' and the
// session's English texts in it.
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <array>
#include <climits>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace stonewick {
namespace {

// The read-outs the rules write, the count standing for %1.
constexpr std::array kReadoutPatterns = {
    //: The read-outs under the board keep to their places: keep them about as short as these.
    QT_TRANSLATE_NOOP("Readout", "Powers : %1"),
    QT_TRANSLATE_NOOP("Readout", "Level : %1"),
    QT_TRANSLATE_NOOP("Readout", "Kills : %1"),
    QT_TRANSLATE_NOOP("Readout", "At large : %1"),
    //: Shown only for a moment, before the first level is laid out.
    QT_TRANSLATE_NOOP("Readout", "Clock : %1"),
};

// A text with numbers in it, told by its pattern: %1, %2... stand for the numbers.
class Pattern {
 public:
  explicit Pattern(const char* english) : english_(english) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    const QString text = QString::fromUtf8(english);
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
      expression += QRegularExpression::escape(text.mid(from, match.capturedStart() - from)) +
                    QStringLiteral("(.*?)");
      numbers_.push_back(match.captured(1).toInt());
      from = match.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
    expression_.setPattern(expression);
    expression_.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
  }

  // The translation of `text` when it has this pattern, with its numbers in their places.
  std::optional<QString> Translate(const char* context, const QString& text) const {
    const QRegularExpressionMatch match = expression_.match(text);
    if (!match.hasMatch()) {
      return std::nullopt;
    }
    const QString translated = QCoreApplication::translate(context, english_);
    QString filled;
    for (qsizetype i = 0; i < translated.size(); ++i) {
      const int number =
          i + 1 < translated.size() && translated[i] == u'%' ? translated[i + 1].digitValue() : -1;
      const auto at = std::find(numbers_.begin(), numbers_.end(), number);
      if (number > 0 && at != numbers_.end()) {
        filled += match.captured(static_cast<int>(at - numbers_.begin()) + 1);
        ++i;
      } else {
        filled += translated[i];
      }
    }
    return filled;
  }

 private:
  const char* english_;
  QRegularExpression expression_;
  std::vector<int> numbers_;  // by capture, the placeholder's number
};

template <std::size_t N>
std::vector<Pattern> Compiled(const std::array<const char*, N>& englishPatterns) {
  return {englishPatterns.begin(), englishPatterns.end()};
}

QString ByPattern(const char* context, const std::vector<Pattern>& patterns,
                  const std::string& text) {
  const QString shown = QString::fromStdString(text);
  for (const Pattern& pattern : patterns) {
    if (std::optional<QString> translated = pattern.Translate(context, shown)) {
      return *translated;
    }
  }
  return shown;
}

// "de_DE.UTF-8@euro" and "de" are both "de".
QString LanguageOfLocale(const QString& locale) {
  static const QRegularExpression end(QStringLiteral("[_.@]"));
  return locale.left(locale.indexOf(end)).toLower();
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

QString TranslatedReadout(const std::string& text) {
  static const std::vector<Pattern> patterns = Compiled(kReadoutPatterns);
  return ByPattern("Readout", patterns, text);
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
      .arg(Counted("Playback", "%n checkpoint", "%n checkpoints", verdict.checkpoints),
           Counted("Playback", "%n state", "%n states", verdict.states));
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
