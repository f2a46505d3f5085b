// A notebook's package changed on disk by someone else (a file-sync engine
// bringing another machine's copy): found at save and merged, never
// overwritten; and the working folders other machines made, left alone.
#pragma once

#include "core/merge/notebook_merge.h"
#include "core/paths/notebook_paths.h"
#include "core/store/file_system.h"
#include "core/store/status.h"

#include <QString>

namespace oxlin::session {

// In the working folder: the machine that made the folder. It does not end
// in ".xtz", so it is never packed. The common state of a merge is the kept
// package (kept_package.h): the package as this machine last opened or packed it.
inline constexpr char kHostFileName[] = ".oxlin-host";

// This machine's name as the host file records it.
QString thisHost();

// The host a working folder was made on; empty when it records none
// (a folder made before hosts were recorded, which is taken as ours).
QString hostOf(const QString& workingFolder);
bool recordHost(const QString& workingFolder);

struct DiskMerge {
    enum class Outcome {
        Unchanged,  // the package is the one remembered (or there is nothing to compare)
        Merged,     // its changes are in the working folder now
        Unreadable, // it changed and cannot be read: nothing may be packed over it
        Failed,     // the merge could not be written into the working folder
    };
    Outcome outcome = Outcome::Unchanged;
    merge::MergeReport report;
    store::Status status;
    bool treeChanged = false; // Tree.ini is not what it was: the tree must be read again
};

// When the package on disk is no longer the one kept, merges its changes
// into the working folder (whose Tree.ini and Z.ini are already compressed
// into their members). Every topic the tree lists is taken out of the kept
// package first, so the folder holds the whole notebook; then changed and
// new members, then
// Tree.ini and Z.ini, then the files of deleted topics, so a crash halfway
// leaves a folder that resumes with nothing lost. The merged package is
// kept as the new common state.
DiskMerge mergeChangesOnDisk(const paths::NotebookPaths& paths, store::FileSystem& fs);

// Merges the package `copy` (a conflict copy a file-sync engine made) into
// the working folder, two-way: topics the same on both fold into one, those
// that differ are both kept (the folder's topics all taken out first).
// Unreadable leaves everything as it was.
DiskMerge mergeCopyIntoFolder(const paths::NotebookPaths& paths, const QString& copy,
                              store::FileSystem& fs);

} // namespace oxlin::session
