#pragma once

#include "core/store/file_system.h"
#include "core/store/status.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace oxlin::store {

// Packs every "*.xtz" file of `workingFolder` (any letter case) into the
// package. The package is written beside its final place and replaces the old
// one only when complete, so a failed pack leaves the previous package intact.
// Once renamed into place the package's folder is synced, so that a power cut
// right after a save cannot take the new package's name back.
// Fails with NotFound on the folder when it holds no member files, TooLarge
// for more members than a directory can hold or a data area past 4 GiB, and
// WriteFailed, with the system's error, for a failed write, commit or sync.
Status packFolder(const QString& workingFolder, const QString& packageFile,
                  FileSystem& fs = FileSystem::real());

// A member held in memory: its name (without ".xtz") and its stored bytes.
struct PackageMember {
    QString name;
    QByteArray bytes;
};

// Writes `members`, in the order given, as the package, replacing it only
// when complete and syncing its folder, as packFolder does: for a notebook
// that is not in a folder (a merge of two packages).
Status packMembers(const std::vector<PackageMember>& members, const QString& packageFile,
                   FileSystem& fs = FileSystem::real());

// What an unpack left out, by member name (without ".xtz").
struct UnpackReport {
    QStringList unsafeNames; // not plain file names: "", ".", "..", with "/" or "\\"
    QStringList caseTwins;   // equal without regard to case to an earlier member
    QStringList failed;      // could not be written (full disk, unwritable folder)

    bool complete() const { return unsafeNames.isEmpty() && caseTwins.isEmpty() && failed.isEmpty(); }
};

// Unpacks a package into `workingFolder` as "NAME.xtz" files, replacing files
// of the same name (without regard to case) and leaving every other file.
// The trailer, the directory and every entry are checked before anything is
// written: a damaged package is Corrupt and the folder is untouched. Entries
// whose names are not plain file names are skipped; of members whose names
// differ only in case the first in package order is unpacked and the others
// skipped. Each member replaces its file atomically, a symbolic link of that
// name included (the link is replaced, its target never written). The
// members are on disk before this returns (one sync of the file system), so
// that what the caller writes next never lasts without them. Ok when the
// directory was read and processed (NotFound, Refused for a folder,
// ReadFailed or Corrupt otherwise); `report` (may be null) lists what was
// left out.
Status unpackPackage(const QString& workingFolder, const QString& packageFile,
                     UnpackReport* report = nullptr, FileSystem& fs = FileSystem::real());

// Reads single members straight out of a package through its directory, so a
// command or a viewer that needs one member (the tree, the runtime file, one
// topic) never unpacks the others. The directory is read and checked once, by
// the rules unpacking follows; of members whose names differ only in case the
// first in package order is the one read. Owns the open package file; one
// reader may serve several threads at once: the file is mapped into memory
// when it can be, so reads run side by side, and serialised otherwise.
class PackageReader {
public:
    PackageReader() = default;
    PackageReader(const PackageReader&) = delete;
    PackageReader& operator=(const PackageReader&) = delete;

    // False for a missing or damaged package (nothing can be read then).
    // A reader kept open for long (the viewer) passes `mapIntoMemory` false
    // and reads through the file: should another program cut the package
    // short in place meanwhile, a read from the mapping would end the
    // process, where a read from the file just comes back short.
    bool open(const QString& packageFile, bool mapIntoMemory = true);
    bool isOpen() const { return file_.isOpen(); }

    // Member names as stored, in package order, first of each case twin only.
    const QStringList& members() const { return names_; }
    // The stored (still compressed) bytes of the member named `name`, with or
    // without its ".xtz", in any letter case. False when there is no such
    // member or it cannot be read; `out` is then empty.
    bool read(const QString& name, QByteArray& out) const;
    // The stored (compressed) size of a member, -1 when there is none.
    qint64 memberSize(const QString& name) const;
    // The stored bytes of a member as a view of the mapped package, without
    // a copy (a merge compares thousands); empty when the package is not
    // mapped or has no such member. Valid while the reader stays open.
    QByteArrayView view(const QString& name) const {
        const Place* found = mapped_ ? find(name) : nullptr;
        if (!found || qint64(found->offset) + qint64(found->size) > mappedSize_)
            return {};
        return {reinterpret_cast<const char*>(mapped_) + found->offset, qsizetype(found->size)};
    }

private:
    struct Place {
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };
    const Place* find(const QString& name) const;
    mutable QFile file_;
    mutable QMutex mutex_;
    const uchar* mapped_ = nullptr; // the whole file, or null
    qint64 mappedSize_ = 0;
    QStringList names_;
    // By the case-folded name without extension: packed into an integer
    // when that is at most eight ASCII characters (every name we write),
    // as text otherwise.
    std::unordered_map<std::uint64_t, Place> packedPlaces_;
    QHash<QString, Place> otherPlaces_;
};

} // namespace oxlin::store
