// The choice of Qt platform, and the start-up watch for a display that cannot be opened.
#include "ui/platform.h"

#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace stonewick {

namespace {

std::string Environment(const char* name) {
  return qEnvironmentVariable(name).toStdString();
}

// A message Qt gave while the watch held it back.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> held;
bool displayRefused = false;
int noDisplayStatus = 1;

void HoldBackStartUpMessage(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
  const QByteArray category = context.category != nullptr ? context.category : "";
  // The X11 and Wayland platforms complain in their own categories when the display they
  // were pointed at does not answer; Qt then gives up with its fatal message.
  if (type != QtDebugMsg && type != QtInfoMsg &&
      (category.startsWith("qt.qpa.xcb") || category.startsWith("qt.qpa.wayland"))) {
    displayRefused = true;
  }
  if (type == QtFatalMsg && displayRefused) {
    std::fputs(
        "stonewick: cannot open a display; run it on a desktop, or set DISPLAY (X11) or "
        "WAYLAND_DISPLAY\n",
        stderr);
    // Qt would abort and leave a core dump behind; nothing is running yet that needs ending.
    _exit(noDisplayStatus);
  }
  if (type == QtFatalMsg) {
    // Some other failure: Qt says what it has to say, and aborts as it always does.
    const QtMessageHandler handler = qtHandler;
    DisplayOpened();
    handler(type, context, text);
    return;
  }
  held.push_back({type, category, text});
}

}  // namespace

std::optional<std::string> ChoosePlatform(const PlatformInputs& inputs) {
  if (!inputs.qpaPlatform.empty() || inputs.platformArgument || !inputs.xDisplayReachable) {
    return std::nullopt;
  }
  return inputs.waylandSession ? "xcb;wayland" : "xcb";
}

bool XDisplayReachable(std::string_view display,
                       const std::function<bool(const std::string&)>& fileExists) {
  // [host]:number[.screen]
  const std::size_t colon = display.rfind(':');
  if (colon == std::string_view::npos) {
    return false;
  }
  const std::string_view host = display.substr(0, colon);
  std::string_view number = display.substr(colon + 1);
  number = number.substr(0, number.find('.'));
  if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) {
    return false;
  }
  if (!host.empty() && host != "unix") {
    return true;
  }
  return fileExists("/tmp/.X11-unix/X" + std::string(number));
}

void ChoosePlatformFromEnvironment(bool platformArgument) {
  PlatformInputs inputs;
  inputs.qpaPlatform = Environment("QT_QPA_PLATFORM");
  inputs.platformArgument = platformArgument;
  inputs.xDisplayReachable = XDisplayReachable(Environment("DISPLAY"), [](const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
  });
  inputs.waylandSession =
      !Environment("WAYLAND_DISPLAY").empty() || Environment("XDG_SESSION_TYPE") == "wayland";
  if (const auto platform = ChoosePlatform(inputs)) {
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
  }
}

void WatchForMissingDisplay(int status) {
  noDisplayStatus = status;
  held.clear();
  displayRefused = false;
  qtHandler = qInstallMessageHandler(HoldBackStartUpMessage);
}

void DisplayOpened() {
  if (qtHandler == nullptr) {
    return;
  }
  qInstallMessageHandler(qtHandler);
  const QtMessageHandler handler = qtHandler;
  qtHandler = nullptr;
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    handler(message.type, context, message.text);
  }
  held.clear();
}

}  // namespace stonewick
