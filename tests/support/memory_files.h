// A FileSystem held in memory: files are put in by the test, and every
// operation acts on the map alone.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "file_system.h"

namespace vorpex::testing {

class MemoryFiles : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  int reads = 0;  // readFile calls, found or not

  bool createDirectories(const std::string&) override { return true; }
  ReadResult readFile(const std::string& path, std::string& bytes, size_t limit) override {
    ++reads;
    const auto it = files.find(path);
    if (it == files.end()) return ReadResult::notFound;
    if (it->second.size() > limit) return ReadResult::tooLarge;
    bytes = it->second;
    return ReadResult::ok;
  }
  bool exists(const std::string& path) override { return files.count(path) > 0; }
  bool replaceFile(const std::string& path, const std::string& bytes, const std::string&, std::string&) override {
    files[path] = bytes;
    return true;
  }
  bool appendLine(const std::string& path, const std::string& line, std::string& problem) override {
    if (refuseAppends) {
      problem = path + ": cannot be written";
      return false;
    }
    std::string& bytes = files[path];
    if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
    bytes += line + '\n';
    return true;
  }
  bool refuseAppends = false;  // every appendLine fails
  std::vector<std::string> filesStartingWith(const std::string& prefix) override {
    std::vector<std::string> found;
    for (const auto& [path, bytes] : files)
      if (path.rfind(prefix, 0) == 0) found.push_back(path);
    return found;
  }
  bool removeFile(const std::string& path) override { return files.erase(path) > 0; }
};

}  // namespace vorpex::testing
