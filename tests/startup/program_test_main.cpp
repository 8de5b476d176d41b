// GoogleTest main for whole-program tests: as the window tests' main, but
// over the program's own application class, so that its boundary for
// failures in event handlers is what the tests exercise.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "shipped_fonts.h"

#include "guarded_application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
#if defined(_WIN32)
  // The Qt plugins lie in the program folder, beside the game, not beside
  // the test program.
  QCoreApplication::addLibraryPath(QStringLiteral(VORPEX_APP_DIR));
#endif
  vorpex::GuardedApplication app(argc, argv);
#if defined(_WIN32)
  // The fonts the game registers at its start.
  vorpex::useShippedFonts(VORPEX_APP_DIR);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
