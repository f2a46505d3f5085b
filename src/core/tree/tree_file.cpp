// Tree.ini: the tree written as sections, and read back into the model.
#include "core/tree/tree_file.h"

#include "core/store/ini_document.h"
#include "core/store/ini_text.h"
#include "core/tree/topic_images.h"
#include "core/tree/tree_file_format.h"
#include "core/tree/tree_file_reader.h"

#include <QHash>

#include <optional>
#include <vector>

namespace oxlin::tree {

using store::IniDocument;
using store::IniSection;
using store::IniTextBuffer;

namespace {

QString sectionName(const QString& folderPath) {
    return QLatin1Char(tree_file_format::kPathSeparator) + folderPath;
}

QString childPath(const QString& parentPath, const QString& label) {
    return parentPath.isEmpty()
               ? label
               : parentPath + QLatin1Char(tree_file_format::kPathSeparator) + label;
}

// How many sub-folders of `parent` carry each label, without regard to case.
QHash<QString, int> folderLabelCounts(const TopicTree& tree, ItemHandle parent) {
    QHash<QString, int> counts;
    for (const ItemHandle child : tree.children(parent)) {
        const TreeItem* item = tree.find(child);
        if (item && item->isFolder())
            ++counts[item->label.toCaseFolded()];
    }
    return counts;
}

IniTextBuffer buildTreeText(const TopicTree& tree) {
    IniTextBuffer buffer;
    // Post-order without recursion: a folder's section is appended when its
    // last child has been listed, after the sections of its sub-folders.
    struct Frame {
        ItemHandle folder;
        QString path;
        IniSection section;
        std::size_t next = 0;
        std::optional<QHash<QString, int>> folderLabels; // filled when first needed
        // Some folder on the path shares its label with a sibling, so the
        // path names more than one folder: sections of it go out in order.
        bool sharedPath = false;
    };
    std::vector<Frame> stack;
    stack.push_back(
        {kTopLevel, QString(), IniSection{sectionName(QString()), {}}, 0, std::nullopt, false});
    while (!stack.empty()) {
        Frame& frame = stack.back();
        const std::vector<ItemHandle>& children = tree.children(frame.folder);
        if (frame.next == children.size()) {
            buffer.append(frame.section);
            stack.pop_back();
            continue;
        }
        const TreeItem& child = *tree.find(children[frame.next++]);
        if (child.isTopic()) {
            frame.section.add(child.label, child.record->fileId);
            continue;
        }
        frame.section.add(child.label, tree_file_format::kFolderValue);
        // Folders whose paths are equal without regard to case take their
        // sections in order on load, whether they are siblings or cousins
        // under such siblings; an empty one among them keeps its turn with an
        // empty section, or the next one's children would come back in it.
        bool shared = frame.sharedPath;
        if (!shared) {
            if (!frame.folderLabels)
                frame.folderLabels = folderLabelCounts(tree, frame.folder);
            shared = frame.folderLabels->value(child.label.toCaseFolded()) > 1;
        }
        if (child.children.empty()) {
            if (shared)
                buffer.appendEmpty(sectionName(childPath(frame.path, child.label)));
        } else {
            QString path = childPath(frame.path, child.label);
            IniSection section{sectionName(path), {}};
            stack.push_back({child.handle, std::move(path), std::move(section), 0, std::nullopt,
                             shared}); // invalidates frame
        }
    }
    return buffer;
}

} // namespace

QByteArray treeFileText(const TopicTree& tree) {
    return buildTreeText(tree).bytes();
}

bool saveTree(const TopicTree& tree, const QString& path) {
    return buildTreeText(tree).writeFile(path);
}

bool loadTree(TopicTree& tree, const QString& path, TopicImages* images, TreeLoadNotes* notes) {
    const std::optional<IniDocument> document = IniDocument::readFile(path);
    if (!document) {
        tree.clear();
        return false;
    }
    loadTree(tree, *document, images, notes);
    return true;
}

namespace {

// Adds the items read to the model, each topic with its image.
class ModelSink final : public TreeItemSink {
public:
    ModelSink(TopicTree& tree, TopicImages* images) : tree_(tree), images_(images) {}
    ItemHandle addFolder(ItemHandle parent, const QString& label) override {
        return tree_.insertFolder(parent, InsertPosition::last(), label);
    }
    void addTopic(ItemHandle parent, const QString& label, qint32 fileId) override {
        const int image = images_ ? images_->imageFor(label) : kDocumentImage;
        tree_.insertItem(parent, InsertPosition::last(), label, image, TopicRecord{fileId, 0});
    }

private:
    TopicTree& tree_;
    TopicImages* images_;
};

} // namespace

void loadTree(TopicTree& tree, const IniDocument& document, TopicImages* images,
              TreeLoadNotes* notes) {
    tree.beginReset();
    tree.clear();
    tree.reserve(document.lineCount() - document.sectionCount()); // a line per item at most
    ModelSink sink(tree, images);
    const TreeLoadNotes said = readTreeItems(document, sink);
    tree.endReset();
    if (notes)
        *notes = said;
}

} // namespace oxlin::tree
