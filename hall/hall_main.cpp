// stonewick-hall: opens the database, binds the address and serves until SIGINT or SIGTERM.
#include <signal.h>

#include <filesystem>
#include <iostream>
#include <span>
#include <thread>

#include "hall/hall_cli.h"
#include "hall/http_routes.h"

int main(int argc, char** argv) {
  using namespace stonewick::hall;
  int status = 0;
  const auto options = ParseHallOptions(
      std::span<char* const>(argv, static_cast<std::size_t>(argc)), std::cout, std::cerr, status);
  if (!options) {
    return status;
  }
  // The signals that stop the hall are taken by one thread, so every other thread ignores them.
  sigset_t stopping;
  sigemptyset(&stopping);
  sigaddset(&stopping, SIGINT);
  sigaddset(&stopping, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopping, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::unique_ptr<HallStore> store;
  try {
    const std::filesystem::path path = options->databaseUrl;
    if (options->databaseUrl == DefaultDatabasePath()) {
      std::filesystem::create_directories(path.parent_path());
    }
    store = OpenStore(options->databaseUrl);
  } catch (const std::exception& error) {
    std::cerr << "stonewick-hall: " << error.what() << '\n';
    return 1;
  }
  HallApi api(*store, options->limits);
  httplib::Server server;
  AddRoutes(server, api, options->site);
  int port = options->port;
  if (port == 0) {
    port = server.bind_to_any_port(options->host);
  } else if (!server.bind_to_port(options->host, port)) {
    port = -1;
  }
  if (port < 0) {
    std::cerr << "stonewick-hall: cannot listen on " << options->host << ':' << options->port
              << '\n';
    return 1;
  }
  std::cout << "stonewick-hall: serving on http://" << options->host << ':' << port << "/"
            << std::endl;
  std::thread stopper([&] {
    int signal_number = 0;
    sigwait(&stopping, &signal_number);
    server.stop();
  });
  const bool served = server.listen_after_bind();
  stopper.detach();
  return served ? 0 : 1;
}
