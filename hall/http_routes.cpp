// Routes: each request is turned into a HallRequest, answered by HallApi, and written back.
// An upload is refused by its address's rate, its announced length and its pace before or
// while its body is read, never after reading more than the limit.
#include "hall/http_routes.h"

#include <chrono>

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

}  // namespace

void AddRoutes(httplib::Server& server, HallApi& api, const SiteOptions& site) {
  server.set_payload_max_length(api.limits().bodyBytes);
  server.set_read_timeout(5, 0);
  server.set_write_timeout(10, 0);
  server.set_keep_alive_timeout(5);

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
