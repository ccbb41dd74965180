#include "gui/shell/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace lumora {

SingleInstanceLock::SingleInstanceLock(QString folder)
    : folder_(folder.isEmpty() ? DefaultFolder() : std::move(folder)) {}

SingleInstanceLock::~SingleInstanceLock() = default;

QString SingleInstanceLock::LockFilePath(const QString& folder, const QString& key) {
  return QDir(folder).filePath(key + QStringLiteral(".lock"));
}

QString SingleInstanceLock::DefaultFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool SingleInstanceLock::CheckMutex(const QString& key) {
  QDir().mkpath(folder_);
  lock_ = std::make_unique<QLockFile>(LockFilePath(folder_, key));
  // A running holder keeps its lock however long it runs; only a dead holder's lock is stale.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return true;
  const bool held_by_another = lock_->error() == QLockFile::LockFailedError;
  lock_.reset();
  return !held_by_another;
}

}  // namespace lumora
