// Compressed files and buffers: whole files and byte arrays through the gzip codec.
#include "core/store/compressed_file.h"

#include "core/store/atomic_file.h"
#include "core/store/byte_stream.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace oxlin::store {

namespace {

using Code = Status::Code;

// What a codec run over files comes to: damaged data is the source's fault,
// a refused write the target's. Called straight after the run, while errno
// still holds the cause of a failed read or write.
Status fileResult(CodecStatus codec, const QString& source, const QString& target) {
    const int cause = errno;
    switch (codec) {
    case CodecStatus::Ok:
        return {};
    case CodecStatus::BadHeader:
    case CodecStatus::BadData:
        return Status(Code::Corrupt, source);
    case CodecStatus::ReadFailed:
        return Status(Code::ReadFailed, source, cause);
    case CodecStatus::WriteFailed:
        return Status(Code::WriteFailed, target, cause);
    case CodecStatus::NoMemory:
        return Status(Code::NoMemory, source);
    case CodecStatus::TooLarge:
        return Status(Code::TooLarge, source);
    }
    return Status(Code::Corrupt, source);
}

// The same for a run into memory, where a refused write is memory running out.
Status memoryResult(CodecStatus codec, const QString& source) {
    if (codec == CodecStatus::WriteFailed)
        return Status(Code::NoMemory, source);
    return fileResult(codec, source, QString());
}

// A source that could not be opened: missing, or unreadable.
Status openFailed(const QString& path) {
    return Status::fromErrno(errno == ENOENT ? Code::NotFound : Code::ReadFailed, path);
}

bool samePath(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace

Status compressFile(const QString& sourcePath, const QString& targetPath, FileSystem& fs) {
    if (!QFileInfo::exists(sourcePath))
        return Status(Code::NotFound, sourcePath);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return openFailed(sourcePath);
    // Written beside the target and renamed over it when complete.
    QSaveFile target(targetPath);
    if (Status opened = openForReplace(target); !opened.ok())
        return opened;
    DeviceSource in(source);
    DeviceSink out(target);
    if (Status coded = fileResult(compressStream(in, out), sourcePath, targetPath); !coded.ok()) {
        target.cancelWriting();
        target.commit();
        return coded;
    }
    if (!fs.commit(target))
        return Status::fromErrno(Code::WriteFailed, targetPath);
    return {};
}

Status compressToNewFile(const QString& sourcePath, const QString& targetPath) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return openFailed(sourcePath);
    QFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Status::fromErrno(errno == EEXIST ? Code::Refused : Code::WriteFailed, targetPath);
    DeviceSource in(source);
    DeviceSink out(target);
    Status written = fileResult(compressStream(in, out), sourcePath, targetPath);
    if (written.ok() && !target.flush())
        written = Status::fromErrno(Code::WriteFailed, targetPath);
    target.close();
    if (written.ok() && target.error() != QFileDevice::NoError)
        written = Status::fromErrno(Code::WriteFailed, targetPath);
    if (!written.ok())
        target.remove();
    return written;
}

Status decompressFile(const QString& sourcePath, const QString& targetPath) {
    if (!QFileInfo::exists(sourcePath)) {
        QFile empty(targetPath);
        (void)empty.open(QIODevice::WriteOnly | QIODevice::Truncate);
        return Status(Code::NotFound, sourcePath);
    }
    // Deleting the target first would delete the source too.
    if (samePath(sourcePath, targetPath))
        return Status(Code::Refused, targetPath);
    QFile::remove(targetPath);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return openFailed(sourcePath);
    QFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return Status::fromErrno(Code::WriteFailed, targetPath);
    DeviceSource in(source);
    DeviceSink out(target);
    const Status decoded = fileResult(decompressStream(in, out), sourcePath, targetPath);
    const bool flushed = target.flush();
    const int cause = errno;
    target.close();
    return flushed ? decoded : Status(Code::WriteFailed, targetPath, cause);
}

namespace {

// The permissions a file made with open(2) would get: 0666 less the umask.
// Read from /proc, since setting the mask to learn it would race with
// threads creating files meanwhile.
QFileDevice::Permissions newFilePermissions() {
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("Umask:"))
                mask = mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    QFileDevice::Permissions permissions;
    const std::pair<mode_t, QFileDevice::Permission> bits[] = {
        {S_IRUSR, QFileDevice::ReadOwner}, {S_IWUSR, QFileDevice::WriteOwner},
        {S_IRGRP, QFileDevice::ReadGroup}, {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther}, {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto& [bit, permission] : bits)
        if (!(mask & bit))
            permissions |= permission;
    return permissions;
}

} // namespace

Status decompressReplacing(const QString& sourcePath, const QString& targetPath) {
    const QFileInfo existing(targetPath);
    if (existing.exists() && !existing.isSymLink() && !existing.isFile())
        return Status(Code::Refused, targetPath);
    if (samePath(sourcePath, targetPath))
        return Status(Code::Refused, targetPath);
    QTemporaryFile fresh(
        existing.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(existing.fileName())));
    if (!fresh.open())
        return Status::fromErrno(Code::WriteFailed, targetPath);
    Status written;
    if (QFileInfo::exists(sourcePath)) {
        QFile source(sourcePath);
        if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return openFailed(sourcePath);
        DeviceSource in(source);
        DeviceSink out(fresh);
        written = fileResult(decompressStream(in, out), sourcePath, targetPath);
    }
    if (written.ok() && (!fresh.flush() || ::fsync(fresh.handle()) != 0))
        written = Status::fromErrno(Code::WriteFailed, targetPath);
    // An existing file keeps its permissions; a new one gets a new file's.
    if (written.ok() &&
        !fresh.setPermissions(existing.isFile() && !existing.isSymLink() ? existing.permissions()
                                                                         : newFilePermissions()))
        written = Status::fromErrno(Code::WriteFailed, targetPath);
    if (written.ok())
        written = replaceWith(fresh.fileName(), targetPath);
    if (!written.ok())
        return written; // the temporary file goes with `fresh`
    fresh.setAutoRemove(false);
    return {};
}

namespace {

// Decodes into memory, stopping at `limit` bytes so that a small member that
// inflates to gigabytes never gets the memory to do it.
CodecStatus decodeToBuffer(ByteSource& in, QByteArray& out, qint64 limit) {
    CappedBufferSink sink(out, limit);
    CodecStatus status = decompressStream(in, sink);
    if (sink.overLimit())
        status = CodecStatus::TooLarge;
    if (status == CodecStatus::TooLarge || status == CodecStatus::NoMemory)
        out = QByteArray(); // gives the memory back at once
    return status;
}

} // namespace

Status decompressFileToBuffer(const QString& sourcePath, QByteArray& out, qint64 limit) {
    out.clear();
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return openFailed(sourcePath);
    DeviceSource in(source);
    return memoryResult(decodeToBuffer(in, out, limit), sourcePath);
}

Status compressBuffer(const QByteArray& data, QByteArray& out) {
    out.clear();
    BufferSource in(data);
    BufferSink sink(out);
    return memoryResult(compressStream(in, sink), QString());
}

Status decompressBuffer(const QByteArray& data, QByteArray& out, qint64 limit) {
    out.clear();
    BufferSource in(data);
    return memoryResult(decodeToBuffer(in, out, limit), QString());
}

} // namespace oxlin::store
