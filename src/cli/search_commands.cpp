#include "cli/commands.h"

#include "core/search/keyword_search.h"
#include "core/store/package.h"
#include "core/tree/tree_outline.h"

#include <cstdio>

namespace oxlin::cli {

namespace {

// Lists the items whose label holds the keyword, from the tree read straight
// out of the package as an outline; nothing is unpacked or written.
int searchTitles(const QString& package, const QString& keyword, bool matchCase) {
    store::PackageReader reader;
    if (!openForReading(package, reader))
        return kFailure;
    tree::TreeOutline outline;
    readPackageOutline(package, reader, outline,
                       nullptr); // a tree that cannot be read finds nothing
    const auto walk = [&outline](const search::LabelVisit& visit) {
        outline.walk([&](const tree::TreeOutline::Item& item, int depth) {
            visit(item.label, item.isFolder(), tree::kNoItem, depth);
        });
    };
    search::SortedRows rows;
    const int count = search::searchLabels(walk, keyword, matchCase, rows);
    return printFound(rows, count);
}

int searchPackage(const QStringList& arguments, const RichTextCommands& richText) {
    QStringList positional;
    bool matchCase = false, titles = false, unknownOption = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--match-case"))
            matchCase = true;
        else if (argument == QLatin1String("--titles"))
            titles = true;
        else if (argument.startsWith(QLatin1String("--")))
            unknownOption = true;
        else
            positional.append(argument);
    }
    if (unknownOption || positional.size() != 2 || positional[1].isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(Texts::tr("usage: oxlin search PACKAGE KEYWORD [--match-case] [--titles]")));
        return kUsage;
    }
    const QString keyword = positional[1].left(search::kMaxKeywordLength);
    return titles ? searchTitles(positional[0], keyword, matchCase)
                  : richText.searchContent(positional[0], keyword, matchCase);
}

} // namespace

std::vector<Command> searchCommands(const RichTextCommands& richText) {
    return {
        {"search", "PACKAGE KEYWORD [--match-case] [--titles]",
         QT_TRANSLATE_NOOP(
             "oxlin::cli::Texts",
             "list the topics whose text (or, with --titles, whose label) holds a keyword"),
         2, 4,
         [richText](const QStringList& arguments) { return searchPackage(arguments, richText); }},
    };
}

} // namespace oxlin::cli
