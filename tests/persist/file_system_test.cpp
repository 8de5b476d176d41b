// Replacing the store's file: whole whoever else writes it at the same
// moment, through a symbolic link, and with the file's own mode.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "file_system.h"
#include "store_fixture.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace vorpex {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// Windows keeps the store in the registry, and its renames lock files that
// are open, so these are for the file backend where it is the store.
#if !defined(_WIN32)
size_t filesIn(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

std::string contentOf(const fs::path& path) {
  const auto bytes = testing::readBytes(path.string());
  return {bytes.begin(), bytes.end()};
}

// Two copies of the game once shared one temporary file: a logout that
// ended both at once tore the store or left one waiting on a failed rename.
TEST(ReplaceFile, TwoWritersAtOnceAlwaysLeaveOneWholeFile) {
  TempDir dir;
  const std::string path = (dir.path() / "registry.reg").string();
  const std::string mine(300000, 'a'), theirs(200000, 'b');
  int failures = 0;
  auto writer = [&](const std::string& bytes, int& failed) {
    LocalFileSystem files;
    for (int i = 0; i < 40; ++i) failed += files.replaceFile(path, bytes) ? 0 : 1;
  };
  int theirFailures = 0;
  std::thread other(writer, std::cref(theirs), std::ref(theirFailures));
  writer(mine, failures);
  other.join();
  EXPECT_EQ(failures + theirFailures, 0);
  const std::string left = contentOf(path);
  EXPECT_TRUE(left == mine || left == theirs) << "a torn file of " << left.size() << " bytes";
  EXPECT_EQ(filesIn(dir.path()), 1u) << "no temporary file is left";
}

TEST(ReplaceFile, ALinkIsWrittenThroughToItsTargetAndStaysALink) {
  TempDir dir;
  fs::create_directories(dir.path() / "dotfiles");
  const fs::path target = dir.path() / "dotfiles" / "registry.reg";
  const fs::path link = dir.path() / "registry.reg";
  dir.write("dotfiles/registry.reg", "old");
  fs::create_symlink(target, link);
  LocalFileSystem files;
  ASSERT_TRUE(files.replaceFile(link.string(), "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(contentOf(target), "new");
  EXPECT_EQ(filesIn(dir.path() / "dotfiles"), 1u);
}

TEST(ReplaceFile, TheFileKeepsItsModeAndANewOneGetsTheUsualMode) {
  TempDir dir;
  const fs::path path = dir.path() / "registry.reg";
  LocalFileSystem files;
  ASSERT_TRUE(files.replaceFile(path.string(), "first"));
  const mode_t mask = umask(0);
  umask(mask);
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
  chmod(path.c_str(), 0600);
  ASSERT_TRUE(files.replaceFile(path.string(), "second"));
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(contentOf(path), "second");
}
#endif

}  // namespace
}  // namespace vorpex
