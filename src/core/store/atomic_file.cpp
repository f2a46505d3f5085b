#include "core/store/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace oxlin::store {

bool openForReplace(QSaveFile& file) {
    file.setDirectWriteFallback(false);
    const QFileInfo existing(file.fileName());
    if (existing.isSymLink()) {
        // Removes the link only; its target is never opened.
        if (!QFile::remove(existing.filePath()))
            return false;
    } else if (existing.exists() && !existing.isFile()) {
        return false;
    }
    return file.open(QIODevice::WriteOnly);
}

bool commitChecked(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        // commit() after cancelWriting() removes the temporary file.
        file.commit();
        return false;
    }
    return file.commit();
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes,
                         QFileDevice::FileError* error, FileSystem& fs) {
    QSaveFile file(path);
    bool written = openForReplace(file);
    if (written && file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        written = false;
    }
    written = written && fs.commit(file);
    // The rename is only as lasting as the folder entry it changed.
    if (written && !fs.syncFolder(QFileInfo(path).absolutePath())) {
        if (error)
            *error = QFileDevice::WriteError;
        return false;
    }
    if (!written && error)
        *error = file.error() != QFileDevice::NoError ? file.error() : QFileDevice::WriteError;
    return written;
}

bool replaceWith(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool syncFileSystem(const QString& folder) {
#if defined(Q_OS_LINUX)
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::syncfs(fd) == 0;
    ::close(fd);
    return synced;
#else
    ::sync();
    return true;
#endif
}

QString keepDamagedCopy(const QString& source, const QString& target, FileSystem& fs) {
    QString copy = target;
    for (int n = 1; QFileInfo::exists(copy) && n < 1000; ++n)
        copy = target + QString::number(n);
    return fs.copy(source, copy) ? copy : QString();
}

} // namespace oxlin::store
