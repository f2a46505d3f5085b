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

// One pass over the sections of a parsed tree file. Sections are looked up by
// key (IniDocument::nameKey); a folder's key is its parent's key, "\\" and the
// key of its label, so no path is folded twice. Each key's sections are handed
// out in turn.
class TreeItemReader {
public:
    TreeItemReader(const IniDocument& document, TreeItemSink& sink)
        : document_(document), sink_(sink), claimed_(std::size_t(document.nameCount()), 0),
          topName_(document.findName(QByteArrayView(&kSeparator, 1))),
          // The writer puts "[\\]" last. A folder with an empty label at the
          // top level has a section of that name too, written before it, so
          // the top level takes the last one and such folders take the others
          // in order.
          topOccurrence_(std::max(0, document.occurrencesOf(topName_) - 1)) {
        said_.skippedLines = document.skippedLines();
    }

    TreeLoadNotes read() {
        // Folders are filled in pre-order, the order in which the writer
        // emitted sections of folders that share a name.
        std::vector<Pending> stack{{kTopLevel, topName_}};
        while (!stack.empty()) {
            const Pending pending = stack.back();
            stack.pop_back();
            if (!readFolder(pending))
                continue;
            for (const auto& [label, fileId] : topics_)
                sink_.addTopic(pending.folder, label, fileId);
            for (auto it = folders_.rbegin(); it != folders_.rend(); ++it)
                stack.push_back(*it);
        }
        return said_;
    }

private:
    static constexpr char kSeparator = tree_file_format::kPathSeparator;

    struct Pending {
        ItemHandle folder;
        int name; // the key of the folder's section
    };

    // Reads the section of `pending` into topics_ and folders_ (adding the
    // folders to the sink); false when the folder has no section to read.
    bool readFolder(const Pending& pending) {
        if (pending.name < 0)
            return false;
        int occurrence = topOccurrence_;
        if (pending.folder != kTopLevel) {
            occurrence = claimed_[std::size_t(pending.name)]++;
            if (pending.name == topName_ && occurrence >= topOccurrence_)
                return false;
        }
        IniSectionReader reader(document_, document_.sectionOf(pending.name, occurrence));
        // The top level is gone through even when its section is empty:
        // the other "[\\]" sections still need their folders.
        const bool open = reader.isOpen();
        if (!open && pending.folder != kTopLevel)
            return false;
        topics_.clear();
        folders_.clear();
        unnamedAtTop_ = 0;
        IniEntry entry;
        while (open && reader.next(entry))
            readEntry(pending, entry);
        if (pending.folder == kTopLevel)
            addUnclaimedTopSections();
        return true;
    }

    void readEntry(const Pending& pending, const IniEntry& entry) {
        if (utf8Size(entry.key) > tree_file_format::kMaxLabelBytes) {
            ++said_.skippedLabels;
            return;
        }
        if (!entry.fits) {
            readRenumberedTopic(entry);
            return;
        }
        if (entry.value != tree_file_format::kFolderValue) {
            topics_.emplace_back(entry.key, entry.value);
            return;
        }
        QString label = entry.key;
        if (label.isEmpty()) {
            label = QLatin1String(tree_file_format::kUnnamedFolderLabel);
            ++said_.unnamedFolders;
            if (pending.folder == kTopLevel)
                ++unnamedAtTop_;
        }
        const ItemHandle folder = sink_.addFolder(pending.folder, label);
        if (folder == kNoItem)
            return;
        // The stored label names the section, even when it was empty.
        const QByteArrayView parentKey = document_.nameKeyOf(pending.name);
        key_.resize(0); // keeps its capacity
        key_.append(parentKey.data(), parentKey.size());
        if (pending.name != topName_)
            key_ += kSeparator;
        IniDocument::appendNameKey(key_, entry.key);
        folders_.push_back({folder, document_.findName(key_)});
    }

    // A topic whose id does not fit gets a fresh one above every stored id.
    void readRenumberedTopic(const IniEntry& entry) {
        if (!lastGiven_)
            lastGiven_ = highestStoredId(document_);
        if (*lastGiven_ == std::numeric_limits<qint32>::max()) {
            ++said_.droppedTopics;
            return;
        }
        topics_.emplace_back(entry.key, ++*lastGiven_);
        ++said_.renumbered;
    }

    // A "[\\]" section that no empty label claims would be lost: each gets a
    // folder of its own after the top level's other folders.
    void addUnclaimedTopSections() {
        for (int extra = topOccurrence_ - unnamedAtTop_; extra > 0; --extra) {
            const ItemHandle folder =
                sink_.addFolder(kTopLevel, QLatin1String(tree_file_format::kUnnamedFolderLabel));
            ++said_.unnamedFolders;
            if (folder != kNoItem)
                folders_.push_back({folder, topName_});
        }
    }

    const IniDocument& document_;
    TreeItemSink& sink_;
    TreeLoadNotes said_;
    std::vector<int> claimed_;
    const int topName_;
    const int topOccurrence_;
    std::vector<std::pair<QString, qint32>> topics_; // of the folder being read
    std::vector<Pending> folders_;                   // of the folder being read
    int unnamedAtTop_ = 0;            // empty folder labels of the top level's section
    QByteArray key_;                  // a sub-folder's section key, made in place
    std::optional<qint32> lastGiven_; // the last fresh id given to a topic whose id did not fit
};

} // namespace

TreeLoadNotes readTreeItems(const IniDocument& document, TreeItemSink& sink) {
    return TreeItemReader(document, sink).read();
}

} // namespace oxlin::tree
