#pragma once

#include <QString>

namespace oxlin::store {

// Packs every "*.xtz" file of `workingFolder` (any letter case) into the
// package. The package is written beside its final place and replaces the old
// one only when complete, so a failed pack leaves the previous package intact.
// Returns 1 when the package was written, 0 otherwise (no member files, more
// members than a directory can hold, data area past 4 GiB, a write failure).
int packFolder(const QString& workingFolder, const QString& packageFile);

// Unpacks a package into `workingFolder` as "NAME.xtz" files, replacing files
// of the same name (without regard to case) and leaving every other file.
// The trailer, the directory and every entry are checked before anything is
// written: a damaged package returns 0 and the folder is untouched. Entries
// whose names are not plain file names are skipped. Returns 1 when the
// directory was read and processed.
int unpackPackage(const QString& workingFolder, const QString& packageFile);

} // namespace oxlin::store
