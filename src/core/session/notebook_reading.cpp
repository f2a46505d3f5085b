// Opening a package that is only read: its tree at once, each topic when it is first needed.
#include "core/session/notebook_session.h"

#include "core/store/file_names.h"
#include "core/store/package.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace oxlin::session {

namespace {

// Copies a member's stored bytes out of the package to `path`. The working
// folder of a package that is only read is the reader's own and goes when
// it closes: nothing written here has to survive a crash, so no sync.
bool copyMember(const store::PackageReader& package, const QString& member, const QString& path) {
    QByteArray stored;
    if (!package.read(member, stored))
        return false;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(stored) == stored.size() && file.flush())
        return true;
    file.close();
    file.remove();
    return false;
}

} // namespace

int NotebookSession::openReadOnly(const QString& package) {
    damagedCopy_.clear();
    problem_ = {};
    refusal_ = {};
    tree_.clear();
    readOnly_ = true;
    // Nothing is kept aside here: the package is someone else's file, and
    // reading it changes nothing that a copy would have to protect.
    package_ = std::make_unique<store::PackageReader>();
    // Read through the file, not a mapping: the package is someone else's
    // and may be rewritten in place while it is shown.
    const bool readable = package_->open(package, false);
    if (readable) {
        for (const QString& member : {paths_.compressedTreeFile(), paths_.compressedRuntimeFile()})
            copyMember(*package_, QFileInfo(member).fileName(), member);
    } else {
        package_.reset();
    }
    outcome_ = readable ? OpenOutcome::Unpacked : OpenOutcome::PackageUnreadable;
    const bool treeRead =
        restoreIniFile(paths_.compressedTreeFile(), paths_.treeFile) == Restored::Whole;
    restoreIniFile(paths_.compressedRuntimeFile(), paths_.runtimeFile);
    if (readable && !treeRead) {
        // Its topics go under "Recovered", and that needs every topic file.
        outcome_ = OpenOutcome::TreeUnreadable;
        (void)store::unpackPackage(paths_.workingFolder, package);
    }
    loadTreeAndStart();
    return readable ? 1 : 0;
}

bool NotebookSession::fetchTopicFile(qint32 fileId) {
    // An edited notebook has every topic file in its working folder.
    if (!package_)
        return true;
    // Every file here was written by this reader or the unpacker, in one of
    // the spellings they use: a few stats tell, where a folder listing per
    // topic would make exporting a large folder quadratic.
    const QString name = store::topicFileName(quint32(fileId));
    if (!store::findLikelySpelling(paths_.workingFolder, name).isEmpty())
        return true;
    return copyMember(*package_, name, QDir(paths_.workingFolder).filePath(name));
}

} // namespace oxlin::session
