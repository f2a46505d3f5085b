#pragma once

#include "core/paths/notebook_paths.h"
#include "core/tree/tree_model.h"

#include <QByteArray>

namespace oxlin::tree {
class FileIdCounter;
class TopicImages;
} // namespace oxlin::tree

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::session {

// The topic a new user finds in the notebook of the program's very first
// start: a few lines that point to the help.
inline constexpr char kWelcomeLabel[] = "Welcome.txt";
// Its stored text: plain text, UTF-8 with CR LF, as the editor saves it.
QByteArray welcomeText();

// Puts the Welcome topic first in `tree` and makes it the topic shown first:
// the topic file is written before the item is inserted, then Tree.ini and
// LastEdit, so a start that ends in a crash still finds it. Returns the
// item, or kNoItem (and the tree unchanged) when the topic file could not be
// written. `images` may be null.
tree::ItemHandle addWelcomeTopic(tree::TopicTree& tree, tree::FileIdCounter& fileIds,
                                 const paths::NotebookPaths& paths, store::ProfileService& profiles,
                                 tree::TopicImages* images);

} // namespace oxlin::session
