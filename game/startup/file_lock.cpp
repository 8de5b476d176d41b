#include "file_lock.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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
  if (file == INVALID_HANDLE_VALUE) return Result::unavailable;
  OVERLAPPED whole{};
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
    const DWORD error = GetLastError();
    CloseHandle(file);
    return error == ERROR_LOCK_VIOLATION ? Result::heldByAnother : Result::unavailable;
  }
  handle_ = file;
  return Result::held;
}

FileLock::~FileLock() {
  if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

#else

FileLock::Result FileLock::tryLock(const std::string& path) {
  const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor < 0) return Result::unavailable;
  // flock, not fcntl: a second lock on another descriptor in the same
  // process is refused as well, and the lock goes with the descriptor.
  if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(descriptor);
    return error == EWOULDBLOCK ? Result::heldByAnother : Result::unavailable;
  }
  descriptor_ = descriptor;
  return Result::held;
}

FileLock::~FileLock() {
  if (descriptor_ >= 0) close(descriptor_);
}

#endif

}  // namespace vorpex
