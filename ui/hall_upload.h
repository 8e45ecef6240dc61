// Talking to a hall of verified games over HTTP: the board of the day, and a recorded game
// sent for the hall to check and keep. Each call waits for the hall's answer (at most 30 s).
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace stonewick {

struct DailyBoard {
  // "YYYY-MM-DD" (UTC) and its seed, which every clock reading of the game answers.
  QString day;
  std::uint32_t seed = 0;
};

// GET URL/api/daily. Empty, with what went wrong in `error`, when the hall does not answer
// with a day and a seed.
std::optional<DailyBoard> FetchDailyBoard(const QString& hallUrl, QString& error);

struct HallAnswer {
  // The HTTP status; 0 when the hall could not be reached.
  int status = 0;
  // For 201: the level and kills the hall counted, and the token of a new name.
  int level = 0;
  int kills = 0;
  QString token;
  // Otherwise: the hall's reason (its "error"), or why it could not be reached.
  QString error;
};

// POST URL/api/games?player=NAME (&daily=DAY when `day` is not empty) with the recording, and
// `token`, when not empty, as its Authorization: Bearer.
HallAnswer SendToHall(const QString& hallUrl, const QString& name, const QString& token,
                      const QByteArray& recording, const QString& day);

}  // namespace stonewick
