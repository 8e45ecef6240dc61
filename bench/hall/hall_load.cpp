// Loads a running hall over the loopback with real games, and checks what it kept:
//   hall_load PORT GAMES CLIENTS FIRST_SEED IDS_FILE   uploads GAMES games from CLIENTS
//       clients at once, each as its own player; prints the answers by status, games/s and the
//       50th and 99th percentile latency, and writes the id of every 201 to IDS_FILE
//   hall_load --verify DB_URL IDS_FILE [--exact]   every id in IDS_FILE is stored, every
//       stored game checks again (and with --exact, nothing else is stored); prints the counts
// Errors of the connection (a hall killed mid-load) are counted and the client goes on.
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "hall/hall_store.h"
#include "hall/upload_check.h"
#include "tests/hall/game_maker.h"

namespace {

using stonewick::hall::GamePlan;
using stonewick::hall::MakeGame;

struct Outcomes {
  std::mutex mutex;
  std::map<int, int> byStatus;  // 0: no answer (the connection failed)
  std::vector<double> latencyMs;
  std::vector<std::string> ids;
};

std::string IdOf(const std::string& body) {
  const std::size_t at = body.find("\"id\":");
  return at == std::string::npos ? "" : body.substr(at + 5, body.find(',', at) - at - 5);
}

void Client(int port, int client, const std::vector<std::string>& games, std::atomic<int>& next,
            Outcomes& outcomes) {
  httplib::Client http("127.0.0.1", port);
  http.set_connection_timeout(2, 0);
  http.set_read_timeout(30, 0);
  // A name of its own for each client and run; a new one while the first upload under it has
  // had no answer, since its token went with the answer.
  const std::string base =
      "Load " + std::to_string(client) + "-" +
      std::to_string(std::chrono::steady_clock::now().time_since_epoch().count() % 100000);
  std::string player = base;
  std::string token;
  for (int index; (index = next++) < static_cast<int>(games.size());) {
    httplib::Headers headers;
    if (!token.empty()) {
      headers.emplace("Authorization", "Bearer " + token);
    }
    const auto started = std::chrono::steady_clock::now();
    const auto answer =
        http.Post(("/api/games?player=" + httplib::detail::encode_query_param(player)).c_str(),
                  headers, games[index], "text/plain");
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    const int status = answer ? answer->status : 0;
    if (status == 201 && token.empty()) {
      const std::size_t at = answer->body.find("\"token\":\"");
      if (at != std::string::npos) {
        token = answer->body.substr(at + 9, 64);
      }
    }
    std::lock_guard lock(outcomes.mutex);
    ++outcomes.byStatus[status];
    if (status == 201) {
      outcomes.latencyMs.push_back(ms);
      outcomes.ids.push_back(IdOf(answer->body));
    }
    if (token.empty() && status != 201) {
      player = base + "-" + std::to_string(index);
    }
    if (status == 0 || status == 503) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
}

int Load(int port, int count, int clients, unsigned firstSeed, const char* idsFile) {
  std::vector<std::string> games;
  std::size_t bytes = 0;
  for (int i = 0; i < count; ++i) {
    games.push_back(MakeGame({.seed = firstSeed + static_cast<unsigned>(i), .playMs = 15'000}));
    bytes += games.back().size();
  }
  // The games are made: the uploads begin (run_load.sh brings its faults after this).
  std::ofstream(std::string(idsFile) + ".started").put('\n');
  Outcomes outcomes;
  std::atomic<int> next = 0;
  const auto started = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  for (int client = 0; client < clients; ++client) {
    threads.emplace_back(Client, port, client, std::cref(games), std::ref(next),
                         std::ref(outcomes));
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::sort(outcomes.latencyMs.begin(), outcomes.latencyMs.end());
  auto percentile = [&](double p) {
    return outcomes.latencyMs.empty()
               ? 0.0
               : outcomes.latencyMs[static_cast<std::size_t>(p * (outcomes.latencyMs.size() - 1))];
  };
  std::cout << "uploads " << count << " (" << bytes / count << " bytes each) from " << clients
            << " clients in " << seconds << " s:";
  for (const auto& [status, n] : outcomes.byStatus) {
    std::cout << ' ' << (status == 0 ? std::string("no-answer") : std::to_string(status)) << '='
              << n;
  }
  std::cout << "\n  " << outcomes.latencyMs.size() / seconds << " games/s stored, latency p50 "
            << percentile(0.5) << " ms, p99 " << percentile(0.99) << " ms\n";
  std::ofstream ids(idsFile);
  for (const std::string& id : outcomes.ids) {
    ids << id << '\n';
  }
  return 0;
}

int Verify(const std::string& url, const char* idsFile, bool exact) {
  auto store = stonewick::hall::OpenStore(url);
  std::ifstream ids(idsFile);
  int acknowledged = 0;
  int missing = 0;
  for (std::string id; std::getline(ids, id);) {
    ++acknowledged;
    missing += !store->FindGame(std::stoll(id)).has_value();
  }
  // Every stored game whole: its recording checks again and says what its row says.
  int broken = 0;
  const std::int64_t stored = store->CountGames();
  for (std::int64_t id = 1, seen = 0; seen < stored && id < stored * 4 + 100; ++id) {
    const auto game = store->FindGame(id);
    if (!game) {
      continue;
    }
    ++seen;
    const auto checked = stonewick::hall::CheckUpload(*store->RecordingOf(id));
    broken += !checked.accepted || checked.level != game->level || checked.timeMs != game->timeMs;
  }
  std::cout << "acknowledged " << acknowledged << ", stored " << stored
            << ", acknowledged but missing " << missing << ", stored but not whole " << broken
            << '\n';
  const bool same = !exact || stored == acknowledged;
  return missing == 0 && broken == 0 && same ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if ((args.size() == 3 || (args.size() == 4 && args[3] == "--exact")) && args[0] == "--verify") {
    return Verify(args[1], argv[3], args.size() == 4);
  }
  if (args.size() == 5) {
    return Load(std::stoi(args[0]), std::stoi(args[1]), std::stoi(args[2]),
                static_cast<unsigned>(std::stoul(args[3])), argv[5]);
  }
  std::cerr << "usage: hall_load PORT GAMES CLIENTS FIRST_SEED IDS_FILE | --verify DB_URL IDS_FILE "
               "[--exact]\n";
  return 2;
}
