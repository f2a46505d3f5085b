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

// Searches a package's topics without changing the package: it is unpacked
// into a temporary folder, indexed there and searched.
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
    QTemporaryDir folder;
    if (!unpackForReading(package, folder.isValid() ? folder.path() : QString()))
        return kFailure;
    store::NotebookPaths paths;
    paths.workingFolder = folder.path();
    paths.treeFile = folder.filePath(QLatin1String(store::kTreeFileName));
    paths.runtimeFile = folder.filePath(QLatin1String(store::kRuntimeFileName));
    paths.topicIndexFile = folder.filePath(QLatin1String(store::kTopicIndexFileName));
    paths.searchIndexFile = folder.filePath(QLatin1String(store::kSearchIndexFileName));
    store::decompressFile(
        store::resolveInFolder(folder.path(), QLatin1String(store::kCompressedTreeFileName)),
        paths.treeFile);

    tree::TopicTree tree;
    tree::loadTree(tree, paths.treeFile, nullptr);
    store::ProfileService profiles;
    search::TopicIndex index(profiles, paths);
    index.rebuildNow(tree);

    const auto app = options.treeOnly ? nullptr : guiApplication();
    search::KeywordSearch searcher(profiles, tree, [](const QByteArray& stored) {
        return richtext::visibleText(stored);
    });
    searcher.setPaths(paths);
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
