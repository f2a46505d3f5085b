#pragma once

#include "core/tree/tree_model.h"

#include <QByteArray>
#include <QString>

namespace oxlin::store {
class IniDocument;
}

namespace oxlin::tree {

class TopicImages;

// The text of Tree.ini for the whole tree (tree_file_format.h).
QByteArray treeFileText(const TopicTree& tree);

// Writes the tree to `path`, replacing the file only once the new text is
// complete. Returns false when it could not be written.
bool saveTree(const TopicTree& tree, const QString& path);

// What a load of a damaged or hand-made tree file had to change or leave out.
struct TreeLoadNotes {
    int skippedLines = 0;   // longer than store::kMaxIniLineBytes
    int skippedLabels = 0;  // labels longer than kMaxLabelBytes
    int unnamedFolders = 0; // empty folder labels, read as kUnnamedFolderLabel
    int renumbered = 0;     // topic ids past the 32-bit range, given fresh ids
    int droppedTopics = 0;  // such topics with no fresh id left to give

    bool any() const {
        return skippedLines + skippedLabels + unnamedFolders + renumbered + droppedTopics > 0;
    }
};

// Replaces the tree's items with the tree read from `path`. Topic images come
// from `images` (may be null: then every topic gets the document image). A
// missing or unreadable file gives an empty tree and returns false.
//
// Sibling folders whose labels are equal without regard to case share a
// section name; the writer emits one section per folder in tree order, and the
// reader hands them out in the same order, so each such folder gets its own
// children back. A folder left without a section stays empty.
//
// A topic id whose digits do not fit a signed 32-bit integer would otherwise
// read as the end of the range and share one file with every other such
// topic; each gets a fresh id above every id of the tree instead. `notes`
// (may be null) says what was changed or skipped.
bool loadTree(TopicTree& tree, const QString& path, TopicImages* images,
              TreeLoadNotes* notes = nullptr);
void loadTree(TopicTree& tree, const store::IniDocument& document, TopicImages* images,
              TreeLoadNotes* notes = nullptr);

} // namespace oxlin::tree
