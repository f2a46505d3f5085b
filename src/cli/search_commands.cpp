#include "cli/commands.h"
#include "cli/gui_application.h"

#include "richtext/visible_text.h"

#include "core/search/keyword_search.h"
#include "core/search/topic_index.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/notebook_paths.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

#include <memory>

namespace oxlin::cli {

namespace {

// Searches a package without changing it or unpacking it: the tree and the
// topics are read straight out of the package; only the search index is
// written, into a temporary folder.
int searchPackage(const QStringList& arguments) {
    QStringList positional;
    search::SearchOptions options;
    options.treeOnly = false;
    bool unknownOption = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--match-case"))
            options.matchCase = true;
        else if (argument == QLatin1String("--titles"))
            options.treeOnly = true;
        else if (argument.startsWith(QLatin1String("--")))
            unknownOption = true;
        else
            positional.append(argument);
    }
    if (unknownOption || positional.size() != 2 || positional[1].isEmpty()) {
        std::fprintf(stderr, "usage: oxlin search PACKAGE KEYWORD [--match-case] [--titles]\n");
        return kUsage;
    }
    const QString& package = positional[0];
    store::PackageReader reader;
    if (!openForReading(package, reader))
        return kFailure;
    tree::TopicTree tree;
    readPackageTree(package, reader, tree, nullptr); // a tree that cannot be read finds nothing

    store::ProfileService profiles;
    store::NotebookPaths paths;
    QTemporaryDir folder;
    if (!options.treeOnly) {
        if (!folder.isValid()) {
            complain(QStringLiteral("cannot create a temporary folder"));
            return kFailure;
        }
        paths.workingFolder = folder.path();
        paths.topicIndexFile = folder.filePath(QLatin1String(store::kTopicIndexFileName));
        paths.searchIndexFile = folder.filePath(QLatin1String(store::kSearchIndexFileName));
        search::TopicIndex index(profiles, paths);
        index.rebuildNow(tree);
    }
    const search::PackageTopics topics(reader);

    const auto app = options.treeOnly ? nullptr : guiApplication();
    search::KeywordSearch searcher(profiles, tree, richtext::streamVisibleText);
    searcher.setPaths(paths);
    searcher.readTopicsFrom(&topics);
    search::SortedRows rows;
    const int count = searcher.run(positional[1], options, rows).value_or(0);
    for (const auto& row : rows.rows())
        printLine(row.text);
    if (std::fflush(stdout) != 0)
        return kFailure;
    return count > 0 ? kSuccess : kFailure;
}

} // namespace

std::vector<Command> searchCommands() {
    return {
        {"search", "PACKAGE KEYWORD [--match-case] [--titles]",
         "list the topics whose text (or, with --titles, whose label) holds a keyword", 2, 4,
         searchPackage},
    };
}

} // namespace oxlin::cli
