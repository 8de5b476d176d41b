// The lock that keeps one game per store: refused to a second holder while
// the first lives, and never left behind by a holder that is gone.
#include <gtest/gtest.h>

#include "file_lock.h"
#include "temp_files.h"

#if !defined(_WIN32)
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vorpex {
namespace {

using testing::TempDir;
using Result = FileLock::Result;

TEST(FileLock, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
  TempDir dir;
  const std::string path = (dir.path() / "registry.reg.lock").string();
  {
    FileLock first;
    ASSERT_EQ(first.tryLock(path), Result::held);
    FileLock second;
    EXPECT_EQ(second.tryLock(path), Result::heldByAnother);
    FileLock elsewhere;
    EXPECT_EQ(elsewhere.tryLock((dir.path() / "other.lock").string()), Result::held);
  }
  FileLock after;
  EXPECT_EQ(after.tryLock(path), Result::held);
}

TEST(FileLock, AFileInAFolderThatIsMissingCannotBeLocked) {
  TempDir dir;
  FileLock lock;
  EXPECT_EQ(lock.tryLock((dir.path() / "missing" / "registry.reg.lock").string()), Result::unavailable);
}

TEST(FileLock, ALockFileLeftBehindIsLockedAsItStands) {
  TempDir dir;
  // As an earlier version left it after a crash: its holder's process id, program and host.
  const std::string path = dir.write("registry.reg.lock", std::string("2147483646\narcade-vorpex\n\n"));
  FileLock lock;
  EXPECT_EQ(lock.tryLock(path), Result::held);
}

#if !defined(_WIN32)
// A copy of the game that is killed holds nothing afterwards.
TEST(FileLock, AHolderThatEndsWithoutLettingGoHoldsNothing) {
  TempDir dir;
  const std::string path = (dir.path() / "registry.reg.lock").string();
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    FileLock lock;
    const char held = lock.tryLock(path) == Result::held ? 'y' : 'n';
    if (write(ready[1], &held, 1) != 1) _exit(2);
    pause();  // until killed, still holding
    _exit(0);
  }
  char held = 0;
  ASSERT_EQ(read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 'y');
  FileLock whileHeld;
  EXPECT_EQ(whileHeld.tryLock(path), Result::heldByAnother);
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  FileLock afterwards;
  EXPECT_EQ(afterwards.tryLock(path), Result::held);
}
#endif

}  // namespace
}  // namespace vorpex
