// Replacing the store's file: whole whoever else writes it at the same
// moment, through a symbolic link, and with the file's own mode.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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

bool replace(FileSystem& files, const std::string& path, const std::string& bytes) {
  std::string problem;
  return files.replaceFile(path, bytes, path, problem);
}

mode_t modeOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0);
  return info.st_mode & 07777;
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
    for (int i = 0; i < 40; ++i) failed += replace(files, path, bytes) ? 0 : 1;
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
  ASSERT_TRUE(replace(files, link.string(), "new"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(contentOf(target), "new");
  EXPECT_EQ(filesIn(dir.path() / "dotfiles"), 1u);
}

// The damaged-store copy once got the umask's 0644 though it holds the
// whole store, names included; setuid bits travelled to a new store; and a
// store its owner made read-only was replaced all the same.
TEST(ReplaceFile, AFileGetsThePermissionsItsOwnerGaveNeverMoreAndAReadOnlyOneStays) {
  const mode_t usual = 0666 & ~static_cast<mode_t>(fileCreationMask());
  struct Case {
    const char* what;
    std::optional<mode_t> before;  // the file's own, when it exists
    std::optional<mode_t> model;   // another file's it takes its mode from
    bool replaced;
    mode_t after;
  };
  const Case cases[] = {
      {"a new file", std::nullopt, std::nullopt, true, usual},
      {"a private file", 0600, std::nullopt, true, 0600},
      {"a setuid file", 04755, std::nullopt, true, 0755},
      {"a copy of a private store", std::nullopt, 0600, true, 0600},
      {"a copy of a setgid store", std::nullopt, 02640, true, 0640},
      {"a read-only file", 0444, std::nullopt, false, 0444},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const fs::path path = dir.path() / "registry.reg.damaged-1";
    const fs::path model = dir.path() / "registry.reg";
    if (c.before) {
      dir.write(path.filename().string(), "old");
      chmod(path.c_str(), *c.before);
    }
    if (c.model) {
      dir.write(model.filename().string(), "store");
      chmod(model.c_str(), *c.model);
    }
    LocalFileSystem files;
    std::string problem;
    EXPECT_EQ(files.replaceFile(path.string(), "new", c.model ? model.string() : path.string(), problem), c.replaced);
    EXPECT_EQ(modeOf(path), c.after);
    EXPECT_EQ(contentOf(path), c.replaced ? "new" : "old");
    if (!c.replaced) {
      EXPECT_EQ(problem, path.string() + ": is read-only");
    }
  }
}
#endif

#if defined(_WIN32)
// A write on Windows once went through a fixed ".tmp" name with the narrow
// calls: a folder the code page cannot name failed, and a file of the
// player's under that name was overwritten.
TEST(ReplaceFile, OnWindowsAWriteGoesThroughATemporaryOfItsOwnInAnyFolder) {
  TempDir dir;
  const fs::path folder = dir.path() / fs::path(u8"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac");
  fs::create_directories(folder);
  const std::u8string u8 = (folder / "registry.reg").u8string();
  const std::string path(u8.begin(), u8.end());
  std::ofstream(folder / "registry.reg.tmp") << "the player's";
  LocalFileSystem files;
  for (const char* bytes : {"first", "second"}) {
    std::string problem;
    ASSERT_TRUE(files.replaceFile(path, bytes, path, problem)) << problem;
  }
  std::string back;
  ASSERT_EQ(files.readFile(path, back, 100), ReadResult::ok);
  EXPECT_EQ(back, "second");
  std::string kept;
  std::getline(std::ifstream(folder / "registry.reg.tmp"), kept);
  EXPECT_EQ(kept, "the player's");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2) << "no temporary is left";
}
#endif

}  // namespace
}  // namespace vorpex
