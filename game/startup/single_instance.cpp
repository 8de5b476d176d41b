#include "single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <thread>

#include "translations.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace vorpex {

namespace {

constexpr char kKnockLine[] = "raise\n";

#if !defined(_WIN32)
// Opens `path` as a plain file with `flags`, never following a link and
// never blocking; -1, with `problem` saying why, for anything else.
int openPlainFile(const std::string& path, int flags, std::string& problem) {
  const int descriptor = open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0644);
  if (descriptor < 0) {
    problem = errno == ELOOP ? translatedMessage("|1: is a symbolic link", {path}) : path + ": " + std::strerror(errno);
    return -1;
  }
  struct stat file {};
  if (fstat(descriptor, &file) != 0 || !S_ISREG(file.st_mode)) {
    close(descriptor);
    problem = translatedMessage("|1: is not a plain file", {path});
    return -1;
  }
  return descriptor;
}

// Makes the knock file if it is missing (a knock may be making it at the
// same moment: what is in it stays), and empties it when `empty`, in place
// so that the watch on it stays.
bool makeKnockFile(const std::string& path, bool empty, std::string& problem) {
  const int descriptor = openPlainFile(path, O_WRONLY | O_CREAT, problem);
  if (descriptor < 0) return false;
  const bool emptied = !empty || ftruncate(descriptor, 0) == 0;
  close(descriptor);
  return emptied;
}

bool appendKnock(const std::string& path, std::string& problem) {
  const int descriptor = openPlainFile(path, O_WRONLY | O_APPEND | O_CREAT, problem);
  if (descriptor < 0) return false;
  const auto length = static_cast<ssize_t>(sizeof kKnockLine - 1);
  const bool written = write(descriptor, kKnockLine, static_cast<size_t>(length)) == length;
  if (!written) problem = path + ": " + std::strerror(errno);
  close(descriptor);
  return written;
}

// The knock file's size, or -1 when it is not a plain file that is there.
long long knockFileSize(const std::string& path) {
  struct stat file {};
  if (lstat(path.c_str(), &file) != 0 || !S_ISREG(file.st_mode)) return -1;
  return static_cast<long long>(file.st_size);
}
#else
// Opens or makes `path` for `access` as a plain file by its wide name,
// without following a link or junction there (the reparse point itself is
// opened, and refused); INVALID_HANDLE_VALUE, with `problem`, otherwise.
HANDLE openPlainFile(const std::string& path, DWORD access, std::string& problem) {
  const HANDLE file = CreateFileW(QString::fromStdString(path).toStdWString().c_str(), access,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    problem = translatedMessage("|1: cannot be opened (Windows error |2)", {path, std::to_string(GetLastError())});
    return file;
  }
  BY_HANDLE_FILE_INFORMATION about{};
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &about) ||
      (about.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))) {
    CloseHandle(file);
    problem = translatedMessage("|1: is not a plain file", {path});
    return INVALID_HANDLE_VALUE;
  }
  return file;
}

// Empties it in place, through the handle, so that the watch on it stays.
bool makeKnockFile(const std::string& path, bool empty, std::string& problem) {
  const HANDLE file = openPlainFile(path, GENERIC_WRITE, problem);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool emptied = !empty || SetEndOfFile(file);
  CloseHandle(file);
  return emptied;
}

bool appendKnock(const std::string& path, std::string& problem) {
  const HANDLE file = openPlainFile(path, FILE_APPEND_DATA, problem);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD wrote = 0;
  const bool written = WriteFile(file, kKnockLine, sizeof kKnockLine - 1, &wrote, nullptr) && wrote > 0;
  if (!written) problem = translatedMessage("|1: cannot be written", {path});
  CloseHandle(file);
  return written;
}

long long knockFileSize(const std::string& path) {
  const QFileInfo file(QString::fromStdString(path));
  return file.isFile() ? file.size() : -1;
}
#endif

}  // namespace

SingleInstance::SingleInstance(const std::string& storePath)
    : storePath_(storePath), lockPath_(storePath + ".lock"), knockPath_(storePath + ".knock") {}

SingleInstance::Outcome SingleInstance::acquire(std::chrono::milliseconds answerWait,
                                                const std::function<bool()>& giveUp) {
  // The store's folder may not exist before the first game ends.
  QDir().mkpath(QFileInfo(QString::fromStdString(lockPath_)).absolutePath());
  switch (lock_.tryLock(lockPath_)) {
    case FileLock::Result::unavailable:
      problem_ = lock_.problem();
      return Outcome::unguarded;
    case FileLock::Result::heldByAnother: return knock(answerWait, giveUp);
    case FileLock::Result::held: break;
  }
  // Emptied, so that a knock left from before is not taken for a new one; a
  // knock file that cannot be made or watched only leaves the holder where
  // it is when another start comes (and that start says so).
  std::string ignored;
  if (makeKnockFile(knockPath_, true, ignored)) watchKnocks();
  return Outcome::holding;
}

SingleInstance::Outcome SingleInstance::knock(std::chrono::milliseconds answerWait,
                                              const std::function<bool()>& giveUp) {
  std::string problem;
  if (!appendKnock(knockPath_, problem)) {
    problem_ = translatedMessage("Another program holds |1, and the knock to bring it forward could not be left: |2",
                                 {lockPath_, problem});
    return Outcome::unanswered;
  }
  const auto deadline = std::chrono::steady_clock::now() + answerWait;
  while (knockFileSize(knockPath_) > 0 && std::chrono::steady_clock::now() < deadline) {
    if (giveUp && giveUp()) return Outcome::interrupted;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (knockFileSize(knockPath_) == 0) return Outcome::broughtForward;
  problem_ = translatedMessage(
      "Another program holds |1 but did not answer the knock on |2 within |3 ms. If no copy of Arcade Vorpex is "
      "running, end the program that holds that file.",
      {lockPath_, knockPath_, std::to_string(answerWait.count())});
  return Outcome::unanswered;
}

void SingleInstance::watchKnocks() {
  // The folder too: a knock file deleted while the game runs is made again,
  // and the knock that made it is answered.
  const QString knock = QString::fromStdString(knockPath_);
  watcher_ = std::make_unique<QFileSystemWatcher>(QStringList{knock, QFileInfo(knock).absolutePath()});
  const auto onChange = [this, knock](const QString&) {
    // A deleted file's watch is gone with it: the file is made again if
    // missing (a knock may already have made it) and watched again.
    if (knockFileSize(knockPath_) < 0) {
      std::string ignored;
      makeKnockFile(knockPath_, false, ignored);
    }
    if (!watcher_->files().contains(knock)) watcher_->addPath(knock);
    answerKnock();
  };
  QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, onChange);
  QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, onChange);
}

void SingleInstance::answerKnock() {
  // A holder that emptied the file itself sees it change too; only a
  // knock leaves a line in it.
  if (knockFileSize(knockPath_) <= 0) return;
  std::string ignored;
  makeKnockFile(knockPath_, true, ignored);
  if (onAnotherStart) onAnotherStart();
}

}  // namespace vorpex
