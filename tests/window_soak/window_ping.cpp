// window_ping WINDOW [TIMEOUT_MS]: asks a window's program whether its event loop still
// runs, with the _NET_WM_PING message that desktops use to spot a hung program. Exit 0: it
// answered; 1: no answer in time; 2: no display or bad arguments; 3: it takes no pings;
// 4: there is no such window (its program closed it, or closed).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/select.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Xlib's own handler ends the program on any error; a window that closes while it is pinged
// must instead give its own exit status.
bool windowGone = false;

int NoteError(Display*, XErrorEvent* error) {
  windowGone = windowGone || error->error_code == BadWindow;
  return 0;
}

bool TakesPings(Display* display, Window window, Atom ping) {
  Atom* protocols = nullptr;
  int count = 0;
  bool found = false;
  if (XGetWMProtocols(display, window, &protocols, &count) != 0) {
    for (int i = 0; i < count; ++i) {
      found = found || protocols[i] == ping;
    }
    XFree(protocols);
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: window_ping WINDOW [TIMEOUT_MS]\n");
    return 2;
  }
  const auto window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
  const long timeoutMs = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 5000;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "window_ping: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(NoteError);
  const Window root = DefaultRootWindow(display);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
  const bool takesPings = TakesPings(display, window, ping);
  XSync(display, False);
  if (windowGone) {
    std::fprintf(stderr, "window_ping: there is no window %s\n", argv[1]);
    XCloseDisplay(display);
    return 4;
  }
  if (!takesPings) {
    std::fprintf(stderr, "window_ping: window %s takes no pings\n", argv[1]);
    XCloseDisplay(display);
    return 3;
  }
  // The answer comes back as the same message sent to the root window.
  XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);

  const auto start = std::chrono::steady_clock::now();
  const long stamp = static_cast<long>(start.time_since_epoch().count() & 0x7fffffff);
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window;
  message.xclient.message_type = protocols;
  message.xclient.format = 32;
  message.xclient.data.l[0] = static_cast<long>(ping);
  message.xclient.data.l[1] = stamp;
  message.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(display, window, False, NoEventMask, &message);
  XSync(display, False);

  const int fd = ConnectionNumber(display);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == ClientMessage && event.xclient.message_type == protocols &&
          static_cast<Atom>(event.xclient.data.l[0]) == ping && event.xclient.data.l[1] == stamp) {
        XCloseDisplay(display);
        return 0;
      }
    }
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
    if (windowGone) {
      XCloseDisplay(display);
      return 4;
    }
    if (waited >= timeoutMs) {
      XCloseDisplay(display);
      return 1;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval wait{0, 50'000};
    select(fd + 1, &readable, nullptr, nullptr, &wait);
  }
}
