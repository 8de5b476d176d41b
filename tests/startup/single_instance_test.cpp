// One running game per store: a second start finds the first, asks it to
// come forward and ends once it answers; a lock file left by a copy that
// crashed does not stop a start; and no file put where the lock or the
// knock file belongs hangs a start, is written through, or lets two copies
// run unnoticed.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <future>

#include "single_instance.h"
#include "temp_files.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace vorpex {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using Outcome = SingleInstance::Outcome;
using namespace std::chrono_literals;

// A second start knocks from a thread of its own, so that the holder's event
// loop, on this thread, can answer while it waits.
Outcome secondStart(const std::string& store, std::chrono::milliseconds wait = 20s) {
  auto second = std::async(std::launch::async, [&] { return SingleInstance(store).acquire(wait); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return second.wait_for(0s) == std::future_status::ready; }, 30000));
  return second.get();
}

// Two copies that ran on one store once both wrote the whole settings key
// at exit, the last erasing the other's best score; a knock file deleted
// under the holder once left a second start told it had raised a window.
TEST(SingleInstance, ASecondStartIsAnsweredByTheHolderEvenAfterItsKnockFileWasDeleted) {
  TempDir dir;
  const std::string store = (dir.path() / "arcade-vorpex" / "registry.reg").string();  // no folder yet
  int knocks = 0;
  {
    SingleInstance first(store);
    first.onAnotherStart = [&] { ++knocks; };
    ASSERT_EQ(first.acquire(), Outcome::holding);
    EXPECT_EQ(secondStart(store), Outcome::broughtForward);
    EXPECT_EQ(knocks, 1);

    fs::remove(store + ".knock");
    EXPECT_EQ(secondStart(store), Outcome::broughtForward);
    EXPECT_EQ(knocks, 2);

    TempDir otherDir;
    SingleInstance elsewhere((otherDir.path() / "registry.reg").string());
    EXPECT_EQ(elsewhere.acquire(), Outcome::holding) << "another store is another game";
  }
  SingleInstance after(store);
  EXPECT_EQ(after.acquire(), Outcome::holding) << "the first one ended and let go";
}

TEST(SingleInstance, ALockHeldByAProgramThatDoesNotAnswerIsSaidSo) {
  TempDir dir;
  const std::string store = (dir.path() / "registry.reg").string();
  FileLock other;
  ASSERT_EQ(other.tryLock(store + ".lock"), FileLock::Result::held);
  SingleInstance second(store);
  EXPECT_EQ(second.acquire(200ms), Outcome::unanswered);
  EXPECT_NE(second.problem().find(store + ".lock"), std::string::npos) << second.problem();
  EXPECT_NE(second.problem().find("did not answer"), std::string::npos) << second.problem();
  // A signal during the wait once went unheard until the wait was over,
  // and then behind a message box nobody would answer.
  int asked = 0;
  EXPECT_EQ(SingleInstance(store).acquire(std::chrono::hours(1), [&] { return ++asked == 3; }), Outcome::interrupted);
}

TEST(SingleInstance, ALockFileLeftByACopyThatCrashedDoesNotStopAStart) {
  TempDir dir;
  const std::string store = (dir.path() / "registry.reg").string();
  // As an earlier version left it: the holder's process id, program and
  // host; no process has this id.
  std::ofstream(store + ".lock") << "2147483646\narcade-vorpex\n\n";
  SingleInstance instance(store);
  EXPECT_EQ(instance.acquire(), Outcome::holding);
}

// A pipe once hung the start for ever in open, a link had its target
// emptied, and a lock that could not be opened let two copies run; on
// Windows the knock file was truncated through its path.
TEST(SingleInstance, WhatLiesInPlaceOfTheLockOrKnockFileNeverHangsNorIsWrittenThrough) {
  struct Case {
    const char* what;
    std::function<void(const std::string& store, const std::string& playerFile)> place;
    Outcome first;
  };
  const Case cases[] = {
      {"a folder as the lock", [](const std::string& s, const std::string&) { fs::create_directory(s + ".lock"); },
       Outcome::unguarded},
      {"a folder as the knock file",
       [](const std::string& s, const std::string&) { fs::create_directory(s + ".knock"); }, Outcome::holding},
#if !defined(_WIN32)
      {"a link as the lock",
       [](const std::string& s, const std::string& f) { fs::create_symlink(f, s + ".lock"); }, Outcome::unguarded},
      {"a pipe as the lock", [](const std::string& s, const std::string&) { mkfifo((s + ".lock").c_str(), 0600); },
       Outcome::unguarded},
      {"a pipe as the knock file",
       [](const std::string& s, const std::string&) { mkfifo((s + ".knock").c_str(), 0600); }, Outcome::holding},
      {"a link as the knock file",
       [](const std::string& s, const std::string& f) { fs::create_symlink(f, s + ".knock"); }, Outcome::holding},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string store = (dir.path() / "registry.reg").string();
    const std::string playerFile = dir.write("notes.txt", std::string("a player's 23 bytes....").substr(0, 23));
    c.place(store, playerFile);
    SingleInstance first(store);
    ASSERT_EQ(first.acquire(), c.first);
    if (c.first == Outcome::unguarded) {
      EXPECT_NE(first.problem().find(store + ".lock"), std::string::npos) << first.problem();
    } else {
      EXPECT_EQ(secondStart(store, 200ms), Outcome::unanswered) << "a knock that raised nothing says so";
    }
    EXPECT_EQ(fs::file_size(playerFile), 23u);
  }
}

}  // namespace
}  // namespace vorpex
