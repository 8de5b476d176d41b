// Times a program from its start to the moment its window titled TITLE is
// mapped on the X display, and to its first frame: the first drawing into
// that window the X server reports (DAMAGE). Nothing is polled: it listens
// for the root window's events before it starts the program, and watches
// every new top-level window for drawing from its creation on, since the
// title is set after the window is made. Then it ends the program (SIGTERM)
// and waits for it.
//
//   map_timer TITLE PROGRAM [ARGUMENT...]
//
// Prints "MAP_MS FIRST_FRAME_MS" on standard output; exits 1, saying why,
// when the display cannot be opened or lacks DAMAGE, the program cannot
// start, or it ends first.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The window's WM_NAME, or empty when it has none.
std::string windowName(xcb_connection_t* x, xcb_window_t window) {
  xcb_get_property_cookie_t cookie =
      xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(x, cookie, nullptr);
  if (!reply) return {};
  std::string name(static_cast<const char*>(xcb_get_property_value(reply)),
                   static_cast<size_t>(xcb_get_property_value_length(reply)));
  free(reply);
  return name;
}

// Whether the server has DAMAGE; agrees on its version as the extension asks.
bool startDamage(xcb_connection_t* x) {
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(x, &xcb_damage_id);
  if (!extension || !extension->present) return false;
  free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: map_timer TITLE PROGRAM [ARGUMENT...]\n", stderr);
    return 1;
  }
  const std::string title = argv[1];
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fputs("map_timer: cannot open the display\n", stderr);
    return 1;
  }
  if (!startDamage(x)) {
    std::fputs("map_timer: the display has no DAMAGE extension\n", stderr);
    return 1;
  }
  const uint8_t damageNotify = xcb_get_extension_data(x, &xcb_damage_id)->first_event + XCB_DAMAGE_NOTIFY;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  using Clock = std::chrono::steady_clock;
  const auto started = Clock::now();
  const auto since = [started] { return std::chrono::duration<double, std::milli>(Clock::now() - started).count(); };
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    std::fprintf(stderr, "map_timer: cannot start %s: %s\n", argv[2], std::strerror(errno));
    _exit(127);
  }
  double mappedAt = -1;
  double drawnAt = -1;
  int status = 0;
  pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
  // Wakes at least every 50 ms to see whether the program is still running.
  while (waitpid(child, &status, WNOHANG) != child && !xcb_connection_has_error(x)) {
    poll(&display, 1, 50);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      const uint8_t type = event->response_type & 0x7f;
      if (type == XCB_CREATE_NOTIFY) {
        // Drawing is reported from here on, whatever the window turns out to be.
        const xcb_window_t window = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
        xcb_damage_create(x, xcb_generate_id(x), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(x);
      } else if (type == XCB_MAP_NOTIFY && mappedAt < 0) {
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        if (windowName(x, window) == title) mappedAt = since();
      } else if (type == damageNotify && drawnAt < 0) {
        const xcb_window_t window = reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable;
        if (windowName(x, window) == title) drawnAt = since();
      }
      free(event);
    }
    if (mappedAt >= 0 && drawnAt >= 0) {
      std::printf("%.1f %.1f\n", mappedAt, drawnAt);
      kill(child, SIGTERM);
      waitpid(child, &status, 0);
      return 0;
    }
  }
  std::fprintf(stderr, "map_timer: %s ended before its window showed\n", argv[2]);
  return 1;
}
