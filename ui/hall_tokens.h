// The player's names and tokens for the halls of verified games, kept in the user's config
// folder (only the user may read it): the name is asked once per hall, and the token the hall
// gave at that name's first upload goes with every later one.
#pragma once

#include <QList>
#include <QString>

namespace stonewick {

class HallTokens {
 public:
  // The file at `path`, read now (a missing or unreadable file holds nothing).
  explicit HallTokens(QString path);
  // $XDG_CONFIG_HOME/stonewick/hall-tokens (~/.config/stonewick/hall-tokens).
  static QString DefaultPath();

  // The name last used at the hall `hallUrl`; empty when none.
  QString NameFor(const QString& hallUrl) const;
  // The token of `name` at the hall; empty when the hall gave none.
  QString TokenFor(const QString& hallUrl, const QString& name) const;
  // Remembers `name` as the hall's, with `token` when not empty, and writes the file (mode
  // 0600). False when it cannot be written.
  bool Remember(const QString& hallUrl, const QString& name, const QString& token);

 private:
  struct Entry {
    QString hallUrl;
    QString name;
    QString token;
  };
  QString path_;
  // In the order they were last used: the last one of a hall is its name.
  QList<Entry> entries_;
};

}  // namespace stonewick
