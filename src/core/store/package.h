#pragma once

#include <QString>
#include <QStringList>

namespace oxlin::store {

// Packs every "*.xtz" file of `workingFolder` (any letter case) into the
// package. The package is written beside its final place and replaces the old
// one only when complete, so a failed pack leaves the previous package intact.
// Returns 1 when the package was written, 0 otherwise (no member files, more
// members than a directory can hold, data area past 4 GiB, a write failure).
int packFolder(const QString& workingFolder, const QString& packageFile);

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
// written: a damaged package returns 0 and the folder is untouched. Entries
// whose names are not plain file names are skipped; of members whose names
// differ only in case the first in package order is unpacked and the others
// skipped. Each member replaces its file atomically, a symbolic link of that
// name included (the link is replaced, its target never written). Returns 1
// when the directory was read and processed; `report` (may be null) lists
// what was left out.
int unpackPackage(const QString& workingFolder, const QString& packageFile,
                  UnpackReport* report = nullptr);

} // namespace oxlin::store
