#pragma once

// Import and export from the window: the menu's "Import from..." entries,
// Paste of a file list in the tree, and Export of the selection. The work
// itself is the core's importer and exporter; this asks for the paths and
// says what happened.

#include "core/tree/tree_model.h"

#include <QObject>
#include <QTimer>
#include <QStringList>

#include <functional>
#include <memory>

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
    ~TransferCommands() override;

    // Imports run a slice at a time from the event loop, so that the window
    // stays alive and Cancel works without an event loop of their own
    // inside the import. One asked for while another runs joins it.
    void importFile();   // 40025
    void importFolder(); // 40026
    // A file list (Paste, a drop): folders first in the top level, files last.
    void importPaths(const QStringList& paths);
    void exportSelection(); // 40016, 1021
    // Markdown files (or a folder of them, as a folder) chosen by the user,
    // as rich-text topics where the selection is (publish/markdown_import.h).
    void importMarkdown(bool folder);

    bool importing() const { return running_ != nullptr; }
    // Does what is left of the import at once: a notebook is never closed
    // under an import.
    void finishImport();

Q_SIGNALS:
    // After an import ended and its messages were shown.
    void importFinished();

private:
    struct RunningImport;

    // The selection itself when it is a folder, its parent for a topic, the
    // top level when nothing is selected.
    tree::ItemHandle selectionFolder() const;
    template <typename Queue> void runImport(Queue&& queue);
    void runSlice();
    void endImport();

    Parts parts_;
    std::unique_ptr<RunningImport> running_;
    QTimer slices_;
};

} // namespace oxlin::app
