// Listings: filtered by player and day, ordered as asked, limited; every value a parameter.
#include "hall/game_listing.h"

namespace stonewick::hall {

const char* OrderClause(GameOrder order) {
  switch (order) {
    case GameOrder::Kills:
      return "kills DESC, level DESC, time_ms ASC, id ASC";
    case GameOrder::Time:
      // The longest games first: the longest a player held out.
      return "time_ms DESC, level DESC, kills DESC, id ASC";
    case GameOrder::Level:
      break;
  }
  // The best games: the highest level, then the most kills, then the quickest.
  return "level DESC, kills DESC, time_ms ASC, id ASC";
}

ListingSql ListingQuery(const GameQuery& query) {
  ListingSql sql;
  std::string where;
  auto filter = [&](const char* column, const std::string& value) {
    sql.values.emplace_back(value);
    where += where.empty() ? " WHERE " : " AND ";
    where += std::string(column) + " = $" + std::to_string(sql.values.size());
  };
  if (query.player) {
    filter("player", *query.player);
  }
  if (query.day) {
    filter("day", *query.day);
  }
  if (!query.withUnranked) {
    where += where.empty() ? " WHERE ranked = 1" : " AND ranked = 1";
  }
  const std::string order = OrderClause(query.order);
  if (query.bestOfEachPlayer) {
    sql.text = std::string("SELECT ") + kGameColumns +
               " FROM (SELECT *, ROW_NUMBER() OVER (PARTITION BY player ORDER BY " + order +
               ") AS place FROM games" + where + ") AS ranked WHERE place = 1";
  } else {
    sql.text = std::string("SELECT ") + kGameColumns + " FROM games" + where;
  }
  sql.values.emplace_back(query.limit);
  sql.text += " ORDER BY " + order + " LIMIT $" + std::to_string(sql.values.size());
  return sql;
}

}  // namespace stonewick::hall
