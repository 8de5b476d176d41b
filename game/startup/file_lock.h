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
    unavailable,    // the file cannot be made or locked here (see problem())
  };

  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Makes the file at `path` (UTF-8) if missing, its folder must exist,
  // and tries to lock it without waiting. A symbolic link, a folder, a pipe
  // or any other thing that is not a plain file is refused unopened (a pipe
  // would block the start; a link could point anywhere). A lock file the
  // player cannot write is locked through a read-only descriptor. Call once.
  Result tryLock(const std::string& path);

  // After `unavailable`: the path and the reason, for the player.
  const std::string& problem() const { return problem_; }

 private:
#if defined(_WIN32)
  void* handle_ = nullptr;
#else
  int descriptor_ = -1;
#endif
  std::string problem_;
};

}  // namespace vorpex
