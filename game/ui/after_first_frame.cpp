#include "after_first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <memory>

namespace vorpex {

namespace {

// A few of a compositor's frames: the picture is on screen by then, and a
// player has not yet reached for the mouse.
constexpr int kSettleMilliseconds = 50;

// Lives as the window's child until the work has run. A window's paint
// events are delivered, its children painted and the result flushed in one
// pass; a timer started at the first paint event therefore runs after that
// frame has been handed to the display. The paint events of the whole
// application are watched, not the window's own: a window covered by opaque
// children (the main window's surfaces) gets none of its own.
class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(QWidget& window, std::function<void()> work, int fallbackMilliseconds)
      : QObject(&window), window_(window), work_(std::move(work)) {
    QCoreApplication::instance()->installEventFilter(this);
    QTimer::singleShot(fallbackMilliseconds, this, [this] { runOnce(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
      QCoreApplication::instance()->removeEventFilter(this);
      QTimer::singleShot(kSettleMilliseconds, this, [this] { runOnce(); });
    }
    return false;
  }

 private:
  void runOnce() {
    if (!work_) return;
    std::function<void()> work = std::move(work_);
    work_ = nullptr;
    deleteLater();
    work();
  }

  QWidget& window_;
  std::function<void()> work_;
};

}  // namespace

void runAfterFirstFrame(QWidget& window, std::function<void()> work, int fallbackMilliseconds) {
  new FirstFrameWatch(window, std::move(work), fallbackMilliseconds);
}

}  // namespace vorpex
