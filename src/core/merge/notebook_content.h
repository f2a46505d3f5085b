// A notebook's members held in memory, as the package stores them.
#pragma once

#include "core/store/file_system.h"
#include "core/store/status.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace oxlin::merge {

// Every member of a notebook by name (without ".xtz"), each as its stored,
// still compressed bytes: topic files "%08X", "Tree", "Z" and whatever else
// a package carries. Names are looked up without regard to case, as the
// package and the working folder treat them.
class NotebookContent {
public:
    struct Member {
        QString name; // as stored
        QByteArray bytes;
    };

    bool contains(const QString& name) const { return members_.contains(key(name)); }
    // The stored bytes, or an empty array when there is no such member.
    QByteArray bytes(const QString& name) const;
    const Member* find(const QString& name) const;
    void put(const QString& name, const QByteArray& bytes);
    void remove(const QString& name) { members_.remove(key(name)); }
    const QHash<QString, Member>& members() const { return members_; }
    int size() const { return int(members_.size()); }
    bool isEmpty() const { return members_.isEmpty(); }

    // The text of a compressed member ("Tree", "Z"); empty when missing.
    // False when the member is there but does not decode.
    bool text(const QString& name, QByteArray& out) const;

    // Keeps `owner` (what raw member bytes point into) alive with this
    // content and every copy of it; `other`'s owners too, for members
    // taken from it.
    void keepAlive(std::shared_ptr<const void> owner) { owners_.push_back(std::move(owner)); }
    void keepAliveAlso(const NotebookContent& other) {
        owners_.insert(owners_.end(), other.owners_.begin(), other.owners_.end());
    }

    static QString topicMember(qint32 fileId);
    static QString key(const QString& name) { return name.toCaseFolded(); }

private:
    QHash<QString, Member> members_; // by case-folded name
    std::vector<std::shared_ptr<const void>> owners_;
};

// Reads every member of a package. The directory and every member are read
// before anything is kept, and the tree member must decode: a missing file is
// NotFound, a damaged, truncated or foreign file Corrupt, so no merge starts
// from it. `mapped` leaves the members in the mapped file instead of copying
// them, for a short-lived reader (the command line): a program that cut the
// package short in place meanwhile would end this one.
store::Status readPackageContent(const QString& packageFile, NotebookContent& content,
                                 bool mapped = false);

// Reads the ".xtz" files of a working folder (any letter case).
store::Status readFolderContent(const QString& folder, NotebookContent& content);

// Brings `folder`, whose ".xtz" files are `before`, to `after`: members that
// are new or changed are written (each beside its place and renamed in),
// topic files no longer in `after` are removed. Stops at the first failure.
store::Status writeFolderContent(const QString& folder, const NotebookContent& before,
                                 const NotebookContent& after,
                                 store::FileSystem& fs = store::FileSystem::real());

// Writes every member into `folder`, which holds none of them yet, without a
// sync per file: for a folder that is packed next (the pack syncs the package).
store::Status writeNewFolderContent(const QString& folder, const NotebookContent& content);

// Packs `content` into `packageFile`: the package is replaced only once the
// new one is complete (store::packMembers).
store::Status writePackageContent(const NotebookContent& content, const QString& packageFile,
                                  store::FileSystem& fs = store::FileSystem::real());

} // namespace oxlin::merge
