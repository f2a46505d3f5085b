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

// In the working folder: the package as this machine last unpacked or
// packed it (the common state of a later merge), and the machine that made
// the folder. Neither ends in ".xtz", so neither is packed.
inline constexpr char kBasePackageName[] = ".oxlin-base.xzz";
inline constexpr char kHostFileName[] = ".oxlin-host";

// This machine's name as the host file records it.
QString thisHost();

// Records `package` as the common state for later merges (a copy, written
// beside and renamed in). When it cannot be written, no copy is left at all:
// a merge against an older state would take our own changes for theirs.
bool rememberBase(const QString& package, const QString& workingFolder);

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

// When the package on disk is no longer the one remembered, merges its
// changes into the working folder (whose Tree.ini and Z.ini are already
// compressed into their members): changed and new members first, then
// Tree.ini and Z.ini, then the files of deleted topics, so a crash halfway
// leaves a folder that resumes with nothing lost. The merged package is
// remembered as the new common state.
DiskMerge mergeChangesOnDisk(const paths::NotebookPaths& paths, store::FileSystem& fs);

// Merges the package `copy` (a conflict copy a file-sync engine made) into
// the working folder, two-way: topics the same on both fold into one, those
// that differ are both kept. Unreadable leaves everything as it was.
DiskMerge mergeCopyIntoFolder(const paths::NotebookPaths& paths, const QString& copy,
                              store::FileSystem& fs);

} // namespace oxlin::session
