// `oxlin search` over topic contents: the tree and the topics are read
// straight out of the package, and nothing is written.
#include "cli/rich/rich_text_commands.h"

#include "cli/commands.h"
#include "cli/rich/gui_application.h"

#include "richtext/visible_text.h"

#include "core/search/keyword_search.h"
#include "core/search/topic_index.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/tree_model.h"


namespace oxlin::cli {

int searchContent(const QString& package, const QString& keyword, bool matchCase) {
    store::PackageReader reader;
    if (!openForReading(package, reader))
        return kFailure;
    tree::TopicTree tree;
    readPackageTree(package, reader, tree, nullptr); // a tree that cannot be read finds nothing

    // The search index the program keeps in its working folder is what a
    // walk of the tree gives; a one-off search takes it from the tree.
    const store::ProfileService profiles;
    const search::PackageTopics topics(reader);
    search::KeywordSearch searcher(profiles, tree, richtext::streamVisibleText);
    searcher.readTopicsFrom(&topics);
    searcher.reportTopicsTooLarge([](const QString& itemPath) {
        complain(Texts::tr("%1 was not searched: its text is larger than %2 MiB")
                     .arg(itemPath)
                     .arg(store::kMaxDecodedInMemory / (1024 * 1024)));
    });
    const auto app = guiApplication(); // for the rare topic whose text is in a table
    search::SortedRows rows;
    const int count = searcher.contentSearchIn(
        search::contentTargets(search::takeIndexSnapshot(tree)), keyword, matchCase, rows);
    return printFound(rows, count);
}

} // namespace oxlin::cli
