// The trees a merge reads (base, ours, theirs) and the one it builds.
#pragma once

#include "core/merge/notebook_content.h"
#include "core/tree/tree_model.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace oxlin::merge {

// Where a topic sits: its folder's item path and its own label.
struct Location {
    QString parentPath;
    QString label;
    friend bool operator==(const Location&, const Location&) = default;
};

// One side of a merge: its members and its tree, indexed by file id and by
// folder path.
class Side {
public:
    explicit Side(const NotebookContent& members) : content(members) {}
    Side(const Side&) = delete;
    Side& operator=(const Side&) = delete;

    // False when the tree member is there but does not decode. A side with
    // no tree member (the empty base of a two-way merge) has an empty tree.
    // Without `withTree` only the text is read (a side whose tree another
    // stands for).
    bool load(bool withTree = true);

    const NotebookContent& content;
    tree::TopicTree tree;
    QByteArray treeText;

    // The first item in tree order carrying `id`, or kNoItem.
    tree::ItemHandle topicItem(qint32 id) const { return byId_.value(id, tree::kNoItem); }
    // Each file id once, at its first item, in tree order.
    const std::vector<std::pair<qint32, tree::ItemHandle>>& topicsInOrder() const {
        return topics_;
    }
    Location locationOf(tree::ItemHandle item) const;
    const QStringList& folderPaths() const;
    bool hasFolder(const QString& path) const {
        folderPaths();
        return foldedFolders_.contains(path.toCaseFolded());
    }
    qint32 highestId() const { return highestId_; }

private:
    QHash<qint32, tree::ItemHandle> byId_;
    std::vector<std::pair<qint32, tree::ItemHandle>> topics_;
    // Made when first asked for: a merge whose trees did not change needs none.
    mutable QStringList folderPaths_;
    mutable QSet<QString> foldedFolders_;
    mutable bool foldersListed_ = false;
    qint32 highestId_ = 0;
};

// The merged tree: ours' tree, changed topic by topic.
class MergedTree {
public:
    void load(const Side& ours);
    const tree::TopicTree& tree() const { return tree_; }
    // Whether anything was inserted, moved, renamed or removed since the load.
    bool changed() const { return changed_; }
    qint32 highestId() const { return highestId_; }

    tree::ItemHandle topic(qint32 id) const { return byId_.value(id, tree::kNoItem); }
    QString pathOf(qint32 id) const { return tree_.itemPath(topic(id)); }
    QString labelOf(qint32 id) const;
    Location locationOf(qint32 id) const;

    // A topic at the place `sideItem` has in `side`: its folder (made when
    // missing), after the nearest earlier sibling the merged tree also has.
    void insertTopicLike(const Side& side, tree::ItemHandle sideItem, qint32 id,
                         const QString& label);
    // A second topic right after the topic `id`.
    void insertCopyAfter(qint32 id, qint32 newId, const QString& label);
    void moveTopic(qint32 id, const Location& to);
    // Removes the item of `id`; true when no other item names its file, which
    // may then go too.
    bool removeTopic(qint32 id);
    // The folder at `path`, made with its missing parents.
    tree::ItemHandle ensureFolder(const QString& path);
    // Removes the folder at `path` unless its subtree holds a topic or a
    // folder `base` did not have (something a side still keeps).
    void removeFolderUnlessKept(const QString& path, const Side& base);

private:
    // The folder child of `parent` labelled `label` (exactly, or else
    // without regard to case); kNoItem when there is none.
    tree::ItemHandle childFolder(tree::ItemHandle parent, const QString& label) const;
    bool findFolder(const QString& path, tree::ItemHandle& folder) const;

    tree::TopicTree tree_;
    QHash<qint32, tree::ItemHandle> byId_;
    QHash<qint32, int> itemsWithId_;
    qint32 highestId_ = 0;
    bool changed_ = false;
};

} // namespace oxlin::merge
