#include "core/store/package.h"

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/gzip_format.h"
#include "core/store/package_format.h"
#include "core/store/stored_text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSaveFile>

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace oxlin::store {

namespace pf = package_format;
using gzip_format::readLe32;
using gzip_format::writeLe32;

namespace {

// Copy block for member data. Larger than the format's historical 20 KiB
// block; the block size is not visible in the package.
constexpr qint64 kCopyBlock = 256 * 1024;

struct Entry {
    QByteArray name; // at most 8 bytes
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

QByteArray memberName(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return QFile::encodeName(dot < 0 ? fileName : fileName.left(dot)).left(pf::kNameSize);
}

// Entries are listed in name order without regard to case, the order a
// case-insensitive file system lists them in.
QStringList listMembers(const QString& folder) {
    QDir dir(folder);
    return dir.entryList({QStringLiteral("*.xtz")},
                         QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                             QDir::System,
                         QDir::Name | QDir::IgnoreCase);
}

// A stored name may only become a plain file name inside the folder.
bool isPlainName(const QByteArray& name) {
    if (name.isEmpty() || name == "." || name == "..")
        return false;
    return !name.contains('/') && !name.contains('\\');
}

} // namespace

using Code = Status::Code;

namespace {

// Drops an unfinished package. `why` is made first, while errno still holds
// the cause of the failure.
Status dropPackage(QSaveFile& package, Status why) {
    package.cancelWriting();
    return why;
}

Status writeFailed(const QSaveFile& package) {
    return Status::fromErrno(Code::WriteFailed, package.fileName());
}

// Writes the directory and trailer after the data area, then puts the
// package in place and syncs its folder.
Status finishPackage(QSaveFile& package, const std::vector<Entry>& entries, std::uint64_t total,
                     FileSystem& fs) {
    const QString packageFile = package.fileName();
    QByteArray directory(qsizetype(entries.size() * pf::kEntrySize + pf::kTrailerSize), '\0');
    auto* out = reinterpret_cast<unsigned char*>(directory.data());
    for (const Entry& entry : entries) {
        std::memcpy(out, entry.name.constData(), std::size_t(entry.name.size()));
        writeLe32(out + 8, entry.offset);
        writeLe32(out + 12, entry.size);
        out += pf::kEntrySize;
    }
    writeLe32(out, std::uint32_t(total));
    if (package.write(directory) != directory.size())
        return dropPackage(package, writeFailed(package));
    if (!fs.commit(package))
        return Status::fromErrno(Code::WriteFailed, packageFile);
    const QString folder = QFileInfo(packageFile).absolutePath();
    if (!fs.syncFolder(folder))
        return Status::fromErrno(Code::WriteFailed, folder);
    return {};
}

} // namespace

Status packFolder(const QString& workingFolder, const QString& packageFile, FileSystem& fs) {
    const QStringList members = listMembers(workingFolder);
    if (members.isEmpty())
        return Status(Code::NotFound, workingFolder);

    QSaveFile package(packageFile);
    if (Status opened = openForReplace(package); !opened.ok())
        return opened;

    std::vector<Entry> entries;
    std::unique_ptr<char[]> block(new char[kCopyBlock]);
    std::uint64_t total = 0;
    const QDir dir(workingFolder);
    for (const QString& name : members) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).isDir())
            continue;
        QFile member(path);
        if (!member.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        if (entries.size() == pf::kMaxPackedEntries)
            return dropPackage(package, Status(Code::TooLarge, packageFile));
        std::uint64_t size = 0;
        for (;;) {
            const qint64 got = member.read(block.get(), kCopyBlock);
            if (got <= 0)
                break; // a failed read keeps what was copied before it
            if (package.write(block.get(), got) != got)
                return dropPackage(package, writeFailed(package));
            size += std::uint64_t(got);
        }
        if (total + size > 0xFFFFFFFFull)
            return dropPackage(package, Status(Code::TooLarge, packageFile));
        entries.push_back({memberName(name), std::uint32_t(total), std::uint32_t(size)});
        total += size;
    }
    if (entries.empty())
        return dropPackage(package, Status(Code::NotFound, workingFolder));
    return finishPackage(package, entries, total, fs);
}

Status packMembers(const std::vector<PackageMember>& members, const QString& packageFile,
                   FileSystem& fs) {
    if (members.empty() || members.size() > pf::kMaxPackedEntries)
        return Status(members.empty() ? Code::NotFound : Code::TooLarge, packageFile);
    QSaveFile package(packageFile);
    if (Status opened = openForReplace(package); !opened.ok())
        return opened;
    std::vector<Entry> entries;
    std::uint64_t total = 0;
    for (const PackageMember& member : members) {
        if (total + std::uint64_t(member.bytes.size()) > 0xFFFFFFFFull)
            return dropPackage(package, Status(Code::TooLarge, packageFile));
        if (package.write(member.bytes) != member.bytes.size())
            return dropPackage(package, writeFailed(package));
        entries.push_back({memberName(member.name), std::uint32_t(total), std::uint32_t(member.bytes.size())});
        total += std::uint64_t(member.bytes.size());
    }
    return finishPackage(package, entries, total, fs);
}

namespace {

// A read of the package that came back short: the system's error when it
// reported one, damage when the file simply ended early.
Status shortRead(const QFile& package, qint64 got) {
    if (got < 0)
        return Status::fromErrno(Code::ReadFailed, package.fileName());
    return Status(Code::Corrupt, package.fileName());
}

// Reads and checks the directory. Corrupt for a package that must not be unpacked.
Status readDirectory(QFile& package, std::vector<Entry>& entries) {
    const Status damaged(Code::Corrupt, package.fileName());
    const qint64 packageSize = package.size();
    if (packageSize < qint64(pf::kTrailerSize))
        return damaged;
    unsigned char trailer[pf::kTrailerSize];
    if (!package.seek(packageSize - qint64(pf::kTrailerSize)))
        return Status::fromErrno(Code::ReadFailed, package.fileName());
    if (const qint64 got = package.read(reinterpret_cast<char*>(trailer), sizeof trailer);
        got != qint64(sizeof trailer))
        return shortRead(package, got);
    const std::uint32_t dataSize = readLe32(trailer);
    if (dataSize == 0 || qint64(dataSize) > packageSize - qint64(pf::kTrailerSize))
        return damaged;
    const qint64 directorySize = packageSize - qint64(pf::kTrailerSize) - dataSize;
    const qint64 count = directorySize / qint64(pf::kEntrySize);
    if (count > qint64(pf::kMaxReadEntries))
        return damaged;

    QByteArray directory(qsizetype(count * qint64(pf::kEntrySize)), '\0');
    if (!package.seek(dataSize))
        return Status::fromErrno(Code::ReadFailed, package.fileName());
    if (const qint64 got = package.read(directory.data(), directory.size());
        got != directory.size())
        return shortRead(package, got);
    const auto* in = reinterpret_cast<const unsigned char*>(directory.constData());
    entries.reserve(std::size_t(count));
    for (qint64 i = 0; i < count; ++i, in += pf::kEntrySize) {
        Entry entry;
        entry.name = QByteArray(reinterpret_cast<const char*>(in),
                                qsizetype(strnlen(reinterpret_cast<const char*>(in), pf::kNameSize)));
        entry.offset = readLe32(in + 8);
        entry.size = readLe32(in + 12);
        if (std::uint64_t(entry.offset) + entry.size > dataSize)
            return damaged;
        entries.push_back(entry);
    }
    return {};
}

// Existing entries of the folder by upper-case name, so an unpacked member
// replaces "0000000A.XTZ" rather than creating "0000000A.xtz" beside it.
QHash<QString, QString> existingNames(const QString& folder) {
    QHash<QString, QString> names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        names.insert(it.fileName().toUpper(), it.fileName());
    }
    return names;
}

bool copyRange(QFile& package, const Entry& entry, QFile& target, char* block) {
    if (!package.seek(entry.offset))
        return false;
    std::uint32_t remaining = entry.size;
    while (remaining > 0) {
        const qint64 got = package.read(block, std::min<qint64>(kCopyBlock, remaining));
        if (got <= 0)
            return false;
        if (target.write(block, got) != got)
            return false;
        remaining -= std::uint32_t(got);
    }
    return target.flush();
}

// Replaces one member file. Written beside under a name packing never takes
// (it does not end in ".xtz") and renamed into place, so a failed copy keeps
// the file that was there, and a symbolic link of that name is replaced
// rather than written through. Not synced file by file: thousands of syncs,
// each waiting on the disk in turn, make opening a large notebook take
// seconds. Its write-out starts at once instead, and unpackPackage waits for
// all of them together at the end.
bool writeMember(QFile& package, const Entry& entry, const QString& path, char* block,
                 FileSystem& fs) {
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isSymLink() && !existing.isFile())
        return false; // a folder or a device is never replaced
    const QString temporary = path + QLatin1String(".unpacking");
    QFile::remove(temporary); // a leftover, or a link: never written through
    QFile target(temporary);
    if (!target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool copied = copyRange(package, entry, target, block);
    if (copied)
        startWriteBack(target);
    target.close();
    if (!copied || !fs.rename(temporary, path)) {
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace

Status unpackPackage(const QString& workingFolder, const QString& packageFile, UnpackReport* report,
                     FileSystem& fs) {
    UnpackReport ignored;
    UnpackReport& said = report ? *report : ignored;
    const QFileInfo info(packageFile);
    if (!info.exists())
        return Status(Code::NotFound, packageFile);
    if (!info.isFile())
        return Status(Code::Refused, packageFile); // a folder or a device is no package
    QFile package(packageFile);
    if (!package.open(QIODevice::ReadOnly))
        return Status::fromErrno(Code::ReadFailed, packageFile);
    std::vector<Entry> entries;
    if (Status read = readDirectory(package, entries); !read.ok())
        return read;

    const QHash<QString, QString> existing = existingNames(workingFolder);
    QSet<QString> unpacked; // upper-case names, to keep the first of a case twin
    QStringList written;
    const QDir dir(workingFolder);
    std::unique_ptr<char[]> block(new char[kCopyBlock]);
    for (const Entry& entry : entries) {
        const QString name = decodeStoredText(entry.name);
        if (!isPlainName(entry.name)) {
            said.unsafeNames.append(name);
            continue;
        }
        const QString fileName = name + QLatin1String(pf::kMemberExtension);
        const QString folded = fileName.toUpper();
        if (unpacked.contains(folded)) {
            said.caseTwins.append(name);
            continue;
        }
        unpacked.insert(folded);
        const QString onDisk = existing.value(folded, fileName);
        // Joined by hand: QDir::filePath takes a name starting with ":" for a
        // resource path and returns it alone, outside the folder.
        const QString path = dir.path() + QLatin1Char('/') + onDisk;
        if (writeMember(package, entry, path, block.get(), fs))
            written.append(path);
        else
            said.failed.append(name);
    }
    // What the caller writes next (the tree file) makes the folder the
    // notebook's newest state; the members must be on disk before it is.
    // Only the files written here are waited for, never the whole file
    // system, whose other writers could make the wait any length.
    // A failed sync is not the unpack's failure: every member is in place.
    (void)fs.syncFiles(workingFolder, written);
    return {};
}

namespace {

// How the reader finds a member: its name without ".xtz", case-folded; a key
// of at most eight ASCII characters (other than NUL) is packed into `packed`.
struct MemberKey {
    std::optional<std::uint64_t> packed;
    QString text;
};

std::optional<std::uint64_t> packedName(QStringView folded) {
    if (folded.size() > qsizetype(pf::kNameSize))
        return std::nullopt;
    std::uint64_t packed = 0;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const char16_t c = folded[i].unicode();
        if (c == 0 || c >= 0x80)
            return std::nullopt;
        packed |= std::uint64_t(c) << (8 * i);
    }
    return packed;
}

MemberKey memberKey(const QString& name) {
    const QLatin1String extension(pf::kMemberExtension);
    const QStringView bare = name.endsWith(extension, Qt::CaseInsensitive)
                                 ? QStringView(name).chopped(extension.size())
                                 : QStringView(name);
    bool ascii = true;
    for (QChar c : bare)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii && bare.size() <= qsizetype(pf::kNameSize)) {
        // ASCII folds to lower case, with no table.
        char16_t lower[pf::kNameSize];
        for (qsizetype i = 0; i < bare.size(); ++i) {
            const char16_t c = bare[i].unicode();
            lower[i] = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
        }
        if (const auto packed = packedName(QStringView(lower, bare.size())))
            return {packed, {}};
    }
    QString folded = bare.toString().toCaseFolded();
    if (const auto packed = packedName(folded))
        return {packed, {}};
    return {std::nullopt, std::move(folded)};
}

} // namespace

const PackageReader::Place* PackageReader::find(const QString& name) const {
    const MemberKey key = memberKey(name);
    if (key.packed) {
        const auto found = packedPlaces_.find(*key.packed);
        return found == packedPlaces_.end() ? nullptr : &found->second;
    }
    const auto found = otherPlaces_.constFind(key.text);
    return found == otherPlaces_.cend() ? nullptr : &*found;
}

bool PackageReader::open(const QString& packageFile, bool mapIntoMemory) {
    QMutexLocker lock(&mutex_);
    file_.close(); // unmaps too
    mapped_ = nullptr;
    mappedSize_ = 0;
    names_.clear();
    packedPlaces_.clear();
    otherPlaces_.clear();
    file_.setFileName(packageFile);
    if (!QFileInfo(packageFile).isFile() || !file_.open(QIODevice::ReadOnly))
        return false;
    std::vector<Entry> entries;
    if (!readDirectory(file_, entries).ok()) {
        file_.close();
        return false;
    }
    packedPlaces_.reserve(entries.size());
    names_.reserve(qsizetype(entries.size()));
    for (const Entry& entry : entries) {
        if (!isPlainName(entry.name))
            continue;
        const QString name = decodeStoredText(entry.name);
        MemberKey key = memberKey(name);
        const Place place{entry.offset, entry.size};
        if (key.packed) {
            if (!packedPlaces_.emplace(*key.packed, place).second)
                continue;
        } else {
            if (otherPlaces_.contains(key.text))
                continue;
            otherPlaces_.insert(key.text, place);
        }
        names_.append(name);
    }
    mappedSize_ = file_.size();
    mapped_ = mapIntoMemory && mappedSize_ > 0 ? file_.map(0, mappedSize_) : nullptr;
    return true;
}

qint64 PackageReader::memberSize(const QString& name) const {
    const Place* found = find(name);
    return found ? qint64(found->size) : -1;
}

bool PackageReader::read(const QString& name, QByteArray& out) const {
    out.clear();
    const Place* found = find(name);
    if (!found)
        return false;
    if (mapped_) {
        if (qint64(found->offset) + qint64(found->size) > mappedSize_)
            return false;
        out = QByteArray(reinterpret_cast<const char*>(mapped_) + found->offset,
                         qsizetype(found->size));
        return true;
    }
    QMutexLocker lock(&mutex_);
    out.resize(qsizetype(found->size));
    if (!file_.seek(found->offset) || file_.read(out.data(), out.size()) != out.size()) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace oxlin::store
