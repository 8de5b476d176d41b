// An exclusive lock on a file, held by this process until the lock is
// destroyed or the process ends, however it ends: the operating system
// lets go of it, so a crash never leaves a lock behind to take over.
// Nothing is written into the file and nothing waits for the disk, so
// taking it costs a start next to nothing.
#pragma once
#include <string>

namespace vorpex {

class FileLock {
 public:
  enum class Result {
    held,           // this lock now holds the file
    heldByAnother,  // another holder has it: another process, or another FileLock here
    unavailable,    // the file cannot be made or locked here (a read-only folder, say)
  };

  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Makes the file at `path` (UTF-8) if missing, its folder must exist,
  // and tries to lock it without waiting. Call once.
  Result tryLock(const std::string& path);

 private:
#if defined(_WIN32)
  void* handle_ = nullptr;
#else
  int descriptor_ = -1;
#endif
};

}  // namespace vorpex
