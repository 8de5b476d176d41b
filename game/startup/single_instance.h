// One running game per store. Two copies on one store would each write the
// whole settings key at exit, the last one erasing the other's new best
// score and options. The first start holds a lock on a file beside the
// store (the system's lock: a copy that crashed holds nothing) and watches
// a knock file beside it; a second start appends a line to that file, which
// asks the first to bring its window forward; the first answers by emptying
// the file, and the second ends.
//
// Both files are opened without following links and without blocking, and
// anything but a plain file is refused: a pipe there would hang the start,
// a link could point at a file of the player's. Neither is ever truncated
// through its path.
//
// Only Qt Core: a local socket would load the network library, and its
// cost, before the first window.
#pragma once

#include <QFileSystemWatcher>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "file_lock.h"

namespace vorpex {

class SingleInstance {
 public:
  enum class Outcome {
    holding,         // this process now holds the store
    broughtForward,  // a running copy holds it and answered the knock
    unanswered,      // something holds the lock but nobody answered (see problem())
    unguarded,       // no lock can be had here (see problem()); nothing holds the store for us
    interrupted,     // the wait for an answer was given up: `giveUp` said so
  };

  // `storePath`: the store's file; the lock is that path plus ".lock", the
  // knock file that path plus ".knock".
  explicit SingleInstance(const std::string& storePath);

  // Takes the store, or knocks on the copy that holds it and waits up to
  // `answerWait` for its answer (the holder answers from its event loop,
  // so a holder in this same thread cannot). `giveUp`, when set, is asked
  // while waiting: true ends the wait at once (a signal asked the start to
  // end). Needs a QCoreApplication.
  Outcome acquire(std::chrono::milliseconds answerWait = std::chrono::seconds(3),
                  const std::function<bool()>& giveUp = {});

  // After `unanswered` or `unguarded`: what happened, naming the files.
  const std::string& problem() const { return problem_; }

  // Run in the holder when another start asked it to come forward.
  std::function<void()> onAnotherStart;

 private:
  void watchKnocks();
  void answerKnock();
  Outcome knock(std::chrono::milliseconds answerWait, const std::function<bool()>& giveUp);

  std::string storePath_;
  std::string lockPath_;
  std::string knockPath_;
  FileLock lock_;
  std::unique_ptr<QFileSystemWatcher> watcher_;
  std::string problem_;
};

}  // namespace vorpex
