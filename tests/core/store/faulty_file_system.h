#pragma once

#include "core/store/file_system.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <tuple>
#include <vector>

namespace oxlin::test {

// The disk, except that chosen operations fail on chosen paths, and every
// operation is written down (as "commit Tree.ini", "syncFolder work") so a
// test can see what ran in which order. A failing commit drops the new file
// and leaves the target as it was, as a full disk does; a failing operation
// sets errno as the system would (no space left, unless the test says).
class FaultyFileSystem : public store::DiskFileSystem {
public:
    // `path` is compared with the end of the operation's path: a file name,
    // or a longer tail when a name occurs in several folders.
    void failOn(const QString& operation, const QString& path, int error = ENOSPC) {
        failures_.emplace_back(operation, path, error);
    }
    QStringList log;
    // The operations of one kind, in the order they ran.
    QStringList logged(const QString& operation) const {
        QStringList found;
        for (const QString& line : log)
            if (line.startsWith(operation + QLatin1Char(' ')))
                found.append(line.mid(operation.size() + 1));
        return found;
    }

    bool commit(QSaveFile& file) override {
        if (!allowed(QStringLiteral("commit"), file.fileName())) {
            const int cause = errno;
            file.cancelWriting();
            file.commit();
            errno = cause;
            return false;
        }
        return DiskFileSystem::commit(file);
    }
    bool rename(const QString& from, const QString& to) override {
        return allowed(QStringLiteral("rename"), to) && DiskFileSystem::rename(from, to);
    }
    bool makePath(const QString& path) override {
        return allowed(QStringLiteral("makePath"), path) && DiskFileSystem::makePath(path);
    }
    bool remove(const QString& path) override {
        return allowed(QStringLiteral("remove"), path) && DiskFileSystem::remove(path);
    }
    bool copy(const QString& from, const QString& to) override {
        return allowed(QStringLiteral("copy"), to) && DiskFileSystem::copy(from, to);
    }
    bool syncFolder(const QString& folder) override {
        return allowed(QStringLiteral("syncFolder"), folder) && DiskFileSystem::syncFolder(folder);
    }
    // Logged with the folder's name and the files synced, as
    // "syncFiles work Tree.xtz Z.xtz".
    bool syncFiles(const QString& folder, const QStringList& paths) override {
        QStringList names{QFileInfo(folder).fileName()};
        for (const QString& path : paths)
            names.append(QFileInfo(path).fileName());
        log.append(QStringLiteral("syncFiles ") + names.join(QLatin1Char(' ')));
        return allowed(QStringLiteral("syncFiles"), folder, false) &&
               DiskFileSystem::syncFiles(folder, paths);
    }

private:
    bool allowed(const QString& operation, const QString& path, bool logged = true) {
        if (logged)
            log.append(operation + QLatin1Char(' ') + QFileInfo(path).fileName());
        for (const auto& [failing, tail, error] : failures_) {
            if (failing == operation && path.endsWith(tail)) {
                errno = error;
                return false;
            }
        }
        return true;
    }
    std::vector<std::tuple<QString, QString, int>> failures_;
};

} // namespace oxlin::test
