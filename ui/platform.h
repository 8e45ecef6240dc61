// The Qt platform the game asks for, and one clear line instead of Qt's abort when no display
// can be opened. Both are settled before the application object exists.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace stonewick {

// What the choice of platform looks at.
struct PlatformInputs {
  std::string qpaPlatform;         // QT_QPA_PLATFORM; empty when unset
  bool platformArgument = false;   // -platform on the command line
  bool xDisplayReachable = false;  // see XDisplayReachable
  bool waylandSession = false;     // WAYLAND_DISPLAY set, or XDG_SESSION_TYPE "wayland"
};

// The main window opens at a set place and the message boxes at the mouse pointer, which only
// a platform that lets a program place its windows honours; on a Wayland desktop that is X11
// through XWayland. So when the user has named no platform and an X display can be reached,
// the game asks for xcb first, then, on a Wayland desktop, for wayland, which is what Qt
// itself picks there. Returns the value for QT_QPA_PLATFORM, or nothing to leave Qt's own
// choice alone.
std::optional<std::string> ChoosePlatform(const PlatformInputs& inputs);

// Whether the X display named `display` (as in DISPLAY) can be reached: one on this machine
// (":1", ":1.0", "unix:1") when its socket /tmp/.X11-unix/X1 exists, one on another host
// ("localhost:10.0", as ssh forwards it) always, since asking it would hold up the start.
bool XDisplayReachable(std::string_view display,
                       const std::function<bool(const std::string&)>& fileExists);

// Reads PlatformInputs from the environment and sets QT_QPA_PLATFORM when ChoosePlatform
// asks for a platform.
void ChoosePlatformFromEnvironment(bool platformArgument);

// From here until DisplayOpened Qt's messages are held back. When the platform cannot open a
// display the program says so in one line and ends with `status`; any other message is passed
// on unchanged when the display has opened.
void WatchForMissingDisplay(int status = 1);
void DisplayOpened();

}  // namespace stonewick
