// Answers the modal windows a test opens: while it lives, every modal window
// that comes up is handed to `answer`, which must close it. The check runs
// from a timer inside the modal window's own event loop.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vorpex::testing {

class ModalCloser {
 public:
  explicit ModalCloser(std::function<void(QWidget&)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        ++answered;
        answer_(*modal);
      }
    });
    timer_.start();
  }
  int answered = 0;

 private:
  std::function<void(QWidget&)> answer_;
  QTimer timer_;
};

}  // namespace vorpex::testing
