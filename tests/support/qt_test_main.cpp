// GoogleTest main for window tests: Qt's offscreen platform (with the
// options a test run names, such as a screen of its own), one QApplication,
// and a temporary XDG_CONFIG_HOME so that no test touches a real store.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "shipped_fonts.h"

int main(int argc, char** argv) {
  if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
#if defined(_WIN32)
  // The Qt plugins lie in the program folder, beside the game, not beside
  // the test program.
  QCoreApplication::addLibraryPath(QStringLiteral(VORPEX_APP_DIR));
#endif
  QApplication app(argc, argv);
#if defined(_WIN32)
  // The fonts the game registers at its start.
  vorpex::useShippedFonts(VORPEX_APP_DIR);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
