// The player's language: chosen from the environment as gettext does, the game's catalogue of
// it and Qt's own for the standard buttons, and the texts of the rules and the session shown
// in it. The read-outs, the boxes and the verdicts come as values, which the window words; the
// dump, the checkpoints and the recordings keep the session's English.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <string>

#include "session/core/shown_values.h"
#include "session/core/watch_status.h"

namespace stonewick {

// The languages the environment asks for, most wanted first, each as a bare language code
// ("de"), as gettext reads them: LANGUAGE's list, then the language of the locale that
// LC_ALL, LC_MESSAGES or LANG sets, the first of them that is set. The locale C or POSIX asks
// for the program's own language, English, and then LANGUAGE is not read. `variable` reads one
// variable of the environment.
QStringList LanguagesFromEnvironment(const std::function<QString(const char*)>& variable);
QStringList LanguagesFromEnvironment();

class Translations {
 public:
  // The catalogue of the first language in `wanted` that the game has one for; English, the
  // language the game is written in, ends the search and needs none.
  explicit Translations(const QStringList& wanted);
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;
  ~Translations();

  // "en" or the language of the catalogue that was loaded.
  const QString& Language() const { return language_; }
  // The application's texts from now on read in that language; the application must exist.
  void Install();
  // `text` in that language, before the application exists (for --help).
  QString Translate(const char* context, const char* text) const;

 private:
  QString language_ = QStringLiteral("en");
  QTranslator game_;
  // Qt's own: the standard buttons of the message boxes and the edit boxes' menus.
  QTranslator qt_;
  bool installed_ = false;
};

// The texts of the rules and the session in the player's language (English where the catalogue
// has none): a menu caption with its Alt letter, or one of the session's whole texts in
// `context`.
QString TranslatedCaption(const QString& caption);
QString TranslatedText(const char* context, const std::string& text);
// What the game shows, worded in the player's language: a read-out ("Kräfte: 3") and the
// message or question of a box.
QString ReadoutWords(const ReadoutValue& value);
QString BoxWords(GameBox box);

// What the session says of a recording being watched, worded in the player's language: the
// verdict in its box, and the check so far on the playback bar.
QString VerdictWords(const WatchVerdict& verdict);
QString ProgressWords(const WatchProgress& progress);

}  // namespace stonewick
