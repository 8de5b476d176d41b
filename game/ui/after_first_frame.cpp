#include "after_first_frame.h"

#include <QEvent>
#include <QTimer>
#include <memory>

namespace vorpex {

namespace {

// Lives as the window's child until the work has run. A window's paint
// events are delivered, its children painted and the result flushed in one
// pass; a zero timer posted at the first paint event therefore runs once
// that frame is on screen.
class FirstFrameWatch : public QObject {
 public:
  FirstFrameWatch(QWidget& window, std::function<void()> work, int fallbackMilliseconds)
      : QObject(&window), work_(std::move(work)) {
    window.installEventFilter(this);
    QTimer::singleShot(fallbackMilliseconds, this, [this] { runOnce(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !posted_) {
      posted_ = true;
      QTimer::singleShot(0, this, [this] { runOnce(); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void runOnce() {
    if (!work_) return;
    std::function<void()> work = std::move(work_);
    work_ = nullptr;
    deleteLater();
    work();
  }

  std::function<void()> work_;
  bool posted_ = false;
};

}  // namespace

void runAfterFirstFrame(QWidget& window, std::function<void()> work, int fallbackMilliseconds) {
  new FirstFrameWatch(window, std::move(work), fallbackMilliseconds);
}

}  // namespace vorpex
