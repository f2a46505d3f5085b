#include "core/transfer/source_files.h"

#include "core/store/byte_stream.h"
#include "core/store/compressed_file.h"
#include "core/store/stored_text.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace oxlin::transfer {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscape(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF &&
           (i == 0 || !text[i - 1].isHighSurrogate());
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 when it is not one.
int utf8SequenceAt(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return quint8(bytes[i]); };
    const quint8 lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    quint32 low = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, low = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, low = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, low = 0x10000;
    else
        return 0;
    if (at + length > bytes.size())
        return 0;
    quint32 code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode do not decode.
    if (code < low || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

// Reads an open descriptor, refusing to go past `limit` bytes.
class BoundedSource final : public store::ByteSource {
public:
    BoundedSource(int fd, qint64 limit) : fd_(fd), limit_(limit) {}
    qint64 read(char* data, qint64 size) override {
        // One byte past the limit is asked for, to learn that there is more.
        const qint64 wanted = std::min(size, limit_ + 1 - total_);
        ssize_t got;
        do {
            got = ::read(fd_, data, size_t(wanted));
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            failed_ = true;
            return -1;
        }
        total_ += got;
        if (total_ > limit_) {
            tooLarge_ = true;
            return -1;
        }
        return got;
    }
    qint64 total() const { return total_; }
    bool tooLarge() const { return tooLarge_; }

private:
    int fd_;
    qint64 limit_;
    qint64 total_ = 0;
    bool failed_ = false;
    bool tooLarge_ = false;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

QString decodeNativePath(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    qsizetype run = 0; // the start of the well-formed bytes not yet appended
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = utf8SequenceAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.sliced(run, i - run));
        text += QChar(char16_t(kEscapeBase + quint8(bytes[i])));
        run = ++i;
    }
    text += QString::fromUtf8(bytes.sliced(run));
    return text;
}

QByteArray encodeNativePath(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype run = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (!isEscape(path, i))
            continue;
        bytes += QStringView(path).sliced(run, i - run).toUtf8();
        bytes += char(path[i].unicode() - kEscapeBase);
        run = i + 1;
    }
    bytes += QStringView(path).sliced(run).toUtf8();
    return bytes;
}

QString readablePath(const QString& path) {
    QString text = path;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isEscape(text, i))
            text[i] = QChar::ReplacementCharacter;
    return text;
}

QString readableName(const QString& name) {
    const QByteArray bytes = encodeNativePath(name);
    if (store::isValidUtf8(bytes))
        return name;
    QString text = store::decodeWindows1252(bytes);
    for (QChar& c : text)
        if (c.unicode() >= 0x80 && c.unicode() <= 0x9F)
            c = QChar::ReplacementCharacter;
    return text;
}

SourceEntry sourceEntry(const QString& path) {
    SourceEntry entry;
    entry.path = path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    entry.name = slash < 0 ? path : path.sliced(slash + 1);
    const QByteArray native = encodeNativePath(path);
    struct stat link {};
    if (::lstat(native.constData(), &link) != 0) {
        entry.type = errno == ENOENT || errno == ENOTDIR ? SourceType::Missing
                                                         : SourceType::Unreadable;
        return entry;
    }
    entry.isLink = S_ISLNK(link.st_mode);
    struct stat target = link;
    if (entry.isLink && ::stat(native.constData(), &target) != 0) {
        // A link that leads nowhere is a file that cannot be read.
        entry.type = SourceType::Unreadable;
        return entry;
    }
    if (S_ISREG(target.st_mode))
        entry.type = SourceType::File;
    else if (S_ISDIR(target.st_mode))
        entry.type = SourceType::Folder;
    else
        entry.type = SourceType::Special;
    return entry;
}

bool listFolder(const QString& folder, std::vector<SourceEntry>& entries) {
    entries.clear();
    DIR* dir = ::opendir(encodeNativePath(folder).constData());
    if (!dir)
        return false;
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    std::vector<QString> names;
    for (;;) {
        errno = 0; // readdir says an error only through it
        const dirent* each = ::readdir(dir);
        if (!each)
            break;
        const QByteArrayView name(each->d_name);
        if (name != "." && name != "..")
            names.push_back(decodeNativePath(name));
    }
    const bool whole = errno == 0;
    ::closedir(dir);
    if (!whole)
        return false;
    entries.reserve(names.size());
    for (const QString& name : names)
        entries.push_back(sourceEntry(prefix + name));
    return true;
}

CopyResult compressRegularFile(const QString& sourcePath, const QString& targetPath, qint64 limit,
                               qint64& bytesRead) {
    bytesRead = 0;
    // Non-blocking, so that a pipe with no writer cannot hold the open; the
    // type is then taken from what was opened, not from the name, which may
    // have been replaced since it was looked at.
    const Descriptor source(::open(encodeNativePath(sourcePath).constData(),
                                   O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (source.get() < 0)
        return CopyResult::Unreadable;
    struct stat opened {};
    if (::fstat(source.get(), &opened) != 0)
        return CopyResult::Unreadable;
    if (!S_ISREG(opened.st_mode))
        return CopyResult::NotRegular;
    if (opened.st_size > limit)
        return CopyResult::TooLarge;
    QFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return CopyResult::WriteFailed;
    BoundedSource in(source.get(), limit);
    store::DeviceSink out(target);
    const store::CodecStatus status = store::compressStream(in, out);
    const bool written = status == store::CodecStatus::Ok && target.flush();
    target.close();
    if (written && target.error() == QFileDevice::NoError) {
        bytesRead = in.total();
        return CopyResult::Written;
    }
    target.remove();
    if (in.tooLarge())
        return CopyResult::TooLarge;
    return status == store::CodecStatus::ReadFailed ? CopyResult::Unreadable
                                                    : CopyResult::WriteFailed;
}

} // namespace oxlin::transfer
