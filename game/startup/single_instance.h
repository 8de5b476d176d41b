// One running game per store. Two copies on one store would each write the
// whole settings key at exit, the last one erasing the other's new best
// score and options. The first start holds a lock file beside the store (a
// lock left by a copy that crashed is taken over); a second start asks it,
// through a local socket, to bring its window forward, and ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <functional>
#include <memory>
#include <string>

namespace vorpex {

class SingleInstance {
 public:
  // `storePath`: the store's file; the lock is that path plus ".lock".
  explicit SingleInstance(const std::string& storePath);

  // True when this process now holds the store. False when a running copy
  // holds it; that copy has then been asked to come forward (it runs
  // onAnotherStart). Needs a QCoreApplication.
  bool acquire();

  // Run in the holder when another start asked it to come forward.
  std::function<void()> onAnotherStart;

 private:
  QString socketName_;
  QLockFile lock_;  // declared after socketName_: built from the same path
  std::unique_ptr<QLocalServer> server_;
};

}  // namespace vorpex
