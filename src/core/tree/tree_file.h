#pragma once

#include "tree/tree_model.h"

#include <QByteArray>
#include <QString>

namespace oxlin::tree {

class IniDocument;
class TopicImages;

// The text of Tree.ini for the whole tree (tree_file_format.h).
QByteArray treeFileText(const TopicTree& tree);

// Writes the tree to `path`, replacing the file only once the new text is
// complete. Returns false when it could not be written.
bool saveTree(const TopicTree& tree, const QString& path);

// Replaces the tree's items with the tree read from `path`. Topic images come
// from `images` (may be null: then every topic gets the document image). A
// missing or unreadable file gives an empty tree and returns false.
//
// Sibling folders whose labels are equal without regard to case share a
// section name; the writer emits one section per folder in tree order, and the
// reader hands them out in the same order, so each such folder gets its own
// children back. A folder left without a section stays empty.
bool loadTree(TopicTree& tree, const QString& path, TopicImages* images);
void loadTree(TopicTree& tree, const IniDocument& document, TopicImages* images);

} // namespace oxlin::tree
