// One running game per store. Two copies on one store would each write the
// whole settings key at exit, the last one erasing the other's new best
// score and options. The first start holds a lock on a file beside the
// store (the system's lock: a copy that crashed holds nothing) and watches
// a knock file beside it; a second start writes a line into that file,
// which asks the first to bring its window forward, and ends.
//
// Only Qt Core: a local socket would load the network library, and its
// cost, before the first window.
#pragma once

#include <QFileSystemWatcher>
#include <functional>
#include <memory>
#include <string>

#include "file_lock.h"

namespace vorpex {

class SingleInstance {
 public:
  // `storePath`: the store's file; the lock is that path plus ".lock", the
  // knock file that path plus ".knock".
  explicit SingleInstance(const std::string& storePath);

  // True when this process now holds the store. False when a running copy
  // holds it; that copy has then been asked to come forward (it runs
  // onAnotherStart). Needs a QCoreApplication.
  bool acquire();

  // Run in the holder when another start asked it to come forward.
  std::function<void()> onAnotherStart;

 private:
  std::string lockPath_;
  QString knockPath_;
  FileLock lock_;
  std::unique_ptr<QFileSystemWatcher> watcher_;
};

}  // namespace vorpex
