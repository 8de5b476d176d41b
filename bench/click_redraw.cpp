// Times a click on a tile to the screen, through the whole game: a Classic
// game started on the program folder's own dictionary, the press and
// release made by the X server itself (XTEST) at the tile, the rules
// picking or taking back the tile, the board drawn and refreshed, the
// window's backing store flushed and the X server caught up
// (QGuiApplication::sync). Over 21 clicks; prints the median and the
// largest in milliseconds, the window's size, and the medians of the time
// to the board drawn and of the time to the press reaching the board.
//
//   click_redraw APPDIR [--full-screen] [--whole]
//
// --full-screen shows the window full screen; --whole also asks for the
// whole board to be shown again on each click, as every change did before
// only the changed part was sent. With DRAW_ONLY=N set it times N presses
// handed straight to the board's controller instead (the rules and the
// drawing alone, for a profiler).
#include <QApplication>
#include <QElapsedTimer>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "program.h"

namespace {
using namespace vorpex;

struct Silence : SoundOutput {
  void play(const std::string&) override {}
  void stop() override {}
};
struct NoViewer : DocumentOpener {
  bool open(const std::string&) override { return false; }
};
struct ToStandardError : MessageSink {
  void showMessage(const std::string& text) override { std::fprintf(stderr, "click_redraw: %s\n", text.c_str()); }
};
struct Steady : RandomSource {
  double nextFraction() override { return 0.37; }
};

// Notes when a press reaches the board.
struct PressWatch : QObject {
  QElapsedTimer* timer = nullptr;
  double at = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && timer) at = static_cast<double>(timer->nsecsElapsed()) / 1e6;
    return false;
  }
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fputs("usage: click_redraw APPDIR [--full-screen] [--whole]\n", stderr);
    return 2;
  }
  bool fullScreen = false, whole = false;
  for (int i = 2; i < argc; ++i) {
    fullScreen = fullScreen || std::strcmp(argv[i], "--full-screen") == 0;
    whole = whole || std::strcmp(argv[i], "--whole") == 0;
  }
  const auto store = std::filesystem::temp_directory_path() / ("click_redraw." + std::to_string(QCoreApplication::applicationPid()));
  Silence silence;
  NoViewer opener;
  ToStandardError messages;
  Steady random;
  ProgramEnvironment environment;
  environment.appDir = std::string(argv[1]) + "/";
  environment.storePath = store.string();
  environment.random = &random;
  environment.soundOutput = &silence;
  environment.opener = &opener;
  environment.messages = &messages;
  Program program(environment);
  if (const std::string problem = program.start(); !problem.empty()) {
    std::fprintf(stderr, "click_redraw: %s\n", problem.c_str());
    return 1;
  }
  program.divertClick(1);  // Classic Arcade
  MainWindow& window = program.window();
  if (fullScreen) window.toggleFullScreen();
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 50);

  SurfaceWidget& board = window.boardWidget();
  const QRect tile = window.boxes().tiles(1).rect();
  const QPoint at(static_cast<int>(tile.center().x() * board.zoom()), static_cast<int>(tile.center().y() * board.zoom()));
  // The tile's place on the screen, in the X server's pixels.
  const QPoint onScreen = board.mapToGlobal(at) * board.devicePixelRatioF();
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fputs("click_redraw: no X display\n", stderr);
    return 1;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  const auto fake = [&](uint8_t type, uint8_t detail) {
    xcb_test_fake_input(x, type, detail, XCB_CURRENT_TIME, root, static_cast<int16_t>(onScreen.x()),
                        static_cast<int16_t>(onScreen.y()), 0);
  };
  fake(XCB_MOTION_NOTIFY, 0);
  xcb_flush(x);
  settle.restart();
  while (settle.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 20);

  if (std::getenv("DRAW_ONLY")) {  // for a profiler: the rules and the drawing alone
    const int n = std::atoi(std::getenv("DRAW_ONLY"));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < n; ++i) program.controller().boardPressed(1, tile.center().x(), tile.center().y());
    std::printf("%.3f ms a click's rules and drawing\n", static_cast<double>(timer.nsecsElapsed()) / 1e6 / n);
    return 0;
  }
  std::vector<double> times, drawn, delivered;
  PressWatch watch;
  board.installEventFilter(&watch);
  const int clicks = std::getenv("CLICKS") ? std::atoi(std::getenv("CLICKS")) : 21;
  for (int click = 0; click < clicks; ++click) {
    const int before = window.board().refreshCount();
    QElapsedTimer timer;
    timer.start();
    watch.timer = &timer;
    fake(XCB_BUTTON_PRESS, 1);  // picks the tile, or takes it back
    fake(XCB_BUTTON_RELEASE, 1);
    xcb_flush(x);
    while (window.board().refreshCount() == before && timer.elapsed() < 2000)
      QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    drawn.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    delivered.push_back(watch.at);
    if (whole) board.update();
    QApplication::processEvents();
    QGuiApplication::sync();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    QApplication::processEvents();
  }
  xcb_disconnect(x);
  std::printf("%.3f %.3f %dx%d %.3f %.3f\n", median(times), *std::max_element(times.begin(), times.end()), window.width(),
              window.height(), median(drawn), median(delivered));
  program.unload();
  std::filesystem::remove(store);
  return 0;
}
