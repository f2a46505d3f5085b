#pragma once

// Where each item of an exported subtree goes, decided before anything is
// written: a page can then link to a page not yet written, and the index can
// list every item. Names are safe on every common file system and unique in
// their folder without regard to case; nothing is ever placed outside the
// target folder, whatever the labels hold ("..", "/", "\", device names).

#include "core/tree/tree_model.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace oxlin::publish {

enum class PlannedKind {
    Folder, // a folder of the tree: a folder below the target
    Page,   // a text or rich-text topic: a page (.html or .md)
    File,   // any other topic: its stored bytes, copied
};

struct PlannedItem {
    tree::ItemHandle handle = tree::kNoItem;
    int depth = 0; // 0 for the items right below the exported folder
    QString label;
    QString itemPath; // as topic links name it
    PlannedKind kind = PlannedKind::Folder;
    qint32 fileId = 0;
    QString relativePath; // "/"-separated, below the target folder
};

class ExportPlan {
public:
    // Plans the subtree below `root` (a folder or kTopLevel), or `root` alone
    // when it is a topic. Pages end in `pageExtension` (".html", ".md"); the
    // names in `reservedTopNames` stay free in the top folder (the index).
    ExportPlan(const tree::TopicTree& tree, tree::ItemHandle root, const QString& pageExtension,
               const QStringList& reservedTopNames = {});

    const std::vector<PlannedItem>& items() const { return items_; }
    int topicCount() const { return topics_; }

    // The planned path of the item a topic link names (its item path, in any
    // case; the first such item in tree order), or empty when the link
    // names nothing exported or names a folder.
    QString pathOfItem(const QString& itemPath) const;
    // The index in items() of the item planned at `relativePath`.
    std::size_t indexOfPath(const QString& relativePath) const {
        return byRelativePath_.value(relativePath);
    }

    // A name in `folder` (a relative folder, "" for the top) for a file the
    // export adds, such as a picture: `name` made safe and free, and taken.
    QString reserveName(const QString& folder, const QString& name);

    // The relative link from the file `from` to the file `to`, both relative
    // to the target folder, with each path segment percent-encoded.
    static QString relativeLink(const QString& from, const QString& to);

private:
    QString takeName(const QString& folder, const QString& name, bool keepExtension);

    std::vector<PlannedItem> items_;
    QHash<QString, QSet<QString>> used_; // folder -> names in upper case
    QHash<QString, QString> byItemPath_; // item path in upper case -> relative path
    QHash<QString, std::size_t> byRelativePath_;
    int topics_ = 0;
};

// The folder part of a relative path ("" for a file at the top).
QString folderOf(const QString& relativePath);

} // namespace oxlin::publish
