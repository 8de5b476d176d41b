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
// How long a wait for something that should come at once may take on a busy
// machine. QTest's QTRY_ macros are not used: their failures do not reach
// GoogleTest.
constexpr int kGenerousMilliseconds = 10000;

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
  ASSERT_TRUE(QTest::qWaitFor([&] { return runs == 1; }, kGenerousMilliseconds));
  EXPECT_TRUE(paintedFirst);
  window.repaint();
  window.hide();
  window.show();
  QTest::qWait(20);
  EXPECT_EQ(runs, 1);
}

// The main window is covered by its surfaces and gets no paint event of its
// own; watching only the window left the work to the fallback, a second late.
TEST(AfterFirstFrame, AWindowCoveredByAnOpaqueChildCountsTheChildsPaint) {
  QWidget window;
  window.setAutoFillBackground(true);
  window.resize(200, 100);
  auto* cover = new PaintedWidget;
  cover->setParent(&window);
  cover->setAttribute(Qt::WA_OpaquePaintEvent);
  cover->setGeometry(0, 0, 200, 100);
  int runs = 0;
  bool paintedFirst = false;
  runAfterFirstFrame(window, [&] {
    ++runs;
    paintedFirst = cover->painted;
  }, kNeverMilliseconds);
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return runs == 1; }, kGenerousMilliseconds));
  EXPECT_TRUE(paintedFirst);
}

TEST(AfterFirstFrame, AnotherWindowsPaintIsNotTheFrame) {
  QWidget window;  // never shown
  PaintedWidget other;
  other.resize(50, 50);
  int runs = 0;
  runAfterFirstFrame(window, [&] { ++runs; }, kNeverMilliseconds);
  other.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return other.painted; }, kGenerousMilliseconds));
  QTest::qWait(20);
  EXPECT_EQ(runs, 0);
}

TEST(AfterFirstFrame, AWindowNeverPaintedStillGetsTheWorkDoneOnce) {
  QWidget window;  // never shown
  int runs = 0;
  runAfterFirstFrame(window, [&] { ++runs; }, 10);
  ASSERT_TRUE(QTest::qWaitFor([&] { return runs == 1; }, kGenerousMilliseconds));
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
