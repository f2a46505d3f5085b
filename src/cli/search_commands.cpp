#include "cli/commands.h"
#include "cli/gui_application.h"

#include "richtext/visible_text.h"

#include "core/search/keyword_search.h"
#include "core/search/topic_index.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <QGuiApplication>

#include <cstdio>

#include <memory>

namespace oxlin::cli {

namespace {

// Searches a package without changing it or unpacking it: the tree and the
// topics are read straight out of the package, and nothing is written.
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

    // The search index the program keeps in its working folder is what a
    // walk of the tree gives; a one-off search takes it from the tree.
    store::ProfileService profiles;
    const search::PackageTopics topics(reader);
    search::KeywordSearch searcher(profiles, tree, richtext::streamVisibleText);
    searcher.readTopicsFrom(&topics);
    search::SortedRows rows;
    int count = 0;
    const QString keyword = positional[1].left(search::kMaxKeywordLength);
    if (options.treeOnly) {
        count = searcher.treeOnlySearch(keyword, options.matchCase, rows);
    } else {
        const auto app = guiApplication(); // for the rare topic whose text is in a table
        count = searcher.contentSearchIn(search::contentTargets(search::takeIndexSnapshot(tree)),
                                         keyword, options.matchCase, rows);
    }
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
