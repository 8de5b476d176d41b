// Temporary files and folders for tests, removed when the test ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vorpex::testing {

// A fresh folder under the system's temporary folder; removed with its
// contents on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to `name` inside the folder and returns the full path.
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const;
  std::string write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

std::vector<uint8_t> readBytes(const std::string& path);

}  // namespace vorpex::testing
