// Compressed files and buffers: whole files and byte arrays through the gzip codec.
#include "core/store/compressed_file.h"

#include "core/store/atomic_file.h"
#include "core/store/byte_stream.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace oxlin::store {

namespace {

int finishedResult(CodecStatus status) { return status == CodecStatus::Ok ? 1 : 0; }

bool samePath(const QString& a, const QString& b) {
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

} // namespace

int compressFile(const QString& sourcePath, const QString& targetPath, FileSystem& fs) {
    if (!QFileInfo::exists(sourcePath))
        return 0;
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    // Written beside the target and renamed over it when complete.
    QSaveFile target(targetPath);
    if (!openForReplace(target))
        return 0;
    DeviceSource in(source);
    DeviceSink out(target);
    if (compressStream(in, out) != CodecStatus::Ok) {
        target.cancelWriting();
        target.commit();
        return 0;
    }
    return fs.commit(target) ? 1 : 0;
}

int compressToNewFile(const QString& sourcePath, const QString& targetPath) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    QFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return 0;
    DeviceSource in(source);
    DeviceSink out(target);
    const bool written = compressStream(in, out) == CodecStatus::Ok && target.flush();
    target.close();
    if (!written || target.error() != QFileDevice::NoError) {
        target.remove();
        return 0;
    }
    return 1;
}

int decompressFile(const QString& sourcePath, const QString& targetPath) {
    if (!QFileInfo::exists(sourcePath)) {
        QFile empty(targetPath);
        (void)empty.open(QIODevice::WriteOnly | QIODevice::Truncate);
        return 0;
    }
    // Deleting the target first would delete the source too.
    if (samePath(sourcePath, targetPath))
        return 0;
    QFile::remove(targetPath);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 0;
    QFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return 0;
    DeviceSource in(source);
    DeviceSink out(target);
    const CodecStatus status = decompressStream(in, out);
    const bool closed = target.flush();
    target.close();
    return closed ? finishedResult(status) : 0;
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

int decompressReplacing(const QString& sourcePath, const QString& targetPath) {
    const QFileInfo existing(targetPath);
    if (existing.exists() && !existing.isSymLink() && !existing.isFile())
        return 0;
    if (samePath(sourcePath, targetPath))
        return 0;
    QTemporaryFile fresh(existing.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(existing.fileName())));
    if (!fresh.open())
        return 0;
    bool written = true;
    if (QFileInfo::exists(sourcePath)) {
        QFile source(sourcePath);
        if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return 0;
        DeviceSource in(source);
        DeviceSink out(fresh);
        written = decompressStream(in, out) == CodecStatus::Ok;
    }
    written = written && fresh.flush() && ::fsync(fresh.handle()) == 0;
    // An existing file keeps its permissions; a new one gets a new file's.
    written = written && fresh.setPermissions(existing.isFile() && !existing.isSymLink()
                                                  ? existing.permissions()
                                                  : newFilePermissions());
    if (!written || !replaceWith(fresh.fileName(), targetPath))
        return 0; // the temporary file goes with `fresh`
    fresh.setAutoRemove(false);
    return 1;
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

CodecStatus decompressFileStatus(const QString& sourcePath, QByteArray& out, qint64 limit) {
    out.clear();
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return CodecStatus::ReadFailed;
    DeviceSource in(source);
    return decodeToBuffer(in, out, limit);
}

int decompressFileToBuffer(const QString& sourcePath, QByteArray& out, qint64 limit) {
    return finishedResult(decompressFileStatus(sourcePath, out, limit));
}

int compressBuffer(const QByteArray& data, QByteArray& out) {
    out.clear();
    BufferSource in(data);
    BufferSink sink(out);
    return finishedResult(compressStream(in, sink));
}

int decompressBuffer(const QByteArray& data, QByteArray& out, qint64 limit) {
    out.clear();
    BufferSource in(data);
    return finishedResult(decodeToBuffer(in, out, limit));
}

} // namespace oxlin::store
