// Reads a parsed tree file section by section, each folder's section when the
// folder is reached in pre-order.
#include "core/tree/tree_file_reader.h"

#include "core/store/ini_document.h"
#include "core/store/ini_text.h"
#include "core/tree/tree_file_format.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace oxlin::tree {

using store::IniDocument;
using store::IniEntry;
using store::IniSectionReader;

namespace {

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

TreeLoadNotes readTreeItems(const IniDocument& document, TreeItemSink& sink) {
    TreeLoadNotes said;
    said.skippedLines = document.skippedLines();
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
        // The top level is gone through even when its section is empty:
        // the other "[\\]" sections still need their folders.
        const bool open = reader.isOpen();
        if (!open && pending.folder != kTopLevel)
            continue;
        const QByteArrayView parentKey = document.nameKeyOf(pending.name);
        topics.clear();
        folders.clear();
        int unnamedAtTop = 0; // empty folder labels of the top level's section
        IniEntry entry;
        while (open && reader.next(entry)) {
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
                if (pending.folder == kTopLevel)
                    ++unnamedAtTop;
            }
            const ItemHandle folder = sink.addFolder(pending.folder, label);
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
        if (pending.folder == kTopLevel) {
            // A "[\\]" section that no empty label claims would be lost: each
            // gets a folder of its own after the top level's other folders.
            for (int extra = topOccurrence - unnamedAtTop; extra > 0; --extra) {
                const ItemHandle folder = sink.addFolder(
                    kTopLevel, QLatin1String(tree_file_format::kUnnamedFolderLabel));
                ++said.unnamedFolders;
                if (folder != kNoItem)
                    folders.push_back({folder, topName});
            }
        }
        for (const auto& [label, fileId] : topics)
            sink.addTopic(pending.folder, label, fileId);
        for (auto it = folders.rbegin(); it != folders.rend(); ++it)
            stack.push_back(*it);
    }
    return said;
}

} // namespace oxlin::tree
