#include "core/session/instance_lock.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace oxlin::session {

namespace {
QString defaultLockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& folder, const QString& fileName)
    : fileName_(QDir(folder.isEmpty() ? defaultLockFolder() : folder)
                    .filePath(fileName.isEmpty() ? QLatin1String(kName) + QLatin1String(".lock")
                                                 : fileName)),
      lock_(std::make_unique<QLockFile>(fileName_)) {
    // Only a dead owner makes the lock stale; the default (30 s by age) would
    // let a second instance take the lock from a first one that runs long.
    lock_->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryAcquire() {
    if (lock_->isLocked())
        return true;
    return lock_->tryLock(0);
}

bool SingleInstanceLock::heldElsewhere() const {
    return lock_->error() == QLockFile::LockFailedError;
}

void SingleInstanceLock::release() {
    lock_->unlock();
}

} // namespace oxlin::session
