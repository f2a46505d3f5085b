// The package a working folder came from, kept inside it: the common state
// of a later merge, and the source of every topic file not yet taken out.
//
// An open takes out of the package only the tree and the runtime file; a
// topic's file comes out when something first needs it (takeOutTopicFile).
// A pack writes the folder's files and copies the members the tree still
// lists from the kept package as they are stored, without decompressing.
#pragma once

#include "core/paths/notebook_paths.h"
#include "core/store/file_system.h"
#include "core/store/status.h"
#include "core/tree/tree_model.h"

#include <QList>
#include <QString>

#include <memory>

namespace oxlin::store {
class PackageReader;
}

namespace oxlin::session {

inline constexpr const char* kKeptPackageName = paths::kKeptPackageFileName;

QString keptPackagePath(const QString& workingFolder);

// Keeps `package` in the working folder: a hard link when the file system
// makes one (our pack and the file-sync engines replace a package by a
// rename, so the link goes on holding the bytes it was made with), a copy
// otherwise. Made beside and renamed in, then the folder synced: once this
// returns true a crash leaves the kept package in place. On failure no
// kept package is left at all.
bool keepPackage(const QString& package, const QString& workingFolder,
                 store::FileSystem& fs = store::FileSystem::real());

// Opens the working folder from `package` without unpacking it: keeps the
// package, removes the folder's files the package holds (left by an earlier
// run, they would hide its members) and takes out Tree.xtz and Z.xtz.
// Failing, the folder has no kept package and the caller unpacks instead.
store::Status openFromKept(const QString& package, const QString& workingFolder,
                           store::FileSystem& fs = store::FileSystem::real());

// Whether two paths hold the same package: the same file, or the same bytes.
bool samePackage(const QString& a, const QString& b);

// The topic files ("%08X.XTZ") of the topics at and under `root` of `tree`.
QStringList topicFilesUnder(const tree::TopicTree& tree, tree::ItemHandle root = tree::kTopLevel);
// The topic files the tree file at `treeFile` lists.
QStringList listedTopicFiles(const QString& treeFile);

// Reads the working folder's kept package on demand. Not thread-safe.
class KeptPackage {
public:
    explicit KeptPackage(QString workingFolder);
    ~KeptPackage();

    // Forgets what was read (the kept package was replaced, or the folder changed).
    void reset(QString workingFolder);
    // Whether the folder has a kept package that can be read.
    bool exists();

    // Puts the topic file `fileName` ("%08X.XTZ") into the working folder
    // from the kept package when the folder lacks it; written whole and
    // synced before it takes its name, so a crash never leaves a short
    // file hiding the kept member. True when the folder has the file now,
    // or when there is nothing to take it from (a topic never written).
    bool takeOut(const QString& fileName, store::FileSystem& fs);
    // The same for many files, with one wait for all of them.
    bool takeOut(const QStringList& fileNames, store::FileSystem& fs);

    // Members of the kept package whose names are topic files not in `listed`.
    QStringList unlistedTopicFiles(const QStringList& listed);

private:
    const store::PackageReader* reader();

    QString folder_;
    std::unique_ptr<store::PackageReader> reader_;
    bool opened_ = false;
};

// The members a pack of the working folder writes: every "*.xtz" file of
// the folder, and each of `listed` the folder lacks from the kept package.
struct PackPlan {
    QStringList folderFiles; // file names in the folder
    QStringList keptMembers; // member names in the kept package
    // Topics the tree lists are neither in the folder nor readable in the
    // kept package, which is there but damaged (written over in place):
    // packing now would lose them.
    bool keptUnreadable = false;
    qsizetype size() const { return folderFiles.size() + keptMembers.size(); }
};
PackPlan planPack(const QString& workingFolder, const QStringList& listed);

// Writes the package from `plan`, in name order without regard to case;
// kept members are copied as they are stored. Replaces `packageFile` only
// when complete, as packFolder does.
store::Status packPlanned(const QString& workingFolder, const PackPlan& plan,
                          const QString& packageFile, store::FileSystem& fs);

} // namespace oxlin::session
