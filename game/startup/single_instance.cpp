#include "single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorpex {

SingleInstance::SingleInstance(const std::string& storePath)
    : lockPath_(storePath + ".lock"), knockPath_(QString::fromStdString(storePath) + ".knock") {}

bool SingleInstance::acquire() {
  // The store's folder may not exist before the first game ends.
  QDir().mkpath(QFileInfo(QString::fromStdString(lockPath_)).absolutePath());
  const FileLock::Result locked = lock_.tryLock(lockPath_);
  if (locked == FileLock::Result::unavailable) return true;  // no lock to be had: play unguarded
  if (locked == FileLock::Result::heldByAnother) {
    // Appended in place, so that the holder's watch on the file stays.
    QFile knock(knockPath_);
    if (knock.open(QIODevice::WriteOnly | QIODevice::Append)) knock.write("raise\n");
    return false;
  }
  // Emptied, so that the file stays small however often it is knocked on;
  // a knock file that cannot be made or watched only leaves the holder
  // where it is when another start comes.
  QFile knock(knockPath_);
  if (!knock.open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;
  knock.close();
  watcher_ = std::make_unique<QFileSystemWatcher>(QStringList{knockPath_});
  QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, [this](const QString&) {
    // A holder that truncated the file itself sees it change too; only a
    // knock leaves a line in it.
    if (QFileInfo(knockPath_).size() == 0) return;
    QFile emptied(knockPath_);
    if (emptied.open(QIODevice::WriteOnly | QIODevice::Truncate)) emptied.close();
    if (onAnotherStart) onAnotherStart();
  });
  return true;
}

}  // namespace vorpex
