// Notebooks that are not open, read straight out of their packages for a
// search, and the places that lead back to an item found in one.
#pragma once

#include "core/search/content_scan.h"
#include "core/search/keyword_search.h"
#include "core/tree/tree_model.h"

#include <QSet>
#include <QString>

#include <memory>
#include <vector>

namespace oxlin::store {
class PackageReader;
}

namespace oxlin::search {

// A notebook read for a search without opening it: its tree from the tree
// member, and its topics through the package's directory. Nothing is
// unpacked or written. Once open, it may be read from several threads.
class PackageNotebook {
public:
    enum class Problem {
        None,
        NoPackage, // no such file
        Damaged,   // not a notebook package
        NoTree,    // the tree member is missing or damaged: an empty tree
    };

    PackageNotebook();
    ~PackageNotebook();
    PackageNotebook(const PackageNotebook&) = delete;
    PackageNotebook& operator=(const PackageNotebook&) = delete;

    Problem open(const QString& package);

    const tree::TopicTree& tree() const { return *tree_; }
    const TopicSource& topics() const { return *topics_; }
    // The topics a content search reads, as SearchIndex.ini would list them.
    std::vector<ContentTarget> searchTargets() const;
    // The topics whose files `fileNames` names (compared without regard to
    // case), in tree order: a search in the rows found before.
    std::vector<ContentTarget> targetsOf(const QSet<QString>& fileNames) const;

private:
    std::unique_ptr<store::PackageReader> reader_;
    std::unique_ptr<tree::TopicTree> tree_;
    std::unique_ptr<TopicSource> topics_;
};

// Where `item` of `tree` is, told so that it can be found again in the
// notebook `notebook` after its handles are gone: a topic by its topic
// file, a folder by its item path.
RowPlace placeOf(const tree::TopicTree& tree, tree::ItemHandle item, const QString& notebook);
// The item `place` leads to in `tree`, the notebook it names being open;
// kNoItem when none is there any more.
tree::ItemHandle findPlace(const tree::TopicTree& tree, const RowPlace& place);

// How rows of a search over several notebooks show an item: "Notebook: path".
QString rowInNotebook(const QString& notebook, const QString& rowText);

} // namespace oxlin::search
