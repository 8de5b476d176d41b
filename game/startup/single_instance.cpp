#include "single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace vorpex {

namespace {
constexpr int kKnockMilliseconds = 1000;
}  // namespace

SingleInstance::SingleInstance(const std::string& storePath)
    : socketName_("arcade-vorpex-" +
                  QCryptographicHash::hash(QFileInfo(QString::fromStdString(storePath)).absoluteFilePath().toUtf8(),
                                           QCryptographicHash::Sha1)
                      .toHex()
                      .left(16)),
      lock_(QString::fromStdString(storePath) + ".lock") {
  // Never stale by age: only a lock whose process is gone is taken over.
  lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
  // The store's folder may not exist before the first game ends.
  QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
  if (!lock_.tryLock(0)) {
    if (lock_.error() != QLockFile::LockFailedError) return true;  // no lock to be had: play unguarded
    QLocalSocket knock;
    knock.connectToServer(socketName_);
    if (knock.waitForConnected(kKnockMilliseconds)) {
      knock.write("raise\n");
      knock.waitForBytesWritten(kKnockMilliseconds);
      knock.disconnectFromServer();
    }
    return false;
  }
  server_ = std::make_unique<QLocalServer>();
  QLocalServer::removeServer(socketName_);  // a socket left by a copy that crashed
  if (server_->listen(socketName_)) {
    QObject::connect(server_.get(), &QLocalServer::newConnection, [this] {
      while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (onAnotherStart) onAnotherStart();
      }
    });
  }
  return true;
}

}  // namespace vorpex
