#include "core/session/disk_changes.h"

#include "core/session/kept_package.h"
#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

namespace oxlin::session {

namespace {

using Outcome = DiskMerge::Outcome;

// Every topic the tree lists in the folder: a merge reads the whole notebook.
store::Status takeOutListedTopics(const paths::NotebookPaths& paths, store::FileSystem& fs) {
    if (KeptPackage(paths.workingFolder).takeOut(listedTopicFiles(paths.treeFile), fs))
        return {};
    return {store::Status::Code::WriteFailed, paths.workingFolder};
}

// Tree.ini and Z.ini from the merged members.
store::Status restoreIniFiles(const paths::NotebookPaths& paths, store::FileSystem& fs) {
    const struct {
        QString compressed;
        QString ini;
    } files[] = {{paths.compressedTreeFile(), paths.treeFile},
                 {paths.compressedRuntimeFile(), paths.runtimeFile}};
    for (const auto& file : files) {
        QByteArray text;
        const store::Status read = store::decompressFileToBuffer(file.compressed, text);
        if (!read.ok())
            return read;
        if (const store::Status written = store::writeFileAtomically(file.ini, text, fs);
            !written.ok())
            return written;
    }
    return {};
}

// `after` without the members `before` has and `after` does not: the first
// step of a write that removes those last.
merge::NotebookContent withoutRemovals(const merge::NotebookContent& before,
                                       const merge::NotebookContent& after) {
    merge::NotebookContent kept = after;
    for (const merge::NotebookContent::Member& member : before.members())
        if (!after.contains(member.name))
            kept.put(member.name, member.bytes);
    return kept;
}

// Brings the working folder from `ours` to `merged`: changed and new members
// first, then Tree.ini and Z.ini, then the files of deleted topics.
store::Status applyMerge(const paths::NotebookPaths& paths, const merge::NotebookContent& ours,
                         const merge::NotebookContent& merged, store::FileSystem& fs) {
    const merge::NotebookContent firstStep = withoutRemovals(ours, merged);
    store::Status status = merge::writeFolderContent(paths.workingFolder, ours, firstStep, fs);
    if (status.ok())
        status = restoreIniFiles(paths, fs);
    if (status.ok())
        status = merge::writeFolderContent(paths.workingFolder, firstStep, merged, fs);
    return status;
}

} // namespace

QString thisHost() {
    const QString host = QSysInfo::machineHostName();
    return host.isEmpty() ? QStringLiteral("localhost") : host;
}

QString hostOf(const QString& workingFolder) {
    QFile file(QDir(workingFolder).filePath(QLatin1String(kHostFileName)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

bool recordHost(const QString& workingFolder) {
    return store::writeFileAtomically(QDir(workingFolder).filePath(QLatin1String(kHostFileName)),
                                      thisHost().toUtf8() + '\n')
        .ok();
}

DiskMerge mergeChangesOnDisk(const paths::NotebookPaths& paths, store::FileSystem& fs) {
    DiskMerge result;
    const QString base = keptPackagePath(paths.workingFolder);
    if (!QFileInfo::exists(base) || !QFileInfo(paths.packageFile).isFile() ||
        samePackage(base, paths.packageFile))
        return result;
    merge::NotebookContent baseContent, theirs, ours, merged;
    if (!merge::readPackageContent(base, baseContent).ok() ||
        !(result.status = merge::readPackageContent(paths.packageFile, theirs)).ok()) {
        result.outcome = Outcome::Unreadable;
        result.status = {store::Status::Code::Corrupt, paths.packageFile};
        return result;
    }
    result.outcome = Outcome::Failed;
    if (!(result.status = takeOutListedTopics(paths, fs)).ok() ||
        !(result.status = merge::readFolderContent(paths.workingFolder, ours)).ok() ||
        !(result.status = merge::mergeNotebooks(baseContent, ours, theirs, merged, result.report))
             .ok())
        return result;
    if (!(result.status = applyMerge(paths, ours, merged, fs)).ok())
        return result;
    result.treeChanged = ours.bytes(QStringLiteral("Tree")) != merged.bytes(QStringLiteral("Tree"));
    // Theirs is in the folder now: it is the state both machines share.
    // Every topic is in the folder too, so the kept package is only that.
    keepPackage(paths.packageFile, paths.workingFolder, fs);
    result.outcome = Outcome::Merged;
    return result;
}

DiskMerge mergeCopyIntoFolder(const paths::NotebookPaths& paths, const QString& copy,
                              store::FileSystem& fs) {
    DiskMerge result;
    merge::NotebookContent theirs, ours, merged;
    if (!merge::readPackageContent(copy, theirs).ok()) {
        result.outcome = Outcome::Unreadable;
        result.status = {store::Status::Code::Corrupt, copy};
        return result;
    }
    result.outcome = Outcome::Failed;
    // The folder's members must hold its tree and runtime file as they are now.
    for (const auto& [ini, compressed] :
         {std::pair{paths.treeFile, paths.compressedTreeFile()},
          std::pair{paths.runtimeFile, paths.compressedRuntimeFile()}})
        if (QFileInfo::exists(ini) &&
            !(result.status = store::compressFile(ini, compressed, fs)).ok())
            return result;
    if (!(result.status = takeOutListedTopics(paths, fs)).ok() ||
        !(result.status = merge::readFolderContent(paths.workingFolder, ours)).ok() ||
        !(result.status = merge::mergeCopies(ours, theirs, merged, result.report)).ok() ||
        !(result.status = applyMerge(paths, ours, merged, fs)).ok())
        return result;
    result.treeChanged = ours.bytes(QStringLiteral("Tree")) != merged.bytes(QStringLiteral("Tree"));
    result.outcome = result.report.changed ? Outcome::Merged : Outcome::Unchanged;
    return result;
}

} // namespace oxlin::session
