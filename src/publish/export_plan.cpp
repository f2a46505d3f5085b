#include "publish/export_plan.h"

#include "core/store/file_names.h"
#include "core/transfer/names.h"
#include "core/tree/topic_kind.h"

#include <QUrl>

namespace oxlin::publish {

namespace {

PlannedKind kindOf(const tree::TreeItem& item) {
    if (item.isFolder())
        return PlannedKind::Folder;
    const tree::TopicKind kind = tree::topicKind(item.label);
    return kind == tree::TopicKind::Text || kind == tree::TopicKind::RichText ? PlannedKind::Page
                                                                              : PlannedKind::File;
}

QString joined(const QString& folder, const QString& name) {
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

} // namespace

QString folderOf(const QString& relativePath) {
    const qsizetype slash = relativePath.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : relativePath.left(slash);
}

ExportPlan::ExportPlan(const tree::TopicTree& tree, tree::ItemHandle root,
                       const QString& pageExtension, const QStringList& reservedTopNames) {
    for (const QString& name : reservedTopNames)
        used_[QString()].insert(name.toUpper());
    // The folder each depth's items go into; walk() gives parents first.
    QStringList folders{QString()};
    const auto plan = [&](const tree::TreeItem& item, int depth) {
        folders.resize(depth + 1);
        PlannedItem planned{item.handle,
                            depth,
                            item.label,
                            tree.itemPath(item.handle),
                            kindOf(item),
                            item.isTopic() ? item.record->fileId : 0,
                            {}};
        QString name = item.label;
        if (planned.kind == PlannedKind::Page)
            name = name.left(name.size() - tree::topicExtension(name).size()) + pageExtension;
        planned.relativePath =
            joined(folders[depth], takeName(folders[depth], name, item.isTopic()));
        if (planned.kind == PlannedKind::Folder)
            folders.append(planned.relativePath);
        else
            ++topics_;
        const QString key = planned.itemPath.toUpper();
        if (!byItemPath_.contains(key))
            byItemPath_.insert(key, planned.kind == PlannedKind::Folder ? QString()
                                                                        : planned.relativePath);
        byRelativePath_.insert(planned.relativePath, items_.size());
        items_.push_back(std::move(planned));
    };
    const tree::TreeItem* rootItem = tree.find(root);
    if (rootItem && rootItem->isTopic())
        plan(*rootItem, 0);
    else
        tree.walk(plan, root);
}

QString ExportPlan::takeName(const QString& folder, const QString& name, bool keepExtension) {
    QSet<QString>& used = used_[folder];
    const QString free =
        transfer::freeName(store::safeFileName(name), keepExtension, [&](const QString& candidate) {
            return used.contains(candidate.toUpper());
        });
    used.insert(free.toUpper());
    return free;
}

QString ExportPlan::pathOfItem(const QString& itemPath) const {
    return byItemPath_.value(itemPath.toUpper());
}

QString ExportPlan::reserveName(const QString& folder, const QString& name) {
    return joined(folder, takeName(folder, name, true));
}

QString ExportPlan::relativeLink(const QString& from, const QString& to) {
    const QStringList fromParts = folderOf(from).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QStringList toParts = to.split(QLatin1Char('/'));
    qsizetype common = 0;
    while (common < fromParts.size() && common < toParts.size() - 1 &&
           fromParts[common] == toParts[common])
        ++common;
    QStringList link;
    for (qsizetype i = common; i < fromParts.size(); ++i)
        link.append(QStringLiteral(".."));
    for (qsizetype i = common; i < toParts.size(); ++i)
        link.append(QString::fromLatin1(QUrl::toPercentEncoding(toParts[i])));
    return link.join(QLatin1Char('/'));
}

} // namespace oxlin::publish
