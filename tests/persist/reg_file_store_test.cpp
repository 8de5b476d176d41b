// The file-backed keyed store: registry semantics, atomic replacement, damage.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "store_fixture.h"

namespace vorpex {
namespace {

using testing::StoreTest;

const std::vector<uint8_t> kThree = {1, 2, 3};

TEST_F(StoreTest, MissingFileIsAnEmptyStoreAndNothingIsWrittenUntilAChange) {
  KeyHandle software = 0, key = 0;
  ASSERT_TRUE(store.openSoftware(software));
  ASSERT_TRUE(store.createKey(software, kSettingsKeyPath, kSettingsKeyClass, key));
  uint8_t buffer[4];
  uint32_t size = sizeof buffer;
  EXPECT_FALSE(store.queryValue(key, "SOLVINGDATA", buffer, size));
  EXPECT_TRUE(store.closeKey(key));
  EXPECT_TRUE(store.closeKey(software));
  EXPECT_EQ(fileText(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0]\r\n\r\n")
      << "a created key is a change";
}

TEST_F(StoreTest, KeysAndValuesThatTheProgramDoesNotKnowSurviveASave) {
  writeFileText(
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n\"X\"=dword:00000001\r\n\r\n"
      "[HKEY_CURRENT_USER\\Software\\Quenta\\Arcade Vorpex\\1.0]\r\n\"FUTURE\"=hex(7):41,00,00,00\r\n"
      "\"SOLVINGDATA\"=dword:00000005\r\n");
  KeyHandle software = 0, key = 0;
  ASSERT_TRUE(store.openSoftware(software));
  ASSERT_TRUE(store.createKey(software, kSettingsKeyPath, kSettingsKeyClass, key));
  store.setValue(key, "SOLVINGDATA", ValueType::binary, kThree.data(), 3);
  store.closeKey(key);
  ASSERT_TRUE(store.closeKey(software));
  const std::string text = fileText();
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\Software\\Other]\r\n\"X\"=dword:00000001\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"FUTURE\"=hex(7):41,00,00,00\r\n"), std::string::npos);
  EXPECT_NE(text.find("\"SOLVINGDATA\"=hex:01,02,03\r\n"), std::string::npos);
  EXPECT_EQ(text.find("dword:00000005"), std::string::npos) << "the program's value replaced it";
}

TEST_F(StoreTest, InterruptedSaveLeavesTheOldFileWhole) {
  writeFileText("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quenta]\r\n\"OLD\"=hex:07\r\n\r\n");
  const std::string before = fileText();
  testing::FailingRename failing;
  RegFileStore interrupted(storePath(), failing);
  KeyHandle software = 0, key = 0;
  ASSERT_TRUE(interrupted.openSoftware(software));
  ASSERT_TRUE(interrupted.createKey(software, kSettingsKeyPath, kSettingsKeyClass, key));
  interrupted.setValue(key, "NEW", ValueType::binary, kThree.data(), 3);
  interrupted.closeKey(key);
  EXPECT_FALSE(interrupted.closeKey(software)) << "the failed write is reported";
  EXPECT_EQ(fileText(), before);
  const auto inFolder = std::distance(std::filesystem::directory_iterator(dir.path() / "arcade-vorpex"), {});
  EXPECT_EQ(inFolder, 1) << "no temporary file is left";
}

TEST_F(StoreTest, DamagedFileIsKeptBesideBeforeTheFirstSaveReplacesIt) {
  const std::string damaged = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Quenta]\r\n\"A\"=hex:zz\r\n\"B\"=hex:02\r\n";
  writeFileText(damaged);
  for (int save = 0; save < 2; ++save) {
    KeyHandle software = 0, key = 0;
    ASSERT_TRUE(store.openSoftware(software));
    ASSERT_TRUE(store.createKey(software, "Quenta", "", key));
    uint8_t b = 0;
    uint32_t size = 1;
    EXPECT_TRUE(store.queryValue(key, "B", &b, size)) << "what can be read is used";
    store.setValue(key, "C", ValueType::binary, kThree.data(), 3);
    store.closeKey(key);
    ASSERT_TRUE(store.closeKey(software));
  }
  const std::string copy = storePath() + ".damaged-20261207-120000";
  const auto kept = vorpex::testing::readBytes(copy);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), damaged);
  EXPECT_FALSE(std::filesystem::exists(copy + "-2")) << "the clean file is not copied again";
  EXPECT_FALSE(parseRegFile(fileText()).damaged);
}

// A kill between keeping the damaged copy and writing the store once made a
// second copy of the same damaged file at the next start.
TEST_F(StoreTest, ADamagedFileAlreadyKeptIsNotKeptAgain) {
  const std::string damaged = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Quenta]\r\n\"A\"=hex:zz\r\n";
  writeFileText(damaged);
  dir.write("arcade-vorpex/registry.reg.damaged-20261206-080000", damaged);
  KeyHandle software = 0, key = 0;
  ASSERT_TRUE(store.openSoftware(software));
  ASSERT_TRUE(store.createKey(software, "Quenta", "", key));
  store.setValue(key, "C", ValueType::binary, kThree.data(), 3);
  store.closeKey(key);
  ASSERT_TRUE(store.closeKey(software));
  EXPECT_FALSE(std::filesystem::exists(storePath() + ".damaged-20261207-120000"));
  EXPECT_FALSE(parseRegFile(fileText()).damaged);
}

TEST_F(StoreTest, WhatAKilledWriteLeftBehindIsRemovedButNothingElse) {
  const std::vector<std::string> stale = {"registry.reg.tmp", "registry.reg.tmp-a1B2c3",
                                          "registry.reg.damaged-20261207-120000.tmp",
                                          "registry.reg.damaged-20261207-120000.tmp-XyZ123"};
  const std::vector<std::string> kept = {"registry.reg", "registry.reg.damaged-20261207-120000",
                                         "registry.reg.lock", "other.tmp"};
  std::filesystem::create_directories(dir.path() / "arcade-vorpex");
  for (const auto& name : stale) dir.write("arcade-vorpex/" + name, std::string("x"));
  for (const auto& name : kept) dir.write("arcade-vorpex/" + name, std::string("x"));
  removeStaleTemporaries(files, storePath());
  for (const auto& name : stale) EXPECT_FALSE(std::filesystem::exists(dir.path() / "arcade-vorpex" / name)) << name;
  for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(dir.path() / "arcade-vorpex" / name)) << name;
}

TEST_F(StoreTest, FileWhereTheFolderShouldBeOrAFolderWhereTheFileShouldBeCannotBeOpened) {
  dir.write("arcade-vorpex", std::string("not a folder"));
  KeyHandle software = 0;
  EXPECT_FALSE(store.openSoftware(software));

  std::filesystem::remove(dir.path() / "arcade-vorpex");
  std::filesystem::create_directories(storePath());  // a folder named registry.reg
  EXPECT_FALSE(store.openSoftware(software));
}

#if !defined(_WIN32)  // Windows keeps its settings in the registry itself
TEST(DefaultStorePath, FollowsXdgConfigHomeOrFallsBackToHome) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "";
  const char* oldHome = std::getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  setenv("HOME", "/home/player", 1);
  setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(defaultStorePath(), "/cfg/arcade-vorpex/registry.reg");
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);
  EXPECT_EQ(defaultStorePath(), "/home/player/.config/arcade-vorpex/registry.reg");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(defaultStorePath(), "/home/player/.config/arcade-vorpex/registry.reg");
  if (oldXdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
  if (oldHome) setenv("HOME", savedHome.c_str(), 1);
}
#endif

}  // namespace
}  // namespace vorpex
