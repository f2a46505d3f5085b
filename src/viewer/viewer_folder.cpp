#include "viewer/viewer_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace oxlin::viewer {

namespace {

QString parentOr(const QString& parent) { return parent.isEmpty() ? QDir::tempPath() : parent; }

// A folder a viewer has only just created may not hold its lock yet.
constexpr qint64 kUnlockedGraceSeconds = 60;

} // namespace

ViewerFolder::ViewerFolder(const QString& parent)
    : dir_(QDir(parentOr(parent)).filePath(QLatin1String(kPrefix) + QLatin1String("XXXXXX"))) {
    if (!dir_.isValid())
        return;
    lock_ = std::make_unique<QLockFile>(QDir(dir_.path()).filePath(QLatin1String(kLockName)));
    valid_ = lock_->tryLock(0);
}

ViewerFolder::~ViewerFolder() {
    if (lock_)
        lock_->unlock();
    lock_.reset();
    // dir_ removes the folder with everything in it.
}

int ViewerFolder::removeAbandoned(const QString& parent) {
    const QDir folder(parentOr(parent));
    const QFileInfoList candidates =
        folder.entryInfoList({QLatin1String(kPrefix) + QLatin1Char('*')},
                             QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    int removed = 0;
    for (const QFileInfo& candidate : candidates) {
        // Never follow a link someone placed here into another folder.
        if (candidate.isSymLink())
            continue;
        const QString lockPath = QDir(candidate.filePath()).filePath(QLatin1String(kLockName));
        if (!QFileInfo::exists(lockPath) &&
            candidate.lastModified().secsTo(QDateTime::currentDateTime()) < kUnlockedGraceSeconds)
            continue;
        // The lock of a running viewer cannot be taken; the lock of a dead
        // one is stale and can.
        QLockFile lock(lockPath);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        if (QDir(candidate.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace oxlin::viewer
