#pragma once

#include "tree/tree_model.h"

#include <QObject>
#include <QPointer>

namespace oxlin::store {
class NotebookSession;
}

namespace oxlin::app {

class EditorHost;
class Launcher;

// Opening a topic from the tree: text and rich-text topics go to the editor
// (the view position of the topic left is kept in its record, and the new
// one's restored), other topics are decompressed off the UI thread and handed
// to their application. Keeps the last opened topic and records openings in
// the notebook's history.
//
// `session`, `editor` and `launcher` are borrowed and must outlive the opener.
class TopicOpener final : public QObject {
    Q_OBJECT
public:
    TopicOpener(store::NotebookSession& session, EditorHost& editor, Launcher& launcher,
                QObject* parent = nullptr);
    ~TopicOpener() override;

    // Opens `item`; folders, dead handles, the editor's own topic and topics
    // without an extension do nothing.
    void open(tree::ItemHandle item);

    // Back and Forward through the history.
    void back();
    void forward();

    tree::ItemHandle lastOpened() const { return lastOpened_; }
    // Puts the last opened file topic's working copy back into its topic file.
    void compressLastOpenedTopic();
    // Forgets the last opened topic (a notebook was closed).
    void forget() { lastOpened_ = tree::kNoItem; }
    // Waits for file topics still being written out.
    void waitForWorkers();

Q_SIGNALS:
    // A topic went to the editor: the window moves the focus.
    void openedInEditor(tree::ItemHandle item);
    void historyChanged(bool canGoBack, bool canGoForward);
    // Asks the tree view to show `item` as the selection (Back and Forward).
    void selectRequested(tree::ItemHandle item);

private:
    void openFileTopic(tree::ItemHandle item, const QString& label, qint32 fileId);
    void navigate(bool older);

    store::NotebookSession& session_;
    EditorHost& editor_;
    Launcher& launcher_;
    tree::ItemHandle lastOpened_ = tree::kNoItem;
    bool navigating_ = false;
    int runningWorkers_ = 0;
};

} // namespace oxlin::app
