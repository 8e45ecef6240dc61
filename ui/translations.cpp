// Choosing the player's language, loading its catalogues, and showing the rules' and the
// session's English texts in it.
#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <array>
#include <cstdlib>
#include <vector>

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

// What the session says of a recording that plays: on the playback bar, then in the verdict.
constexpr std::array kVerdictPatterns = {
    //: %1 is how many checkpoints and states matched so far.
    QT_TRANSLATE_NOOP("Playback", "%1 checked, all as recorded"),
    QT_TRANSLATE_NOOP("Playback", "differs at line %1"),
    //: %1 and %2 are line numbers of the recording; %3 is what differs, in English.
    QT_TRANSLATE_NOOP("Playback",
                      "The game played back differently from the recording after line %1.\n"
                      "Line %2: %3."),
    //: %1 and %2 are counts.
    QT_TRANSLATE_NOOP("Playback",
                      "The game played back exactly as recorded: %1 checkpoints and %2 states "
                      "compared."),
    QT_TRANSLATE_NOOP("Playback",
                      "The game played back, but the recording holds no state to compare it "
                      "with."),
    //: On the playback bar: the recording holds no checkpoint and no state.
    QT_TRANSLATE_NOOP("Playback", "nothing to check"),
    //: On the playback bar, after D: the recording played back as recorded so far.
    QT_TRANSLATE_NOOP("Playback", "no difference to go to"),
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

QString TranslatedVerdict(const std::string& text) {
  static const std::vector<Pattern> patterns = Compiled(kVerdictPatterns);
  return ByPattern("Playback", patterns, text);
}

}  // namespace stonewick
