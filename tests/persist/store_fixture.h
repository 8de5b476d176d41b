// A real file-backed store in a temporary folder, with a recording message sink.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_system.h"
#include "message_sink.h"
#include "reg_file_store.h"
#include "temp_files.h"

namespace vorpex::testing {

class RecordingMessages : public MessageSink {
 public:
  void showMessage(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

// Fails the rename that ends an atomic replace, after the temporary file is complete.
class FailingRename : public LocalFileSystem {
 public:
  bool failRename = true;

 protected:
  bool renameFile(const std::string& from, const std::string& to) override {
    return failRename ? false : LocalFileSystem::renameFile(from, to);
  }
};

class StoreTest : public ::testing::Test {
 protected:
  std::string storePath() const { return (dir.path() / "arcade-vorpex" / "registry.reg").string(); }
  std::string fileText() const {
    const auto bytes = readBytes(storePath());
    return {bytes.begin(), bytes.end()};
  }
  // Writes one value straight into the key `keyPath` below Software, as
  // another program or an older version might have left it.
  void writeValue(const std::string& keyPath, const std::string& name, ValueType type,
                  const std::vector<uint8_t>& data) {
    KeyHandle software = 0, key = 0;
    ASSERT_TRUE(store.openSoftware(software));
    ASSERT_TRUE(store.createKey(software, keyPath, "", key));
    store.setValue(key, name, type, data.data(), static_cast<uint32_t>(data.size()));
    store.closeKey(key);
    ASSERT_TRUE(store.closeKey(software));
  }
  void writeFileText(const std::string& text) {
    std::filesystem::create_directories(dir.path() / "arcade-vorpex");
    dir.write("arcade-vorpex/registry.reg", text);
  }

  TempDir dir;
  LocalFileSystem files;
  RegFileStore store{storePath(), files, [] { return std::string("20261207-120000"); }};
  RecordingMessages messages;
};

}  // namespace vorpex::testing
