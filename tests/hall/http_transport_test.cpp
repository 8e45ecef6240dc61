// The hall over HTTP on the loopback: bounds met while the body is read (its announced size,
// its pace, the rate per address), and the files and redirects around the API.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "hall/http_routes.h"
#include "tests/hall/hall_fixture.h"

namespace stonewick::hall {
namespace {

class HttpTest : public HallTest {
 protected:
  void SetUp() override {
    limits_.uploadsPerMinute = 2;
    limits_.uploadBurst = 2;
    HallTest::SetUp();
    site_ = std::filesystem::temp_directory_path() / ("stonewick-site-" + std::to_string(getpid()));
    std::filesystem::create_directories(site_ / "hall");
    std::ofstream(site_ / "hall" / "index.html") << "<title>hall</title>";
    AddRoutes(server_, *api_, {.siteDir = site_.string(), .bodySeconds = 1});
    port_ = server_.bind_to_any_port("127.0.0.1");
    listening_ = std::thread([this] { server_.listen_after_bind(); });
  }
  void TearDown() override {
    server_.stop();
    listening_.join();
    std::filesystem::remove_all(site_);
    HallTest::TearDown();
  }

  // Sends `head` and then `body` a byte at a time, `pauseMs` apart, on a raw connection;
  // returns the status line of the answer.
  std::string RawExchange(const std::string& head, const std::string& body, int pauseMs) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port_));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(send(socket, head.data(), head.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(head.size()));
    char peek = 0;
    for (const char byte : body) {
      if (recv(socket, &peek, 1, MSG_PEEK | MSG_DONTWAIT) == 1 ||
          send(socket, &byte, 1, MSG_NOSIGNAL) != 1) {
        break;  // the hall has answered
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
    }
    char answer[256] = {};
    const ssize_t got = recv(socket, answer, sizeof answer - 1, 0);
    close(socket);
    const std::string text(answer, got > 0 ? static_cast<std::size_t>(got) : 0);
    return text.substr(0, text.find("\r\n"));
  }

  httplib::Client Client() { return httplib::Client("127.0.0.1", port_); }

  std::filesystem::path site_;
  httplib::Server server_;
  int port_ = 0;
  std::thread listening_;
};

const std::string kUploadHead =
    "POST /api/games?player=Cleo HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/plain\r\n";

TEST_F(HttpTest, CutsOffASlowDripOfBytesWith408) {
  const std::string status =
      RawExchange(kUploadHead + "Content-Length: 100000\r\n\r\n", std::string(100, 'w'), 50);
  EXPECT_EQ(status, "HTTP/1.1 408 Request Timeout");
  EXPECT_EQ(store_->CountGames(), 0);
}

TEST_F(HttpTest, RefusesAnAnnouncedBodyOverTheLimitBeforeReadingIt) {
  const std::string status = RawExchange(kUploadHead + "Content-Length: 9000000\r\n\r\n", "", 0);
  EXPECT_EQ(status, "HTTP/1.1 413 Payload Too Large");
}

TEST_F(HttpTest, RefusesAChunkedBodyOverTheLimit) {
  httplib::Client client = Client();
  const auto answer = client.Post(
      "/api/games?player=Cleo",
      [](std::size_t offset, httplib::DataSink& sink) {
        const std::string chunk(1 << 20, 'w');
        if (offset < (std::size_t{9} << 20)) {
          sink.write(chunk.data(), chunk.size());
        } else {
          sink.done();
        }
        return true;
      },
      "text/plain");
  // The hall answers 413 and closes as the limit passes. A client still writing then may see
  // the connection reset before the answer; either way nothing is stored, and the hall serves on.
  if (answer) {
    EXPECT_EQ(answer->status, 413);
  }
  EXPECT_EQ(store_->CountGames(), 0);
  EXPECT_EQ(Client().Get("/api/games?by=level&limit=1")->status, 200);
}

TEST_F(HttpTest, RefusesTooManyUploadsFromOneAddressWith429) {
  httplib::Client client = Client();
  EXPECT_EQ(client.Post("/api/games?player=Anna", Game(1), "text/plain")->status, 201);
  EXPECT_EQ(client.Post("/api/games?player=Bob", Game(2), "text/plain")->status, 201);
  const auto refused = client.Post("/api/games?player=Cleo", Game(3), "text/plain");
  EXPECT_EQ(refused->status, 429);
  EXPECT_EQ(refused->get_header_value("Retry-After"), "60");
  EXPECT_EQ(store_->CountGames(), 2);
}

TEST_F(HttpTest, ServesTheRecordingForThePageToPlay) {
  httplib::Client client = Client();
  ASSERT_EQ(client.Post("/api/games?player=Anna", Game(1), "text/plain")->status, 201);
  const auto recording = client.Get("/api/games/1/recording");
  EXPECT_EQ(recording->status, 200);
  EXPECT_EQ(recording->get_header_value("Content-Type"), "text/plain; charset=utf-8");
  EXPECT_EQ(recording->body, Game(1));
  EXPECT_EQ(client.Get("/api/games?by=level&limit=1")->body,
            "{\"games\":[" + client.Get("/api/games/1")->body + "]}");
}

TEST_F(HttpTest, ServesTheHallPageAtHall) {
  httplib::Client client = Client();
  const auto moved = client.Get("/hall");
  EXPECT_EQ(moved->status, 302);
  EXPECT_EQ(moved->get_header_value("Location"), "/hall/");
  EXPECT_EQ(client.Get("/hall/")->body, "<title>hall</title>");
}

}  // namespace
}  // namespace stonewick::hall

namespace stonewick::hall {
namespace {

TEST_F(HttpTest, TellsSpectatorsTheLiveGamesLinesAndItsVerdict) {
  httplib::Client player = Client();
  const auto started = player.Post("/api/live?player=Anna", "manual\n", "text/plain");
  ASSERT_EQ(started->status, 201);
  const std::string id = *Field(started->body, "live");
  const httplib::Headers key = {{"Authorization", "Bearer " + *Field(started->body, "key")}};
  std::string seen;
  std::thread spectator([&] {
    Client().Get(("/api/live/" + id + "/events").c_str(), [&](const char* data, std::size_t size) {
      seen.append(data, size);
      return true;
    });
  });
  const std::string game = Game(1);
  EXPECT_EQ(player.Post(("/api/live/" + id).c_str(), key, game, "text/plain")->status, 200);
  const auto ended = player.Post(("/api/live/" + id + "/end").c_str(), key, "", "text/plain");
  spectator.join();
  EXPECT_EQ(ended->status, 422);  // "manual" then a game that assumes the timers fire
  // However the lines came in events, together they are the game as it was sent.
  const std::size_t end = seen.rfind("event: end\n");
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(seen.substr(end), "event: end\ndata: " + ended->body + "\n\n");
  std::string lines;
  std::istringstream events(seen.substr(0, end));
  for (std::string line; std::getline(events, line);) {
    if (line.starts_with("data: ")) {
      lines += line.substr(6) + "\n";
    }
  }
  EXPECT_EQ(lines, "manual\n" + game);
}

}  // namespace
}  // namespace stonewick::hall
