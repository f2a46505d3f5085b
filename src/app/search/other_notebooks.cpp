#include "app/search/other_notebooks.h"

#include "core/search/package_notebook.h"
#include "core/session/notebooks.h"

namespace oxlin::app {

std::vector<OtherNotebook> otherNotebooks(const QString& dataFolder, const QString& current) {
    std::vector<OtherNotebook> others;
    for (const QString& name : session::listNotebooks(dataFolder)) {
        if (!session::sameNotebookName(name, current))
            others.push_back({name, session::findPackage(dataFolder, name), std::nullopt});
    }
    return others;
}

int searchOtherLabels(const std::vector<OtherNotebook>& others, const QString& keyword,
                      bool matchCase, std::vector<search::SortedRows::Row>& rows) {
    int added = 0;
    for (const OtherNotebook& other : others) {
        search::PackageNotebook notebook;
        if (notebook.open(other.package) != search::PackageNotebook::Problem::None)
            continue;
        const tree::TopicTree& tree = notebook.tree();
        const auto walk = [&tree](const search::LabelVisit& visit) {
            tree.walk([&](const tree::TreeItem& item, int depth) {
                visit(item.label, item.isFolder(), item.handle, depth);
            });
        };
        search::SortedRows found;
        added += search::searchLabels(walk, keyword, matchCase, found);
        for (const search::SortedRows::Row& row : found.rows())
            rows.push_back({search::rowInNotebook(other.name, row.text), tree::kNoItem,
                            std::make_shared<const search::RowPlace>(
                                search::placeOf(tree, row.handle, other.name))});
    }
    return added;
}

std::vector<OtherNotebook> otherNotebooksOfRows(const search::SortedRows& rows,
                                                std::vector<OtherNotebook> others) {
    std::vector<OtherNotebook> read;
    for (OtherNotebook& other : others) {
        QSet<QString> files;
        for (const search::SortedRows::Row& row : rows.rows()) {
            if (row.place && !row.place->topicFile.isEmpty() &&
                session::sameNotebookName(row.place->notebook, other.name))
                files.insert(row.place->topicFile.toCaseFolded());
        }
        if (files.isEmpty())
            continue;
        other.onlyFiles = std::move(files);
        read.push_back(std::move(other));
    }
    return read;
}

} // namespace oxlin::app
