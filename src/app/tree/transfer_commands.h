#pragma once

// Import and export from the window: the menu's "Import from..." entries,
// Paste of a file list in the tree, and Export of the selection. The work
// itself is the core's importer and exporter; this asks for the paths and
// says what happened.

#include "core/tree/tree_model.h"

#include <QObject>
#include <QStringList>

#include <functional>

namespace oxlin::session {
class NotebookSession;
}
namespace oxlin::tree {
class TopicImages;
}

namespace oxlin::app {

class Prompter;

class TransferCommands final : public QObject {
    Q_OBJECT
public:
    struct Parts {
        session::NotebookSession& session;
        tree::TopicImages* images;
        Prompter& prompter;
        std::function<tree::ItemHandle()> selection;
        // A topic made by an import, for the topic index.
        std::function<void(tree::ItemHandle)> indexed;
        // Exports the text or rich-text topic `item` through the editor;
        // false when the editor cannot open it (then its bytes go out as a file).
        std::function<bool(tree::ItemHandle)> exportThroughEditor;
    };

    explicit TransferCommands(Parts parts, QObject* parent = nullptr);

    void importFile();   // 40025
    void importFolder(); // 40026
    // A file list (Paste, a drop): folders first in the top level, files last.
    void importPaths(const QStringList& paths);
    void exportSelection(); // 40016, 1021

private:
    // The selection itself when it is a folder, its parent for a topic, the
    // top level when nothing is selected.
    tree::ItemHandle selectionFolder() const;
    template <typename Work> void runImport(Work&& work);

    Parts parts_;
};

} // namespace oxlin::app
