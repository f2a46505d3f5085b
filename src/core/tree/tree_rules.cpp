// What the tree operations decide without changing anything: which moves
// and commands the selection allows, which labels may be stored, how many
// topics a notebook holds, and a free file id.
#include "core/tree/tree_operations.h"

#include "core/tree/file_ids.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_file_format.h"

#include "core/store/file_names.h"

namespace oxlin::tree {

namespace {

constexpr qsizetype kMaxLabelBytes = tree_file_format::kMaxLabelBytes;
// A topic file left behind by a lost FileIDCount is skipped, not reused; this
// bounds the search for a free id.
constexpr int kMaxIdAttempts = 64;

bool isFolderItem(const TopicTree& tree, ItemHandle item) {
    const TreeItem* found = tree.find(item);
    return found && found->isFolder();
}

} // namespace

ItemHandle previousFolderSibling(const TopicTree& tree, ItemHandle item) {
    const std::vector<ItemHandle>& siblings = tree.children(tree.parent(item));
    for (int row = tree.row(item) - 1; row >= 0; --row)
        if (isFolderItem(tree, siblings[std::size_t(row)]))
            return siblings[std::size_t(row)];
    return kNoItem;
}

bool isReservedLabelCharacter(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char('=') ||
           c == QLatin1Char('[') || c == QLatin1Char(']') || c.unicode() < 0x20 ||
           c.unicode() == 0x7F;
}

bool canMove(const TopicTree& tree, ItemHandle item, Move move) {
    if (!tree.contains(item))
        return false;
    const int row = tree.row(item);
    switch (move) {
    case Move::LevelUp:
        return tree.parent(item) != kTopLevel;
    case Move::LevelDown:
        return previousFolderSibling(tree, item) != kNoItem;
    case Move::Up:
        return row > 0;
    case Move::Down:
        return row + 1 < int(tree.children(tree.parent(item)).size());
    }
    return false;
}

SelectionState selectionState(const TopicTree& tree, ItemHandle selection) {
    SelectionState state;
    state.levelUp = canMove(tree, selection, Move::LevelUp);
    state.levelDown = canMove(tree, selection, Move::LevelDown);
    state.up = canMove(tree, selection, Move::Up);
    state.down = canMove(tree, selection, Move::Down);
    const TreeItem* selected = tree.find(selection);
    state.folder = selected && selected->isFolder();
    state.topic = selected && selected->isTopic();
    return state;
}

OpenAction openActionFor(const TopicTree& tree, ItemHandle item, ItemHandle editorItem) {
    const TreeItem* found = tree.find(item);
    if (!found || found->isFolder() || item == editorItem)
        return OpenAction::None;
    switch (topicKind(found->label)) {
    case TopicKind::Text:
    case TopicKind::RichText:
        return OpenAction::Editor;
    case TopicKind::File:
        return OpenAction::File;
    case TopicKind::None:
        break;
    }
    return OpenAction::None;
}

LabelCheck checkLabel(const TopicTree& tree, ItemHandle parent, ItemHandle item, bool folder,
                      const QString& label) {
    if (label.isEmpty())
        return LabelCheck::Empty;
    for (QChar c : label)
        if (isReservedLabelCharacter(c))
            return LabelCheck::ReservedCharacter;
    if (!store::isEntryName(label))
        return LabelCheck::NotAFileName;
    if (label.toUtf8().size() > kMaxLabelBytes)
        return LabelCheck::TooLong;
    if (folder) {
        if (item != kNoItem)
            parent = tree.parent(item);
        for (ItemHandle sibling : tree.children(parent))
            if (sibling != item && isFolderItem(tree, sibling) &&
                tree.find(sibling)->label.compare(label, Qt::CaseInsensitive) == 0)
                return LabelCheck::FolderExists;
    }
    return LabelCheck::Accepted;
}

int topicCount(const TopicTree& tree) {
    int count = 0;
    tree.walk([&](const TreeItem& item, int) { count += item.isTopic() ? 1 : 0; });
    return count;
}

qint32 allocateFreeFileId(FileIdCounter& fileIds, const QString& workingFolder,
                          const std::function<bool(qint32)>& carried) {
    for (int attempt = 0; attempt < kMaxIdAttempts; ++attempt) {
        const qint32 id = fileIds.allocate();
        if (id == 0)
            return 0;
        // Only the spellings we and the unpacker write are looked for, never
        // a listing of the folder: at open the counter was raised above every
        // topic file present, so a file of a fresh id can only be one a later
        // unpack or a past run of ours wrote.
        const bool taken =
            (!workingFolder.isEmpty() &&
             !store::findLikelySpelling(workingFolder, store::topicFileName(quint32(id))).isEmpty()) ||
            carried(id);
        if (!taken)
            return id;
    }
    return 0;
}

} // namespace oxlin::tree
