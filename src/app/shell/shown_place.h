// Where the window stands in the notebook, kept across a merge that reads
// the tree again: item handles do not survive that, file ids and item paths do.
#pragma once

#include "core/tree/tree_model.h"

#include <QString>

namespace oxlin::app {

class EditorHost;
class TreeController;

struct ShownPlace {
    qint32 editorFileId = 0; // the editor's topic; 0 when none is open
    int caret = 0;
    int scroll = 0;            // the editor's vertical scroll bar
    qint32 selectedFileId = 0; // the tree's selection when it is a topic
    QString selectedPath;      // ... and its item path, for a folder
};

// What the editor and the tree show now.
ShownPlace placeShown(const tree::TopicTree& tree, const EditorHost& editor,
                      tree::ItemHandle selection);

// After a merge put new text into the working folder (and maybe a new
// tree): the editor's topic is read again from its topic file, the caret
// and scroll kept as far as the new text reaches, and the same item is
// selected. A topic the merge removed leaves the editor empty. An editor
// holding text not yet in its file (a failed save) is left as it is.
void showAgain(const ShownPlace& place, tree::TopicTree& tree, EditorHost& editor,
               TreeController& treeController);

} // namespace oxlin::app
