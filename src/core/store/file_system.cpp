#include "core/store/file_system.h"

#include "core/store/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace oxlin::store {

FileSystem& FileSystem::real() {
    static DiskFileSystem disk;
    return disk;
}

bool DiskFileSystem::commit(QSaveFile& file) {
    return commitChecked(file).ok();
}

bool DiskFileSystem::rename(const QString& from, const QString& to) {
    return replaceWith(from, to).ok();
}

bool DiskFileSystem::makePath(const QString& path) {
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

bool DiskFileSystem::remove(const QString& path) {
    return QFile::remove(path) || (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink());
}

bool DiskFileSystem::copy(const QString& from, const QString& to) {
    if (!QFile::copy(from, to))
        return false;
    // A copy kept so that the original may be replaced must outlast the
    // replacement, which is synced when it is committed.
    QFile written(to);
    if (written.open(QIODevice::ReadWrite) && ::fsync(written.handle()) == 0)
        return true;
    const int cause = errno;
    written.close();
    QFile::remove(to);
    errno = cause;
    return false;
}

bool DiskFileSystem::syncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Some file systems cannot sync a folder at all; they say so with EINVAL,
    // and there is nothing more to wait for on them.
    const int cause = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    errno = cause;
    return cause == 0;
}

bool DiskFileSystem::syncFiles(const QString& folder, const QStringList& paths) {
    return store::syncFiles(folder, paths).ok();
}

} // namespace oxlin::store
