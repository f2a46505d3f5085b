#include "core/search/package_notebook.h"

#include "core/paths/notebook_paths.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/ini_document.h"
#include "core/store/package.h"
#include "core/tree/tree_file.h"

#include <QFileInfo>

namespace oxlin::search {

PackageNotebook::PackageNotebook()
    : reader_(std::make_unique<store::PackageReader>()), tree_(std::make_unique<tree::TopicTree>()),
      topics_(std::make_unique<PackageTopics>(*reader_)) {}

PackageNotebook::~PackageNotebook() = default;

PackageNotebook::Problem PackageNotebook::open(const QString& package) {
    tree_->clear();
    if (!QFileInfo(package).isFile())
        return Problem::NoPackage;
    if (!reader_->open(package))
        return Problem::Damaged;
    QByteArray stored, text;
    if (!reader_->read(QLatin1String(paths::kCompressedTreeFileName), stored) ||
        !store::decompressBuffer(stored, text).ok())
        return Problem::NoTree;
    tree::loadTree(*tree_, store::IniDocument::parse(text), nullptr);
    return Problem::None;
}

std::vector<ContentTarget> PackageNotebook::searchTargets() const {
    return contentTargets(takeIndexSnapshot(*tree_));
}

std::vector<ContentTarget> PackageNotebook::targetsOf(const QSet<QString>& fileNames) const {
    std::vector<ContentTarget> targets;
    tree_->walk([&](const tree::TreeItem& item, int) {
        if (!item.record)
            return;
        const QString name = store::topicFileName(quint32(item.record->fileId));
        if (fileNames.contains(name.toCaseFolded()))
            targets.push_back({name, item.handle});
    });
    return targets;
}

RowPlace placeOf(const tree::TopicTree& tree, tree::ItemHandle item, const QString& notebook) {
    RowPlace place{notebook, {}, tree.itemPath(item)};
    if (const tree::TreeItem* found = tree.find(item); found && found->record)
        place.topicFile = store::topicFileName(quint32(found->record->fileId));
    return place;
}

tree::ItemHandle findPlace(const tree::TopicTree& tree, const RowPlace& place) {
    if (place.topicFile.isEmpty())
        return tree.findByPath(place.itemPath);
    // The topic file names one topic however it was renamed or moved since.
    tree::ItemHandle found = tree::kNoItem;
    tree.walk([&](const tree::TreeItem& item, int) {
        if (found == tree::kNoItem && item.record &&
            store::topicFileName(quint32(item.record->fileId))
                    .compare(place.topicFile, Qt::CaseInsensitive) == 0)
            found = item.handle;
    });
    return found;
}

QString rowInNotebook(const QString& notebook, const QString& rowText) {
    return notebook + QLatin1String(": ") + rowText;
}

} // namespace oxlin::search
