#include "core/session/welcome.h"

#include "core/search/topic_index.h"
#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "core/store/profile.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_images.h"
#include "core/tree/tree_file.h"

#include <QCoreApplication>

namespace oxlin::session {

QByteArray welcomeText() {
    // In the user's language; stored as every text topic is, UTF-8 with CR LF.
    const QString text = QCoreApplication::translate(
        "oxlin::session::Welcome",
        "Welcome to Oxlin Notebook!\n"
        "\n"
        "Keep your notes as topics in folders: the tree on the left holds them.\n"
        "For help at any time, press F1 or choose Help > Help Topics.\n"
        "\n"
        "This topic is yours: change it or delete it when you no longer need it.\n");
    return text.toUtf8().replace("\n", "\r\n");
}

tree::ItemHandle addWelcomeTopic(tree::TopicTree& tree, tree::FileIdCounter& fileIds,
                                 const paths::NotebookPaths& paths, store::ProfileService& profiles,
                                 tree::TopicImages* images) {
    const qint32 id = fileIds.allocate();
    QByteArray compressed;
    if (id <= 0 || !store::compressBuffer(welcomeText(), compressed).ok() ||
        !store::writeFileAtomically(tree::topicFilePath(paths.workingFolder, id), compressed).ok())
        return tree::kNoItem;
    const QString label = QLatin1String(kWelcomeLabel);
    const tree::ItemHandle item = tree.insertItem(
        tree::kTopLevel, tree::InsertPosition::first(), label,
        images ? images->imageFor(label) : tree::kTextImage, tree::TopicRecord{id, 0});
    tree::saveTree(tree, paths.treeFile);
    profiles.writeString(paths.runtimeFile, QLatin1String(search::kRuntimeSection),
                         QLatin1String(search::kLastEditKey), tree.itemPath(item));
    return item;
}

} // namespace oxlin::session
