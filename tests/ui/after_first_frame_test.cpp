#include "after_first_frame.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>

namespace vorpex {
namespace {

// Records whether it has been painted, so the work can tell what came first.
class PaintedWidget : public QWidget {
 public:
  bool painted = false;

 protected:
  void paintEvent(QPaintEvent*) override { painted = true; }
};

constexpr int kNeverMilliseconds = 60 * 60 * 1000;

TEST(AfterFirstFrame, RunsOnceAfterTheFirstPaintAndNotBefore) {
  PaintedWidget window;
  window.resize(200, 100);
  int runs = 0;
  bool paintedFirst = false;
  runAfterFirstFrame(window, [&] {
    ++runs;
    paintedFirst = window.painted;
  }, kNeverMilliseconds);
  QCoreApplication::processEvents();
  EXPECT_EQ(runs, 0) << "a window not yet shown has no frame";
  window.show();
  EXPECT_EQ(runs, 0);
  QTRY_COMPARE(runs, 1);
  EXPECT_TRUE(paintedFirst);
  window.repaint();
  window.hide();
  window.show();
  QTest::qWait(20);
  EXPECT_EQ(runs, 1);
}

TEST(AfterFirstFrame, AWindowNeverPaintedStillGetsTheWorkDoneOnce) {
  QWidget window;  // never shown
  int runs = 0;
  runAfterFirstFrame(window, [&] { ++runs; }, 10);
  QTRY_COMPARE(runs, 1);
  QTest::qWait(30);
  EXPECT_EQ(runs, 1);
}

TEST(AfterFirstFrame, AWindowGoneFirstDropsTheWork) {
  int runs = 0;
  auto window = std::make_unique<QWidget>();
  runAfterFirstFrame(*window, [&] { ++runs; }, 10);
  window.reset();
  QTest::qWait(30);
  EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace vorpex
