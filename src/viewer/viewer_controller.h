#pragma once

#include "app/editor/editor_topics.h"
#include "app/tree/tree_icons.h"
#include "app/tree/tree_item_model.h"
#include "core/search/content_scan.h"
#include "core/session/read_only_notebook.h"
#include "core/store/profile.h"

#include <QObject>

#include <memory>

namespace oxlin::app {
class FindController;
class HostedTreeEditor;
class Launcher;
class LinkCommands;
class LinkView;
class Prompter;
class IndexKeeper;
class SearchPresenter;
class TopicOpener;
} // namespace oxlin::app

namespace oxlin::viewer {

class ViewerWindow;

// Puts one package behind the viewer's window, with the application's own
// parts: the read-only notebook (paths, tree, members taken out when
// needed), the tree model and icons, the editor host, the file-topic opener,
// the indexes and search panels, links and find. Built in that order in the constructor and
// destroyed in the reverse one.
//
// The viewer only reads: topics are never written back, the package is never
// packed, and the working folder is `folder`'s, which the caller removes.
// `prompter` and `launcher` are borrowed and must outlive the controller.
class ViewerController final : public QObject, public app::EditorTopics, private app::ItemRenamer {
    Q_OBJECT
public:
    ViewerController(const QString& folder, app::Prompter& prompter, app::Launcher& launcher,
                     QObject* parent = nullptr);
    ~ViewerController() override;

    ViewerWindow& window() { return *window_; }
    session::ReadOnlyNotebook& session() { return *session_; }
    app::TreeItemModel& model() { return *model_; }
    app::IndexKeeper& searchIndex() { return *index_; }
    app::SearchPresenter& search() { return *search_; }
    app::LinkCommands& links() { return *links_; }
    app::FindController& find() { return *find_; }

    // Unpacks `package` and shows its tree; the index worker then reopens the
    // topic last edited in it and fills the Locate list. False when the
    // package could not be read (the tree is then empty).
    bool open(const QString& package);

    // Selects `item` in the tree and opens it as the viewer opens topics.
    void openTopic(tree::ItemHandle item);
    // The selection's topic (double click, Space).
    void openSelection();
    // 40016: a topic as a file, a folder as a folder.
    void exportSelection();

    // Empties the editor and the tree; deleting files is the folder's business.
    void shutDown();

    QString workingFolder() const override;
    std::optional<QString> topicFilePath(tree::ItemHandle topic) const override;
    std::optional<QString> label(tree::ItemHandle topic) const override;
    // The viewer never renames: a rich-text ".txt" topic keeps its label.
    void relabel(tree::ItemHandle, const QString&) override {}

private:
    bool renameItem(tree::ItemHandle, const QString&) override { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    tree::ItemHandle selection() const;
    void exportFileTopic(tree::ItemHandle item);
    void exportFolder(tree::ItemHandle item);

    app::Prompter& prompter_;
    app::Launcher& launcher_;
    store::ProfileService profiles_;
    app::TreeIcons icons_;
    tree::TopicImages images_;
    std::unique_ptr<session::ReadOnlyNotebook> session_;
    std::unique_ptr<ViewerWindow> window_;
    std::unique_ptr<app::TreeItemModel> model_;
    // The editor as the search sees it.
    std::unique_ptr<app::HostedTreeEditor> treeEditor_;
    std::unique_ptr<app::TopicOpener> opener_;
    // Stop the index worker and the content search when they go, while the
    // session still lives.
    std::unique_ptr<app::IndexKeeper> index_;
    std::unique_ptr<app::SearchPresenter> search_;
    // The open package's topics, read by the content search without unpacking.
    std::unique_ptr<search::PackageTopics> packageTopics_;
    std::unique_ptr<app::LinkView> linkView_;
    std::unique_ptr<app::LinkCommands> links_;
    app::FindController* find_ = nullptr; // a child of the window, like its dialog
    tree::ItemHandle lastFileTopic_ = tree::kNoItem;
};

} // namespace oxlin::viewer
