#include "core/tree/tree_file.h"

#include "core/store/ini_document.h"
#include "core/store/ini_text.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_file_format.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace oxlin::tree {

using store::IniDocument;
using store::IniEntry;
using store::IniSection;
using store::IniSectionReader;
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

// The length of the text in UTF-8, without converting it.
qsizetype utf8Size(QStringView text) {
    qsizetype size = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            size += 1;
        else if (c < 0x800)
            size += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                 QChar::isLowSurrogate(text[i + 1].unicode()))
            size += 4, ++i;
        else
            size += 3; // a lone surrogate converts to U+FFFD, three bytes too
    }
    return size;
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

// The highest id any line of the file gives, reachable or not, so that an id
// handed out while loading can name no file the notebook may hold.
qint32 highestStoredId(const IniDocument& document) {
    qint32 highest = 0;
    for (int section = 0; section < document.sectionCount(); ++section) {
        IniSectionReader reader(document, section);
        IniEntry entry;
        while (reader.next(entry))
            if (entry.fits)
                highest = std::max(highest, entry.value);
    }
    return highest;
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

void loadTree(TopicTree& tree, const IniDocument& document, TopicImages* images,
              TreeLoadNotes* notes) {
    TreeLoadNotes said;
    said.skippedLines = document.skippedLines();
    tree.beginReset();
    tree.clear();
    tree.reserve(document.lineCount() - document.sectionCount()); // a line per item at most
    // Sections are looked up by key (IniDocument::nameKey); a folder's key is
    // its parent's key, "\\" and the key of its label, so no path is folded
    // twice. Each key's sections are handed out in turn.
    std::vector<int> claimed(std::size_t(document.nameCount()), 0);
    // The writer puts "[\\]" last. A folder with an empty label at the top
    // level has a section of that name too, written before it, so the top
    // level takes the last one and such folders take the others in order.
    const char separator = tree_file_format::kPathSeparator;
    const int topName = document.findName(QByteArrayView(&separator, 1));
    const int topOccurrence = std::max(0, document.occurrencesOf(topName) - 1);
    struct Pending {
        ItemHandle folder;
        int name; // the key of the folder's section
    };
    // Folders are filled in pre-order, the order in which the writer emitted
    // sections of folders that share a name.
    std::vector<Pending> stack{{kTopLevel, topName}};
    std::vector<std::pair<QString, qint32>> topics;
    std::vector<Pending> folders;
    QByteArray key;                  // a sub-folder's section key, made in place
    std::optional<qint32> lastGiven; // the last fresh id given to a topic whose id did not fit
    while (!stack.empty()) {
        const Pending pending = stack.back();
        stack.pop_back();
        if (pending.name < 0)
            continue; // the folder has no section
        int occurrence = topOccurrence;
        if (pending.folder != kTopLevel) {
            occurrence = claimed[std::size_t(pending.name)]++;
            if (pending.name == topName && occurrence >= topOccurrence)
                continue;
        }
        IniSectionReader reader(document, document.sectionOf(pending.name, occurrence));
        if (!reader.isOpen())
            continue;
        const QByteArrayView parentKey = document.nameKeyOf(pending.name);
        topics.clear();
        folders.clear();
        IniEntry entry;
        while (reader.next(entry)) {
            if (utf8Size(entry.key) > tree_file_format::kMaxLabelBytes) {
                ++said.skippedLabels;
                continue;
            }
            if (!entry.fits) {
                if (!lastGiven)
                    lastGiven = highestStoredId(document);
                if (*lastGiven == std::numeric_limits<qint32>::max()) {
                    ++said.droppedTopics;
                    continue;
                }
                topics.emplace_back(entry.key, ++*lastGiven);
                ++said.renumbered;
                continue;
            }
            if (entry.value != tree_file_format::kFolderValue) {
                topics.emplace_back(entry.key, entry.value);
                continue;
            }
            QString label = entry.key;
            if (label.isEmpty()) {
                label = QLatin1String(tree_file_format::kUnnamedFolderLabel);
                ++said.unnamedFolders;
            }
            const ItemHandle folder = tree.insertFolder(pending.folder, InsertPosition::last(), label);
            if (folder == kNoItem)
                continue;
            // The stored label names the section, even when it was empty.
            key.resize(0); // keeps its capacity
            key.append(parentKey.data(), parentKey.size());
            if (pending.name != topName)
                key += separator;
            IniDocument::appendNameKey(key, entry.key);
            folders.push_back({folder, document.findName(key)});
        }
        for (const auto& [label, fileId] : topics) {
            const int image = images ? images->imageFor(label) : kDocumentImage;
            tree.insertItem(pending.folder, InsertPosition::last(), label, image,
                            TopicRecord{fileId, 0});
        }
        for (auto it = folders.rbegin(); it != folders.rend(); ++it)
            stack.push_back(*it);
    }
    tree.endReset();
    if (notes)
        *notes = said;
}

} // namespace oxlin::tree
