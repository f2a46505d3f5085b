#include "core/store/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace oxlin::store {

using Code = Status::Code;

Status openForReplace(QSaveFile& file) {
    file.setDirectWriteFallback(false);
    const QFileInfo existing(file.fileName());
    if (existing.isSymLink()) {
        // Removes the link only; its target is never opened.
        if (!QFile::remove(existing.filePath()))
            return Status::fromErrno(Code::WriteFailed, file.fileName());
    } else if (existing.exists() && !existing.isFile()) {
        return Status(Code::Refused, file.fileName());
    }
    if (!file.open(QIODevice::WriteOnly))
        return Status::fromErrno(Code::WriteFailed, file.fileName());
    return {};
}

namespace {

// Drops what was written to `file`, keeping the cause of the failure: the
// clean-up makes system calls of its own.
Status dropWriting(QSaveFile& file, int cause) {
    file.cancelWriting();
    // commit() after cancelWriting() removes the temporary file.
    file.commit();
    errno = cause;
    return Status(Code::WriteFailed, file.fileName(), cause);
}

} // namespace

Status commitChecked(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return dropWriting(file, errno);
    if (!file.commit())
        return Status::fromErrno(Code::WriteFailed, file.fileName());
    return {};
}

Status writeFileAtomically(const QString& path, const QByteArray& bytes, FileSystem& fs) {
    QSaveFile file(path);
    if (Status opened = openForReplace(file); !opened.ok())
        return opened;
    if (file.write(bytes) != bytes.size())
        return dropWriting(file, errno);
    if (!fs.commit(file))
        return Status::fromErrno(Code::WriteFailed, path);
    // The rename is only as lasting as the folder entry it changed.
    const QString folder = QFileInfo(path).absolutePath();
    if (!fs.syncFolder(folder))
        return Status::fromErrno(Code::WriteFailed, folder);
    return {};
}

Status replaceWith(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return Status::fromErrno(Code::WriteFailed, to);
    return {};
}

Status syncFileSystem(const QString& folder) {
#if defined(Q_OS_LINUX)
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Status::fromErrno(Code::WriteFailed, folder);
    const int cause = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (cause != 0) {
        errno = cause;
        return Status(Code::WriteFailed, folder, cause);
    }
    return {};
#else
    ::sync();
    return {};
#endif
}

QString keepDamagedCopy(const QString& source, const QString& target, FileSystem& fs) {
    QString copy = target;
    for (int n = 1; QFileInfo::exists(copy) && n < 1000; ++n)
        copy = target + QString::number(n);
    return fs.copy(source, copy) ? copy : QString();
}

} // namespace oxlin::store
