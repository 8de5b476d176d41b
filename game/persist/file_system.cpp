#include "file_system.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vorpex {

namespace fs = std::filesystem;

bool LocalFileSystem::createDirectories(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  return fs::is_directory(folder, error);
}

ReadResult LocalFileSystem::readFile(const std::string& path, std::string& bytes) {
  std::error_code error;
  const auto status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return ReadResult::notFound;
  if (error || status.type() != fs::file_type::regular) return ReadResult::failed;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::failed;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return ReadResult::failed;
  bytes = text.str();
  return ReadResult::ok;
}

bool LocalFileSystem::exists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

namespace {
// Writes and flushes `bytes` to a new file at `path`.
bool writeDurably(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
#if !defined(_WIN32)
  ok = fsync(fileno(file)) == 0 && ok;
#endif
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

void syncFolder(const std::string& folder) {
#if !defined(_WIN32)
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    fsync(fd);  // makes the rename itself durable
    close(fd);
  }
#else
  (void)folder;
#endif
}
}  // namespace

bool LocalFileSystem::replaceFile(const std::string& path, const std::string& bytes) {
  const std::string temp = path + ".tmp";
  if (!writeDurably(temp, bytes) || !renameFile(temp, path)) {
    std::remove(temp.c_str());
    return false;
  }
  syncFolder(fs::path(path).parent_path().string());
  return true;
}

bool LocalFileSystem::renameFile(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
}

}  // namespace vorpex
