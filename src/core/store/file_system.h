#pragma once

#include <QString>
#include <QStringList>

class QSaveFile;

namespace oxlin::store {

// The few file operations on which the notebook's data depends and whose
// failures must reach the user: the rename that puts a new file in place,
// the syncs that make it last, the folders and copies made before anything
// is replaced. Everything that writes a notebook's package, its tree and
// runtime files or a kept copy goes through one of these, so a test can make
// any of them fail on a chosen path (a full disk, a folder that takes no
// file) without root or a small file system, and can see in which order they
// ran. Other file access stays with Qt.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Puts a complete QSaveFile in place of its target (see commitChecked).
    // False, and the target as it was, when it could not.
    virtual bool commit(QSaveFile& file) = 0;
    // Renames `from` over `to` in one step (see replaceWith).
    virtual bool rename(const QString& from, const QString& to) = 0;
    // Creates `path` and its missing parents; true when it exists as a folder.
    virtual bool makePath(const QString& path) = 0;
    // Removes a file or a link; true when it is gone.
    virtual bool remove(const QString& path) = 0;
    // Copies `from` to `to`, which must not exist.
    virtual bool copy(const QString& from, const QString& to) = 0;
    // Makes the names in `folder` last: a rename into it is on disk once
    // this returns true.
    virtual bool syncFolder(const QString& folder) = 0;
    // Makes files written into `folder` without a sync each last, and their
    // names: one wait for many files (see store::syncFiles).
    virtual bool syncFiles(const QString& folder, const QStringList& paths) = 0;

    // The disk, as every caller uses it unless a test says otherwise.
    static FileSystem& real();
};

// The disk. Not final: a test double derives from it and fails or records
// chosen operations, leaving the others to the disk.
class DiskFileSystem : public FileSystem {
public:
    bool commit(QSaveFile& file) override;
    bool rename(const QString& from, const QString& to) override;
    bool makePath(const QString& path) override;
    bool remove(const QString& path) override;
    bool copy(const QString& from, const QString& to) override;
    bool syncFolder(const QString& folder) override;
    bool syncFiles(const QString& folder, const QStringList& paths) override;
};

} // namespace oxlin::store
