// One running game per store: a second start finds the first, asks it to
// come forward and ends; a lock file left by a copy that crashed does not
// stop a start.
#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "single_instance.h"
#include "temp_files.h"

namespace vorpex {
namespace {

using testing::TempDir;

// Two copies that ran on one store once both wrote the whole settings key
// at exit, the last erasing the other's best score.
TEST(SingleInstance, ASecondStartOnTheSameStoreAsksTheFirstToComeForward) {
  TempDir dir;
  const std::string store = (dir.path() / "arcade-vorpex" / "registry.reg").string();  // no folder yet
  int knocks = 0;
  {
    SingleInstance first(store);
    first.onAnotherStart = [&] { ++knocks; };
    ASSERT_TRUE(first.acquire());
    SingleInstance second(store);
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(QTest::qWaitFor([&] { return knocks == 1; }, 10000));

    TempDir otherDir;
    SingleInstance elsewhere((otherDir.path() / "registry.reg").string());
    EXPECT_TRUE(elsewhere.acquire()) << "another store is another game";
  }
  SingleInstance after(store);
  EXPECT_TRUE(after.acquire()) << "the first one ended and let go";
}

TEST(SingleInstance, ALockFileLeftByACopyThatCrashedDoesNotStopAStart) {
  TempDir dir;
  const std::string store = (dir.path() / "registry.reg").string();
  // As an earlier version left it: the holder's process id, program and
  // host; no process has this id.
  std::ofstream(store + ".lock") << "2147483646\narcade-vorpex\n\n";
  SingleInstance instance(store);
  EXPECT_TRUE(instance.acquire());
}

}  // namespace
}  // namespace vorpex
