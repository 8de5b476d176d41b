// GoogleTest main for whole-program tests: as the window tests' main, but
// over the program's own application class, so that its boundary for
// failures in event handlers is what the tests exercise.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "guarded_application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  vorpex::GuardedApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
