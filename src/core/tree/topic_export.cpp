#include "core/tree/topic_export.h"

#include "core/store/compressed_file.h"
#include "core/tree/topic_kind.h"

#include <QDir>

#include <utility>
#include <vector>

namespace oxlin::tree {

bool isPlainFileName(const QString& label) {
    return !label.isEmpty() && label != QLatin1String(".") && label != QLatin1String("..") &&
           !label.contains(u'/') && !label.contains(u'\\') && !label.contains(QChar(u'\0'));
}

int exportChildren(const TopicTree& tree, ItemHandle folder, const QString& workingFolder,
                   const QString& destination) {
    int failed = 0;
    // A stack of folders still to write, so a deep tree cannot exhaust the call stack.
    std::vector<std::pair<ItemHandle, QString>> pending{{folder, destination}};
    while (!pending.empty()) {
        auto [source, target] = std::move(pending.back());
        pending.pop_back();
        const QDir into(target);
        // Reversed onto the stack, so sub-folders are written in tree order.
        std::vector<std::pair<ItemHandle, QString>> subfolders;
        for (ItemHandle child : tree.children(source)) {
            const TreeItem* item = tree.find(child);
            if (!item || !isPlainFileName(item->label))
                continue;
            const QString path = into.filePath(item->label);
            if (item->isTopic()) {
                if (store::decompressFile(topicFilePath(workingFolder, item->record->fileId),
                                          path) != 1)
                    ++failed;
            } else if (QDir().mkdir(path)) {
                subfolders.emplace_back(child, path);
            }
        }
        pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
    return failed;
}

} // namespace oxlin::tree
