#include "file_lock.h"

#include "translations.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorpex {

#if defined(_WIN32)

namespace {
std::wstring widened(const std::string& utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}
}  // namespace

FileLock::Result FileLock::tryLock(const std::string& path) {
  HANDLE file = CreateFileW(widened(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    problem_ = translatedMessage("|1: cannot be opened (error |2)", {path, std::to_string(GetLastError())});
    return Result::unavailable;
  }
  OVERLAPPED whole{};
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (error == ERROR_LOCK_VIOLATION) return Result::heldByAnother;
    problem_ = translatedMessage("|1: cannot be locked (error |2)", {path, std::to_string(error)});
    return Result::unavailable;
  }
  handle_ = file;
  return Result::held;
}

FileLock::~FileLock() {
  if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

#else

FileLock::Result FileLock::tryLock(const std::string& path) {
  constexpr int kSafely = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
  int descriptor = open(path.c_str(), O_RDWR | O_CREAT | kSafely, 0644);
  if (descriptor < 0 && (errno == EACCES || errno == EROFS)) descriptor = open(path.c_str(), O_RDONLY | kSafely);
  if (descriptor < 0) {
    problem_ =
        errno == ELOOP ? translatedMessage("|1: is a symbolic link", {path}) : path + ": " + std::strerror(errno);
    return Result::unavailable;
  }
  struct stat file {};
  if (fstat(descriptor, &file) != 0 || !S_ISREG(file.st_mode)) {
    close(descriptor);
    problem_ = translatedMessage("|1: is not a plain file", {path});
    return Result::unavailable;
  }
  // flock, not fcntl: a second lock on another descriptor in the same
  // process is refused as well, and the lock goes with the descriptor.
  if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(descriptor);
    if (error == EWOULDBLOCK) return Result::heldByAnother;
    problem_ = translatedMessage("|1: cannot be locked: |2", {path, std::strerror(error)});
    return Result::unavailable;
  }
  descriptor_ = descriptor;
  return Result::held;
}

FileLock::~FileLock() {
  if (descriptor_ >= 0) close(descriptor_);
}

#endif

}  // namespace vorpex
