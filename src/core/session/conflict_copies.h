// Conflict copies: the second copy of a package a file-sync engine keeps
// when two machines changed it between two syncs.
#pragma once

#include <QString>

#include <vector>

namespace oxlin::session {

struct ConflictCopy {
    QString path;   // the copy's package
    QString madeOn; // the date (and time) its name gives, as "2026-12-08 10:10:10"
};

// The notebook whose conflict copy `fileName` is, by the patterns of
// Syncthing ("NAME.sync-conflict-20261208-101010-ABCDEFG.xzz"), Nextcloud
// ("NAME (conflicted copy 2026-12-08 101010).xzz") and Dropbox ("NAME (host's
// conflicted copy 2026-12-08).xzz"); empty when it is none. `madeOn` (may be
// null) receives the date the name gives.
QString conflictCopyOf(const QString& fileName, QString* madeOn = nullptr);

// The conflict copies of `notebookName` in the data folder, oldest name first.
std::vector<ConflictCopy> findConflictCopies(const QString& dataFolder,
                                             const QString& notebookName);

// The folder of the data folder that merged copies are moved into.
inline constexpr char kMergedFolderName[] = "Merged";

// Moves a merged copy into the data folder's "Merged" folder, under a free
// name. False (the copy left where it is) when it cannot.
bool putMergedCopyAside(const QString& dataFolder, const QString& copy);

} // namespace oxlin::session
