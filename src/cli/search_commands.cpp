#include "cli/commands.h"

#include "core/search/keyword_search.h"
#include "core/session/notebooks.h"
#include "core/store/package.h"
#include "core/tree/tree_outline.h"

#include <QFileInfo>

#include <cstdio>

namespace oxlin::cli {

namespace {

constexpr char kSearchArguments[] = "PACKAGE... KEYWORD [--match-case] [--titles]";

// Lists the items whose label holds the keyword, from the tree read straight
// out of the package as an outline; nothing is unpacked or written.
bool searchTitles(const QString& package, const QString& keyword, bool matchCase,
                  search::SortedRows& rows, int& count) {
    store::PackageReader reader;
    if (!openForReading(package, reader))
        return false;
    tree::TreeOutline outline;
    readPackageOutline(package, reader, outline,
                       nullptr); // a tree that cannot be read finds nothing
    const auto walk = [&outline](const search::LabelVisit& visit) {
        outline.walk([&](const tree::TreeOutline::Item& item, int depth) {
            visit(item.label, item.isFolder(), tree::kNoItem, depth);
        });
    };
    count = search::searchLabels(walk, keyword, matchCase, rows);
    return true;
}

// The packages the arguments name: a package as it is, a folder as every
// notebook in it (the ones Open Notebook lists). Empty, having said why,
// when a folder holds none.
QStringList packagesNamed(const QStringList& sources) {
    QStringList packages;
    for (const QString& source : sources) {
        if (!QFileInfo(source).isDir()) {
            packages.append(source);
            continue;
        }
        const QStringList names = session::listNotebooks(source);
        if (names.isEmpty()) {
            complain(Texts::tr("%1 holds no notebook").arg(source));
            return {};
        }
        for (const QString& name : names)
            packages.append(session::findPackage(source, name));
    }
    return packages;
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
    if (unknownOption || positional.size() < 2 || positional.last().isEmpty()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Texts::tr("usage: oxlin %1 %2")
                                    .arg(QStringLiteral("search"),
                                         QString::fromLatin1(kSearchArguments))));
        return kUsage;
    }
    const QString keyword = positional.takeLast().left(search::kMaxKeywordLength);
    // One package prints its rows as they are; several, or a folder, name
    // the notebook of each row.
    const bool nameNotebooks = positional.size() > 1 || QFileInfo(positional.first()).isDir();
    const QStringList packages = packagesNamed(positional);
    if (packages.isEmpty())
        return kFailure;
    if (!titles)
        return richText.searchContent(packages, nameNotebooks, keyword, matchCase);
    return searchPackages(packages, nameNotebooks,
                          [&](const QString& package, search::SortedRows& rows, int& count) {
                              return searchTitles(package, keyword, matchCase, rows, count);
                          });
}

} // namespace

std::vector<Command> searchCommands(const RichTextCommands& richText) {
    return {
        {"search", kSearchArguments,
         QT_TRANSLATE_NOOP("oxlin::cli::Texts",
                           "list the topics whose text (or, with --titles, whose label) holds a "
                           "keyword; a folder stands for its notebooks"),
         2, 1 << 20,
         [richText](const QStringList& arguments) { return searchPackage(arguments, richText); }},
    };
}

} // namespace oxlin::cli
