#include "core/store/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <thread>
#include <utility>
#include <vector>

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

void startWriteBack(const QFileDevice& file) {
#if defined(Q_OS_LINUX)
    // Asks for the write-out and returns at once; errors show in the sync.
    if (file.handle() >= 0)
        (void)::sync_file_range(file.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(file);
#endif
}

namespace {

// Threads waiting on file syncs at once; they wait on the disk, not the CPU.
constexpr int kSyncThreads = 16;

// Waits for one file's data (and the size that reaches it); 0 or the error.
int syncFileData(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
#if defined(Q_OS_LINUX)
    const int cause = ::fdatasync(fd) == 0 ? 0 : errno;
#else
    const int cause = ::fsync(fd) == 0 ? 0 : errno;
#endif
    ::close(fd);
    return cause;
}

} // namespace

Status syncFiles(const QString& folder, const QStringList& paths) {
    // Each sync ends with the disk emptying its write cache, some
    // milliseconds whatever the file: thousands one after the other take
    // seconds. Waited for from many threads at once, the system merges
    // those flushes, and the files take a tenth of a second.
    // Plain threads: they need no event loop or application object, which
    // the command-line tool and the tests do not always have.
    std::vector<std::pair<QString, int>> syncs;
    syncs.reserve(size_t(paths.size()));
    for (const QString& path : paths)
        syncs.emplace_back(path, 0);
    std::atomic<size_t> next{0};
    const auto wait = [&syncs, &next] {
        for (size_t i = next++; i < syncs.size(); i = next++)
            syncs[i].second = syncFileData(syncs[i].first);
    };
    std::vector<std::thread> waiters;
    const size_t count = std::min<size_t>(kSyncThreads, syncs.size());
    for (size_t i = 1; i < count; ++i)
        waiters.emplace_back(wait);
    wait();
    for (std::thread& waiter : waiters)
        waiter.join();
    Status result;
    for (const auto& [path, cause] : syncs) {
        if (cause != 0) {
            result = Status(Code::WriteFailed, path, cause);
            break;
        }
    }
    // The names last once the folder is synced, after the data they name.
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int cause = fd < 0 ? errno : (::fsync(fd) == 0 || errno == EINVAL ? 0 : errno);
    if (fd >= 0)
        ::close(fd);
    if (cause != 0 && result.ok())
        result = Status(Code::WriteFailed, folder, cause);
    if (!result.ok())
        errno = result.systemError();
    return result;
}

QString keepDamagedCopy(const QString& source, const QString& target, FileSystem& fs) {
    QString copy = target;
    for (int n = 1; QFileInfo::exists(copy) && n < 1000; ++n)
        copy = target + QString::number(n);
    return fs.copy(source, copy) ? copy : QString();
}

} // namespace oxlin::store
