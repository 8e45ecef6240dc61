// Routes: each request is turned into a HallRequest, answered by HallApi, and written back.
// An upload is refused by its address's rate, its announced length and its pace before or
// while its body is read, never after reading more than the limit.
#include "hall/http_routes.h"

#include <atomic>
#include <chrono>
#include <memory>

#include "hall/api_words.h"

namespace stonewick::hall {
namespace {

void Answer(httplib::Response& response, const HallResponse& answer) {
  response.status = answer.status;
  response.set_header("X-Content-Type-Options", "nosniff");
  response.set_header("Cache-Control", "no-store");
  response.set_content(answer.body, answer.contentType.c_str());
}

HallRequest FromHttp(const httplib::Request& request) {
  HallRequest hall;
  hall.address = request.remote_addr;
  hall.contentType = request.get_header_value("Content-Type");
  hall.authorization = request.get_header_value("Authorization");
  for (const auto& [key, value] : request.params) {
    hall.query.emplace(key, value);
  }
  return hall;
}

// The upload's body, read within the size and time limits; otherwise the answer to give.
std::optional<HallResponse> ReadBody(const httplib::Request& request,
                                     const httplib::ContentReader& reader, const HallApi& api,
                                     const SiteOptions& site, std::string& body) {
  const std::size_t limit = api.limits().bodyBytes;
  if (request.has_header("Content-Length") &&
      request.get_header_value<std::uint64_t>("Content-Length") > limit) {
    return ErrorResponse(413, "the recording is larger than the hall takes");
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(site.bodySeconds);
  bool tooLarge = false;
  bool tooSlow = false;
  const bool read = reader([&](const char* data, std::size_t length) {
    if (body.size() + length > limit) {
      tooLarge = true;
      return false;
    }
    if (std::chrono::steady_clock::now() > deadline) {
      tooSlow = true;
      return false;
    }
    body.append(data, length);
    return true;
  });
  if (tooLarge) {
    return ErrorResponse(413, "the recording is larger than the hall takes");
  }
  if (tooSlow) {
    return ErrorResponse(408, "the recording came too slowly");
  }
  if (!read) {
    return ErrorResponse(400, "the request's body could not be read");
  }
  return std::nullopt;
}

// A POST whose body is read within the bounds, then answered by `handle`.
template <typename Handle>
void PostWithBody(httplib::Server& server, const std::string& pattern, HallApi& api,
                  const SiteOptions& site, Handle handle) {
  server.Post(pattern,
              [&api, site, handle](const httplib::Request& request, httplib::Response& response,
                                   const httplib::ContentReader& reader) {
                HallRequest hall = FromHttp(request);
                if (auto refused = ReadBody(request, reader, api, site, hall.body)) {
                  response.set_header("Connection", "close");
                  Answer(response, *refused);
                  return;
                }
                Answer(response, handle(request, hall));
              });
}

// One server-sent event: its name, and its text as data lines.
std::string Event(std::string_view name, std::string_view text) {
  std::string event = "event: " + std::string(name) + "\n";
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string line(text.substr(0, end));
    std::erase(line, '\r');
    event += "data: " + line + "\n";
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return event + "\n";
}

// Live games: start, lines, end, the list, and each game's lines as server-sent events to its
// spectators, a few at a time, since each holds one of the server's threads while it watches.
void AddLiveRoutes(httplib::Server& server, HallApi& api, const SiteOptions& site) {
  PostWithBody(server, "/api/live", api, site,
               [&api](const httplib::Request&, const HallRequest& hall) {
                 return api.AllowUpload(hall.address)
                            ? api.StartLive(hall)
                            : ErrorResponse(429, "too many uploads from this address");
               });
  PostWithBody(server, R"(/api/live/([^/]+))", api, site,
               [&api](const httplib::Request& request, const HallRequest& hall) {
                 return api.AppendLive(request.matches[1].str(), hall);
               });
  PostWithBody(server, R"(/api/live/([^/]+)/end)", api, site,
               [&api](const httplib::Request& request, const HallRequest& hall) {
                 return api.EndLive(request.matches[1].str(), hall);
               });
  server.Get("/api/live", [&api](const httplib::Request&, httplib::Response& response) {
    Answer(response, api.ListLive());
  });
  server.Get(R"(/api/live/([^/]+)/recording)",
             [&api](const httplib::Request& request, httplib::Response& response) {
               Answer(response, api.LiveRecording(request.matches[1].str()));
             });
  auto watching = std::make_shared<std::atomic<int>>(0);
  server.Get(R"(/api/live/([^/]+)/events)", [&api, site, watching](const httplib::Request& request,
                                                                   httplib::Response& response) {
    const auto id = ParseId(request.matches[1].str());
    if (!id) {
      Answer(response, ErrorResponse(404, "no such live game"));
      return;
    }
    if (watching->fetch_add(1) >= site.spectators) {
      watching->fetch_sub(1);
      Answer(response, ErrorResponse(503, "the hall has as many spectators as it serves"));
      return;
    }
    auto seen = std::make_shared<std::size_t>(0);
    response.set_header("Cache-Control", "no-store");
    response.set_chunked_content_provider(
        "text/event-stream",
        [&api, id = *id, seen](std::size_t, httplib::DataSink& sink) {
          std::string more;
          std::string result;
          switch (api.live().Next(id, *seen, std::chrono::seconds(15), more, result)) {
            case LiveGames::Watch::More: {
              *seen += more.size();
              const std::string event = Event("lines", more);
              return sink.write(event.data(), event.size());
            }
            case LiveGames::Watch::Ended: {
              const std::string event = Event("end", result);
              sink.write(event.data(), event.size());
              sink.done();
              return true;
            }
            case LiveGames::Watch::Gone:
              sink.done();
              return true;
            case LiveGames::Watch::Quiet:
              break;
          }
          constexpr std::string_view kStillPlaying = ": still playing\n\n";
          return sink.write(kStillPlaying.data(), kStillPlaying.size());
        },
        [watching](bool) { watching->fetch_sub(1); });
  });
}

}  // namespace

void AddRoutes(httplib::Server& server, HallApi& api, const SiteOptions& site) {
  server.set_payload_max_length(api.limits().bodyBytes);
  server.set_read_timeout(5, 0);
  server.set_write_timeout(10, 0);
  server.set_keep_alive_timeout(5);
  // Eight threads for requests, and one more for each spectator the hall serves at once.
  server.new_task_queue = [threads = 8 + site.spectators] {
    return new httplib::ThreadPool(static_cast<std::size_t>(threads));
  };

  server.Post(
      "/api/games", [&api, site](const httplib::Request& request, httplib::Response& response,
                                 const httplib::ContentReader& reader) {
        HallRequest hall = FromHttp(request);
        if (!api.AllowUpload(hall.address)) {
          response.set_header("Connection", "close");
          response.set_header("Retry-After", "60");
          Answer(response, ErrorResponse(429, "too many uploads from this address; wait a minute"));
          return;
        }
        if (auto refused = ReadBody(request, reader, api, site, hall.body)) {
          // Whatever of the body is left unread is not read: the connection ends here.
          response.set_header("Connection", "close");
          Answer(response, *refused);
          return;
        }
        Answer(response, api.PostGame(hall));
      });
  server.Get("/api/games", [&api](const httplib::Request& request, httplib::Response& response) {
    Answer(response, api.ListGames(FromHttp(request)));
  });
  server.Get(R"(/api/games/([^/]+))",
             [&api](const httplib::Request& request, httplib::Response& response) {
               Answer(response, api.GetGame(request.matches[1].str()));
             });
  server.Get(R"(/api/games/([^/]+)/recording)",
             [&api](const httplib::Request& request, httplib::Response& response) {
               Answer(response, api.GetRecording(request.matches[1].str()));
             });
  server.Get("/api/daily", [&api](const httplib::Request&, httplib::Response& response) {
    Answer(response, api.Daily());
  });
  AddLiveRoutes(server, api, site);
  server.Get("/hall", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("/hall/");
  });
  server.set_exception_handler(
      [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        Answer(response, ErrorResponse(500, "the hall failed on this request"));
      });
  if (!site.siteDir.empty()) {
    server.set_mount_point("/", site.siteDir);
  }
}

}  // namespace stonewick::hall
