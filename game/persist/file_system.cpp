#include "file_system.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "utf8_path.h"

#if defined(_WIN32)
#include <windows.h>

#include <algorithm>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace vorpex {

namespace fs = std::filesystem;

bool LocalFileSystem::createDirectories(const std::string& folder) {
  std::error_code error;
  fs::create_directories(utf8Path(folder), error);
  return fs::is_directory(utf8Path(folder), error);
}

ReadResult LocalFileSystem::readFile(const std::string& utf8, std::string& bytes, size_t limit) {
  const fs::path path = utf8Path(utf8);
  std::error_code error;
  const auto status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return ReadResult::notFound;
  if (error || status.type() != fs::file_type::regular) return ReadResult::failed;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadResult::failed;
  // One read of the size the file has (the definitions are megabytes);
  // whatever a writer appended meanwhile is read on after it.
  const auto size = fs::file_size(path, error);
  if (!error && size > limit) return ReadResult::tooLarge;
  std::string text(error ? 0 : static_cast<size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  if (in.eof()) {
    if (in.bad()) return ReadResult::failed;
  } else {
    // Read on in pieces, so that a file that grows without end is refused
    // at the limit rather than filling the memory.
    char piece[65536];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
      if (text.size() + static_cast<size_t>(in.gcount()) > limit) return ReadResult::tooLarge;
      text.append(piece, static_cast<size_t>(in.gcount()));
    }
    if (in.bad()) return ReadResult::failed;
  }
  bytes = std::move(text);
  return ReadResult::ok;
}

bool LocalFileSystem::exists(const std::string& path) {
  std::error_code error;
  return fs::exists(utf8Path(path), error);
}

namespace {
#if !defined(_WIN32)
// The file a write to `path` lands in: through a symbolic link (a dotfile
// manager may keep the store elsewhere) to its target, so that the link
// stays a link.
std::string writeTarget(const std::string& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path target = fs::weakly_canonical(path, error);
  return error ? path : target.string();
}

std::string reason(const std::string& path, int error) { return path + ": " + std::strerror(error); }

// Writes and flushes `bytes` to a new temporary file of its own beside
// `target` (two programs writing at once never share one), with the
// permissions of `modeOf`, or the ones a new file gets. Returns its path,
// or "" with nothing left behind and `problem` saying why.
std::string writeTemporary(const std::string& target, const std::string& bytes, const std::string& modeOf,
                           std::string& problem) {
  std::string temp = target + ".tmp-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    problem = reason(temp, errno);
    return {};
  }
  struct stat existing {};
  const mode_t mode =
      stat(modeOf.c_str(), &existing) == 0 ? existing.st_mode & 0777 : 0666 & ~static_cast<mode_t>(fileCreationMask());
  bool ok = fchmod(fd, mode) == 0;
  for (size_t done = 0; ok && done < bytes.size();) {
    const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    ok = wrote > 0;
    if (ok) done += static_cast<size_t>(wrote);
  }
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  if (!ok) {
    problem = reason(temp, errno);
    std::remove(temp.c_str());
    return {};
  }
  return temp;
}

// A file its owner made read-only (no write permission for anyone).
bool madeReadOnly(const std::string& path) {
  struct stat file {};
  return stat(path.c_str(), &file) == 0 && S_ISREG(file.st_mode) && (file.st_mode & 0222) == 0;
}
#else
std::string writeTarget(const std::string& path) { return path; }

// As on Linux: a new file of its own beside `target` ("tmp-" and a number
// no other write holds), made only where nothing is (CREATE_NEW: no file,
// link or junction there is opened or followed), named by its wide path,
// and flushed to the disk before it replaces the target.
std::string writeTemporary(const std::string& target, const std::string& bytes, const std::string&,
                           std::string& problem) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temp = target + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    const HANDLE file = CreateFileW(utf8Path(temp).wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      if (GetLastError() == ERROR_FILE_EXISTS) continue;
      problem = temp + ": cannot be made (Windows error " + std::to_string(GetLastError()) + ")";
      return {};
    }
    bool ok = true;
    for (size_t done = 0; ok && done < bytes.size();) {
      DWORD wrote = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
      ok = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) && wrote > 0;
      done += wrote;
    }
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
    if (!ok) {
      problem = temp + ": cannot be written";
      std::error_code ignored;
      fs::remove(utf8Path(temp), ignored);
      return {};
    }
    return temp;
  }
  problem = target + ": no temporary name was free beside it";
  return {};
}

bool madeReadOnly(const std::string& path) {
  std::error_code error;
  const auto permissions = fs::status(path, error).permissions();
  return !error && fs::is_regular_file(path, error) && (permissions & fs::perms::owner_write) == fs::perms::none;
}
#endif

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

bool LocalFileSystem::replaceFile(const std::string& path, const std::string& bytes, const std::string& modeOf,
                                  std::string& problem) {
  const std::string target = writeTarget(path);
  if (madeReadOnly(target)) {
    problem = target + ": is read-only";
    return false;
  }
  const std::string temp = writeTemporary(target, bytes, modeOf == path ? target : writeTarget(modeOf), problem);
  if (temp.empty()) return false;
  if (!renameFile(temp, target)) {
    problem = target + ": cannot be replaced";
    removeFile(temp);
    return false;
  }
  syncFolder(fs::path(target).parent_path().string());
  return true;
}

std::vector<std::string> LocalFileSystem::filesStartingWith(const std::string& pathPrefix) {
  std::vector<std::string> found;
  const fs::path prefix(pathPrefix);
  const std::string start = prefix.filename().string();
  std::error_code error;
  for (fs::directory_iterator it(prefix.parent_path(), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.compare(0, start.size(), start) == 0 && it->is_regular_file(error)) found.push_back(it->path().string());
  }
  return found;
}

#if defined(_WIN32)
bool LocalFileSystem::appendLine(const std::string& path, const std::string& line, std::string& problem) {
  const HANDLE file = CreateFileW(utf8Path(path).wstring().c_str(), GENERIC_READ | FILE_APPEND_DATA, FILE_SHARE_READ,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    problem = path + ": cannot be opened (Windows error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  std::string bytes = line + "\n";
  LARGE_INTEGER size{};
  bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size);
  if (ok && size.QuadPart > 0) {
    LARGE_INTEGER last{};
    last.QuadPart = size.QuadPart - 1;
    char byte = '\n';
    DWORD read = 0;
    ok = SetFilePointerEx(file, last, nullptr, FILE_BEGIN) && ReadFile(file, &byte, 1, &read, nullptr);
    if (ok && read == 1 && byte != '\n') bytes.insert(bytes.begin(), '\n');
  }
  DWORD wrote = 0;
  ok = ok && WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) && wrote == bytes.size();
  ok = FlushFileBuffers(file) && ok;
  ok = CloseHandle(file) && ok;
  if (!ok) problem = path + ": cannot be written";
  return ok;
}
#else
bool LocalFileSystem::appendLine(const std::string& path, const std::string& line, std::string& problem) {
  // Through a link, as the store is written; never blocking on a FIFO.
  const int descriptor = open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
  if (descriptor < 0) {
    problem = path + ": " + std::strerror(errno);
    return false;
  }
  struct stat file {};
  if (fstat(descriptor, &file) != 0 || !S_ISREG(file.st_mode)) {
    close(descriptor);
    problem = path + ": is not a plain file";
    return false;
  }
  std::string bytes = line + "\n";
  char last = '\n';
  if (file.st_size > 0 && pread(descriptor, &last, 1, file.st_size - 1) == 1 && last != '\n')
    bytes.insert(bytes.begin(), '\n');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(descriptor, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) break;
    done += static_cast<size_t>(wrote);
  }
  const bool ok = done == bytes.size() && fsync(descriptor) == 0;
  const int error = errno;
  close(descriptor);
  if (!ok) problem = path + ": cannot be written: " + std::strerror(error);
  return ok;
}
#endif

bool LocalFileSystem::removeFile(const std::string& path) {
  std::error_code error;
  return fs::remove(utf8Path(path), error) && !error;
}

unsigned fileCreationMask() {
#if defined(_WIN32)
  return 0;
#else
  static const unsigned mask = [] {
    // Linux states it; elsewhere the mask is read by setting it, once.
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
      if (line.rfind("Umask:", 0) == 0) return static_cast<unsigned>(std::stoul(line.substr(6), nullptr, 8));
    const mode_t old = umask(022);
    umask(old);
    return static_cast<unsigned>(old);
  }();
  return mask;
#endif
}

void removeStaleTemporaries(FileSystem& files, const std::string& storePath) {
  for (const std::string& path : files.filesStartingWith(storePath + ".")) {
    const std::string rest = path.substr(storePath.size() + 1);
    const bool temporary = rest == "tmp" || rest.compare(0, 4, "tmp-") == 0;
    const bool damagedCopysTemporary =
        rest.compare(0, 8, "damaged-") == 0 && (rest.find(".tmp-") != std::string::npos ||
                                                 (rest.size() > 4 && rest.compare(rest.size() - 4, 4, ".tmp") == 0));
    if (temporary || damagedCopysTemporary) files.removeFile(path);
  }
}

bool LocalFileSystem::renameFile(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(utf8Path(from), utf8Path(to), error);
  return !error;
}

}  // namespace vorpex
