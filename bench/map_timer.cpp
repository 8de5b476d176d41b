// Times a program from its start to the moment its window titled TITLE is
// mapped on the X display, without polling: it listens for the root
// window's map events before it starts the program. Then it ends the
// program (SIGTERM) and waits for it.
//
//   map_timer TITLE PROGRAM [ARGUMENT...]
//
// Prints the milliseconds on standard output; exits 1, saying why, when the
// display cannot be opened, the program cannot start, or it ends first.
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
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  const auto started = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    std::fprintf(stderr, "map_timer: cannot start %s: %s\n", argv[2], std::strerror(errno));
    _exit(127);
  }
  int status = 0;
  pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
  // Wakes at least every 50 ms to see whether the program is still running.
  while (waitpid(child, &status, WNOHANG) != child && !xcb_connection_has_error(x)) {
    poll(&display, 1, 50);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
      const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
      free(event);
      if (mapped && windowName(x, window) == title) {
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - started;
        std::printf("%.1f\n", took.count());
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
        return 0;
      }
    }
  }
  std::fprintf(stderr, "map_timer: %s ended before its window showed\n", argv[2]);
  return 1;
}
