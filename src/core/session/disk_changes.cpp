#include "core/session/disk_changes.h"

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cstdio>

namespace oxlin::session {

namespace {

using Outcome = DiskMerge::Outcome;

QString basePath(const QString& workingFolder) {
    return QDir(workingFolder).filePath(QLatin1String(kBasePackageName));
}

// The same bytes: a size first, then the content.
bool sameFile(const QString& a, const QString& b) {
    QFile first(a), second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) ||
        !second.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kBlock = 1 << 20;
    while (!first.atEnd())
        if (first.read(kBlock) != second.read(kBlock))
            return false;
    return true;
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

bool rememberBase(const QString& package, const QString& workingFolder) {
    // Not through the file system seam: the copy is no part of the
    // notebook's data, and a lost one only means the next save packs
    // without a merge, as it would without one.
    const QString base = basePath(workingFolder);
    const QString fresh = base + QLatin1String(".new");
    QFile::remove(fresh);
    if (QFile::copy(package, fresh) &&
        std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(base).constData()) == 0)
        return true;
    QFile::remove(fresh);
    QFile::remove(base);
    return false;
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
    const QString base = basePath(paths.workingFolder);
    if (!QFileInfo::exists(base) || !QFileInfo(paths.packageFile).isFile() ||
        sameFile(base, paths.packageFile))
        return result;
    merge::NotebookContent baseContent, theirs, ours, merged;
    if (!merge::readPackageContent(base, baseContent).ok() ||
        !(result.status = merge::readPackageContent(paths.packageFile, theirs)).ok()) {
        result.outcome = Outcome::Unreadable;
        result.status = {store::Status::Code::Corrupt, paths.packageFile};
        return result;
    }
    result.outcome = Outcome::Failed;
    if (!(result.status = merge::readFolderContent(paths.workingFolder, ours)).ok() ||
        !(result.status = merge::mergeNotebooks(baseContent, ours, theirs, merged, result.report))
             .ok())
        return result;
    if (!(result.status = applyMerge(paths, ours, merged, fs)).ok())
        return result;
    result.treeChanged = ours.bytes(QStringLiteral("Tree")) != merged.bytes(QStringLiteral("Tree"));
    // Theirs is in the folder now: it is the state both machines share.
    rememberBase(paths.packageFile, paths.workingFolder);
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
    if (!(result.status = merge::readFolderContent(paths.workingFolder, ours)).ok() ||
        !(result.status = merge::mergeCopies(ours, theirs, merged, result.report)).ok() ||
        !(result.status = applyMerge(paths, ours, merged, fs)).ok())
        return result;
    result.treeChanged = ours.bytes(QStringLiteral("Tree")) != merged.bytes(QStringLiteral("Tree"));
    result.outcome = result.report.changed ? Outcome::Merged : Outcome::Unchanged;
    return result;
}

} // namespace oxlin::session
