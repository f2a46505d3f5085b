// Opening a package that is only read: its tree at once, each topic when it is first needed.
#include "core/session/read_only_notebook.h"

#include "core/store/file_names.h"
#include "core/store/package.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

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

ReadOnlyNotebook::ReadOnlyNotebook(ProfileService& profiles, QString workingRoot,
                                   tree::TopicImages* images, std::function<void()> treeLoaded)
    : LoadedNotebook(profiles, std::move(workingRoot), images, store::FileSystem::real()),
      treeLoaded_(std::move(treeLoaded)) {}

ReadOnlyNotebook::~ReadOnlyNotebook() = default;

bool ReadOnlyNotebook::open(const QString& package) {
    damagedCopy_.clear();
    tree_.clear();
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
    loadTree();
    if (treeLoaded_)
        treeLoaded_();
    return readable;
}

bool ReadOnlyNotebook::fetchTopicFile(qint32 fileId) {
    // A package that could not be read left an empty tree: nothing to fetch.
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
