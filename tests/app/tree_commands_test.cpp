#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/tree/tree_controller.h"
#include "app/tree/tree_icons.h"
#include "app/tree/tree_item_model.h"
#include "core/store/compressed_file.h"
#include "core/tree/topic_files.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "queued_calls.h"
#include "running_app.h"

#include <deque>
#include <memory>

using namespace oxlin;
using namespace oxlin::app;
using tree::InsertPosition;
using tree::ItemHandle;

namespace {

// The application driven through its dispatch, its tree view's events and
// a scripted prompter; the index calls are recorded as they are made.
struct App : RunningApp {
    QStringList indexCalls;

    App() {
        QObject::connect(&pane(), &TreeController::indexDropRequested,
                         [this](ItemHandle item, const QString& oldPath) {
                             indexCalls << QStringLiteral("drop %1 %2").arg(item).arg(oldPath);
                         });
        QObject::connect(&pane(), &TreeController::indexAddRequested, [this](ItemHandle item) {
            indexCalls << QStringLiteral("add %1 %2").arg(item).arg(tree().itemPath(item));
        });
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    QTreeView* view() { return window->treeView(); }
    TreeController& pane() { return controller->treeController(); }
    ItemHandle selection() { return pane().selection(); }
    QString label(ItemHandle item) {
        return tree().find(item) ? tree().find(item)->label : QString();
    }
    QString filePath(qint32 id) {
        return tree::topicFilePath(controller->session().paths().workingFolder, id);
    }
    qint32 fileId(ItemHandle topic) { return tree().record(topic)->fileId; }
    bool enabled(int id) { return window->actions().action(id)->isEnabled(); }

    ItemHandle topic(ItemHandle parent, const QString& label, const QByteArray& content = "x") {
        return RunningApp::topic(parent, label, content);
    }
    QStringList labels(ItemHandle parent) {
        QStringList out;
        for (ItemHandle child : tree().children(parent))
            out << label(child);
        return out;
    }
    // A drag of `item` that hovers over `onto` and drops there. True when the
    // tree took the drag.
    bool dragOnto(ItemHandle item, ItemHandle onto) {
        TreeItemModel& model = controller->model();
        std::unique_ptr<QMimeData> data(model.mimeData({model.indexOf(item)}));
        const QPoint at = view()->visualRect(model.indexOf(onto)).center();
        return pane().dragOver(data.get(), at) && pane().drop(data.get());
    }
    bool isEditing() {
        QLineEdit* edit = labelEditor();
        return edit && edit->isVisible();
    }
    // The open label editor; closed ones linger until deleted later.
    QLineEdit* labelEditor() {
        for (QLineEdit* edit : view()->viewport()->findChildren<QLineEdit*>())
            if (edit->isVisible())
                return edit;
        return nullptr;
    }
    void press(int key) { QTest::keyClick(view(), Qt::Key(key)); }
};

} // namespace

class TreeCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newItemsTakeDefaultNamesAndOpenTheLabelEditor();
    void aFirstTopicCanBeMadeInAnyStateOfTheTree();
    void theContextMenuMakesATopicBesideTheOnlyTopic();
    void insertKeyWrapsATopicInAFolderOfItsBaseName();
    void rename_data();
    void rename();
    void refusedEditKeepsTheOldLabelInTheView();
    void deleteTopicAsksRemovesItsFileAndPrunesTheHistory();
    void deleteFolderRemovesEveryTopicFileBelowIt();
    void movesFollowTheSelectionsEnabledStates();
    void movingAFolderKeepsItsSubtreeAndClearsTheEditor();
    void dropAsksAndMovesIntoTheTargetsFolder();
    void dropOntoItsOwnSubtreeDoesNothing();
    void backAndForwardThroughTheCommands();
    void contextMenuGreysByTheSelection();
};

void TreeCommandsTest::newItemsTakeDefaultNamesAndOpenTheLabelEditor() {
    App app;
    const ItemHandle work = app.folder(0, "Work");
    app.topic(work, "NewTopic1.txt");
    app.topic(work, "NewTopic2.txt");
    app.pane().select(work);

    app.window->dispatch(cmd::NewTopic);
    const ItemHandle created = app.selection();
    QCOMPARE(app.label(created), QStringLiteral("NewTopic3.txt"));
    QCOMPARE(app.tree().parent(created), work);
    QVERIFY(app.isEditing());
    QLineEdit* edit = app.labelEditor();
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("NewTopic3.txt"));
    edit->selectAll();
    QTest::keyClicks(edit, "Ideas");
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(app.label(created), QStringLiteral("Ideas.txt"));

    // A folder beside a topic goes into the topic's folder; Escape keeps the default.
    app.window->dispatch(cmd::NewFolder);
    const ItemHandle newFolder = app.selection();
    QCOMPARE(app.labels(work).last(), QStringLiteral("NewFolder1"));
    QTRY_VERIFY(app.labelEditor());
    QTest::keyClick(app.labelEditor(), Qt::Key_Escape);
    QCOMPARE(app.label(newFolder), QStringLiteral("NewFolder1"));

    // Nothing selected: the new folder goes to the top level.
    app.pane().select(0);
    app.window->dispatch(cmd::NewFolder);
    QCOMPARE(app.labels(0), (QStringList{"Work", "NewFolder1"}));
    QTest::keyClick(app.labelEditor(), Qt::Key_Escape);

    // Enter: an item of the selection's kind right after it.
    app.pane().select(created);
    app.press(Qt::Key_Return);
    QCOMPARE(app.labels(work), (QStringList{"NewTopic1.txt", "NewTopic2.txt", "Ideas.txt",
                                            "NewTopic3.txt", "NewFolder1"}));
    QVERIFY(app.isEditing());
    QTest::keyClick(app.labelEditor(), Qt::Key_Escape);

    // A subfolder needs a folder; a new topic beside a topic goes into its folder.
    const int count = app.tree().itemCount();
    app.window->dispatch(cmd::NewSubfolder);
    QCOMPARE(app.tree().itemCount(), count);
    app.window->dispatch(cmd::NewTopic);
    QCOMPARE(app.labels(work).last(), QStringLiteral("NewTopic4.txt"));
}

void TreeCommandsTest::aFirstTopicCanBeMadeInAnyStateOfTheTree() {
    App app;
    QCOMPARE(app.tree().itemCount(), 0);
    // An empty tree: New Topic makes a top-level topic; nothing selected
    // greys New SubFolder and the deletions.
    QVERIFY(app.enabled(cmd::NewTopic));
    QVERIFY(!app.enabled(cmd::NewSubfolder));
    QVERIFY(!app.enabled(cmd::DeleteTopic));
    app.window->dispatch(cmd::NewTopic);
    QCOMPARE(app.labels(0), QStringList{"NewTopic1.txt"});
    QCOMPARE(app.selection(), app.tree().children(0).front());
    QTest::keyClick(app.labelEditor(), Qt::Key_Escape);
    QVERIFY(app.enabled(cmd::NewTopic));
    QVERIFY(!app.enabled(cmd::NewSubfolder));
}

void TreeCommandsTest::theContextMenuMakesATopicBesideTheOnlyTopic() {
    App app;
    const ItemHandle welcome = app.topic(0, "Welcome.rtf");
    QMenu* menu = app.pane().contextMenu();
    QAction* newTopic = app.window->actions().action(cmd::NewTopic);
    auto request = [&] {
        QTest::keyClick(app.view(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
    };
    // Nothing selected: the menu offers New Topic, not New SubFolder.
    app.pane().select(0);
    request();
    QVERIFY(newTopic->isEnabled());
    QVERIFY(!app.enabled(cmd::NewSubfolder));
    QVERIFY(!app.enabled(cmd::DeleteTopic));
    newTopic->trigger();
    menu->hide();
    QCOMPARE(app.labels(0), (QStringList{"Welcome.rtf", "NewTopic1.txt"}));
    QTest::keyClick(app.labelEditor(), Qt::Key_Escape);

    // The Welcome topic selected: the new topic goes beside it.
    app.pane().select(welcome);
    request();
    QVERIFY(newTopic->isEnabled());
    newTopic->trigger();
    menu->hide();
    QCOMPARE(app.labels(0), (QStringList{"Welcome.rtf", "NewTopic1.txt", "NewTopic2.txt"}));
}

void TreeCommandsTest::insertKeyWrapsATopicInAFolderOfItsBaseName() {
    App app;
    const ItemHandle plan = app.topic(0, "Plan.txt");
    const qint32 id = app.fileId(plan);
    app.controller->openTopic(plan);
    app.view()->setFocus();
    app.press(Qt::Key_Insert);

    const ItemHandle wrapped = app.selection();
    QCOMPARE(app.labels(0), QStringList{"Plan"});
    QCOMPARE(app.label(wrapped), QStringLiteral("Plan.txt"));
    QCOMPARE(app.fileId(wrapped), id);
    QCOMPARE(app.editor().currentTopic(), wrapped); // the editor follows its topic
    QVERIFY(!app.labelEditor());

    // On a folder, Insert is a new topic with its label editor open.
    app.pane().select(app.tree().parent(wrapped));
    app.press(Qt::Key_Insert);
    QCOMPARE(app.label(app.selection()), QStringLiteral("NewTopic1.txt"));
    QVERIFY(app.isEditing());
}

void TreeCommandsTest::rename_data() {
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty: refused

    QTest::newRow("nominal: a topic without extension gets .txt") << false << "Notes"
                                                                  << "Notes.txt";
    QTest::newRow("nominal: a topic keeps another extension") << false << "Notes.doc"
                                                              << "Notes.doc";
    QTest::newRow("nominal: a folder takes the text as it is") << true << "Archive"
                                                               << "Archive";
    QTest::newRow("robustness: empty") << false << "  "
                                       << "";
    QTest::newRow("robustness: a character the tree file reserves") << false << "a=b"
                                                                    << "";
    QTest::newRow("robustness: a sibling folder's name in other case") << true << "work"
                                                                       << "";
}

void TreeCommandsTest::rename() {
    QFETCH(bool, folder);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    App app;
    app.folder(0, "Work");
    const ItemHandle item = folder ? app.folder(0, "Old") : app.topic(0, "Old.txt");
    const QString before = app.label(item);
    const int image = app.tree().find(item)->image;

    const bool accepted =
        app.controller->model().setData(app.controller->model().indexOf(item), text, Qt::EditRole);
    if (expected.isEmpty()) {
        QVERIFY(!accepted);
        QCOMPARE(app.label(item), before);
        QCOMPARE(app.prompter.asked.size(), 1);
        QCOMPARE(app.prompter.asked[0].caption, QStringLiteral("Oxlin"));
        QVERIFY(app.indexCalls.isEmpty());
        return;
    }
    QVERIFY(accepted);
    QCOMPARE(app.label(item), expected);
    QCOMPARE(app.tree().find(item)->image, image); // a rename keeps the image
    QVERIFY(app.prompter.asked.isEmpty());
    QCOMPARE(app.indexCalls, (QStringList{QStringLiteral("drop %1 %2").arg(item).arg(before),
                                          QStringLiteral("add %1 %2").arg(item).arg(expected)}));
}

void TreeCommandsTest::refusedEditKeepsTheOldLabelInTheView() {
    App app;
    const ItemHandle item = app.topic(0, "Keep.txt");
    app.pane().select(item);
    app.press(Qt::Key_F2);
    QLineEdit* edit = app.labelEditor();
    QVERIFY(edit);
    edit->setText("a=b");
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_COMPARE(app.prompter.messageTexts().size(), 1);
    QCOMPARE(app.label(item), QStringLiteral("Keep.txt"));
    QCOMPARE(app.controller->model().indexOf(item).data().toString(), QStringLiteral("Keep.txt"));
}

void TreeCommandsTest::deleteTopicAsksRemovesItsFileAndPrunesTheHistory() {
    App app;
    const ItemHandle a = app.topic(0, "A.txt");
    const ItemHandle b = app.topic(0, "B.txt");
    const qint32 idB = app.fileId(b);
    app.controller->openTopic(a);
    app.controller->openTopic(b);
    QVERIFY(app.enabled(cmd::Backward));

    app.pane().select(b);
    app.prompter.answers.enqueue(PromptAnswer::No);
    app.window->dispatch(cmd::DeleteTopic);
    QVERIFY(app.tree().contains(b));
    QCOMPARE(app.prompter.asked[0].text, QStringLiteral("Do you want to delete B.txt?"));
    QCOMPARE(app.prompter.asked[0].icon, PromptIcon::Warning);
    QCOMPARE(app.prompter.asked[0].buttons, PromptButtons::YesNo);

    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.press(Qt::Key_Delete);
    QVERIFY(!app.tree().contains(b));
    QVERIFY(!QFile::exists(app.filePath(idB)));
    QCOMPARE(app.editor().currentTopic(), 0u); // the editor showed it: cleared
    QVERIFY(app.controller->session().history().entries() == std::deque<ItemHandle>{a});
    QCOMPARE(app.selection(), 0u); // the last top-level item had no next sibling
    QVERIFY(app.view()->hasFocus());

    app.pane().select(a);
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.window->dispatch(cmd::DeleteFolder);
    QVERIFY(app.controller->session().history().isEmpty());
    QVERIFY(!app.enabled(cmd::Backward));
    QVERIFY(!app.enabled(cmd::Forward));
}

void TreeCommandsTest::deleteFolderRemovesEveryTopicFileBelowIt() {
    App app;
    const ItemHandle work = app.folder(0, "Work");
    const ItemHandle inner = app.folder(work, "Inner");
    const ItemHandle t1 = app.topic(work, "T1.txt", "one");
    const ItemHandle t2 = app.topic(inner, "T2.txt", "two");
    const ItemHandle after = app.topic(0, "After.txt");
    const qint32 id1 = app.fileId(t1), id2 = app.fileId(t2);
    app.controller->openTopic(t1);
    QTest::keyClicks(app.editor().editor(), "saved ");

    app.pane().select(work);
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.window->dispatch(cmd::DeleteFolder);
    QCOMPARE(app.prompter.asked[0].text,
             QStringLiteral("Do you want to delete Work and all topics in this folder?"));
    QCOMPARE(app.labels(0), QStringList{"After.txt"});
    QVERIFY(!QFile::exists(app.filePath(id1)));
    QVERIFY(!QFile::exists(app.filePath(id2)));
    QVERIFY(app.controller->session().history().isEmpty());
    QCOMPARE(app.editor().currentTopic(), 0u);
    QCOMPARE(app.selection(), after); // the next sibling

    // In a folder, the last child's delete selects the folder.
    const ItemHandle box = app.folder(0, "Box");
    const ItemHandle only = app.topic(box, "Only.txt");
    app.pane().select(only);
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.window->dispatch(cmd::DeleteTopic);
    QCOMPARE(app.selection(), box);
}

void TreeCommandsTest::movesFollowTheSelectionsEnabledStates() {
    App app;
    const ItemHandle a = app.folder(0, "A");
    const ItemHandle t = app.topic(0, "T.txt");
    const ItemHandle inside = app.topic(a, "In.txt");

    auto states = [&] {
        return QList<bool>{app.enabled(cmd::LevelUp),  app.enabled(cmd::LevelDown),
                           app.enabled(cmd::MoveUp),   app.enabled(cmd::MoveDown),
                           app.enabled(cmd::NewTopic), app.enabled(cmd::NewSubfolder)};
    };
    app.pane().select(a);
    QCOMPARE(states(), (QList<bool>{false, false, false, true, true, true}));
    app.pane().select(t);
    QCOMPARE(states(), (QList<bool>{false, true, true, false, true, false}));
    app.pane().select(inside);
    QCOMPARE(states(), (QList<bool>{true, false, false, false, true, false}));

    // A disabled move does nothing when dispatched anyway.
    app.window->dispatch(cmd::MoveUp);
    QCOMPARE(app.selection(), inside);

    app.pane().select(t);
    app.window->dispatch(cmd::LevelDown); // a topic goes last into the folder above
    ItemHandle moved = app.selection();
    QCOMPARE(app.labels(a), (QStringList{"In.txt", "T.txt"}));
    QCOMPARE(app.tree().parent(moved), a);
    QCOMPARE(states(), (QList<bool>{true, false, true, false, true, false}));

    app.window->dispatch(cmd::MoveUp);
    QCOMPARE(app.labels(a), (QStringList{"T.txt", "In.txt"}));
    app.window->dispatch(cmd::MoveDown);
    QCOMPARE(app.labels(a), (QStringList{"In.txt", "T.txt"}));
    app.window->dispatch(cmd::LevelUp);
    QCOMPARE(app.labels(0), (QStringList{"A", "T.txt"}));
    QCOMPARE(app.label(app.selection()), QStringLiteral("T.txt"));
}

void TreeCommandsTest::movingAFolderKeepsItsSubtreeAndClearsTheEditor() {
    App app;
    app.topic(0, "First.txt");
    const ItemHandle box = app.folder(0, "Box");
    const ItemHandle one = app.topic(box, "One.txt");
    const ItemHandle sub = app.folder(box, "Sub");
    app.topic(sub, "Deep.txt");
    app.topic(box, "Two.txt");
    const qint32 oneId = app.fileId(one);
    app.controller->openTopic(one);
    QTest::keyClicks(app.editor().editor(), "kept ");

    app.pane().select(box);
    app.window->dispatch(cmd::MoveUp);
    const ItemHandle movedBox = app.selection();
    QCOMPARE(app.labels(0), (QStringList{"Box", "First.txt"}));
    QCOMPARE(app.labels(movedBox), (QStringList{"One.txt", "Sub", "Two.txt"}));
    QCOMPARE(app.labels(app.tree().children(movedBox)[1]), QStringList{"Deep.txt"});
    QCOMPARE(app.fileId(app.tree().children(movedBox)[0]), oneId);
    QCOMPARE(app.editor().currentTopic(), 0u);
    QByteArray stored;
    (void)store::decompressFileToBuffer(app.filePath(oneId), stored);
    QCOMPARE(stored, QByteArray("kept x")); // saved before it was cleared
}

void TreeCommandsTest::dropAsksAndMovesIntoTheTargetsFolder() {
    App app;
    const ItemHandle a = app.folder(0, "A");
    const ItemHandle b = app.folder(0, "B");
    const ItemHandle dragged = app.topic(a, "Drag.txt");
    app.topic(b, "Stay.txt");
    const ItemHandle target = app.topic(b, "Target.txt");
    const qint32 id = app.fileId(dragged);
    app.view()->expandAll();

    app.prompter.answers.enqueue(PromptAnswer::No);
    QVERIFY(app.dragOnto(dragged, target));
    QCOMPARE(app.selection(), target); // the hovered item is the selection
    QTRY_COMPARE(app.prompter.asked.size(), 1);
    QCOMPARE(app.prompter.asked[0].text, QStringLiteral("move [Drag.txt] to [B]?\r\n"));
    QCOMPARE(app.prompter.asked[0].caption, QStringLiteral("确认"));
    QCOMPARE(app.prompter.asked[0].icon, PromptIcon::Question);
    QCOMPARE(app.labels(a), QStringList{"Drag.txt"});

    // A topic target stands for its folder; the topic goes last.
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.dragOnto(dragged, target);
    QTRY_COMPARE(app.labels(b), (QStringList{"Stay.txt", "Target.txt", "Drag.txt"}));
    const ItemHandle moved = app.selection();
    QCOMPARE(app.label(moved), QStringLiteral("Drag.txt"));
    QCOMPARE(app.fileId(moved), id);
    QVERIFY(app.view()->hasFocus());

    // A folder onto a top-level topic goes first at the top level.
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    const ItemHandle top = app.topic(0, "Top.txt");
    const ItemHandle inner = app.folder(b, "Inner");
    app.dragOnto(inner, top);
    QTRY_COMPARE(app.labels(0), (QStringList{"Inner", "A", "B", "Top.txt"}));
    QCOMPARE(app.prompter.asked.last().text, QStringLiteral("move [Inner] to root?\r\n"));
}

void TreeCommandsTest::dropOntoItsOwnSubtreeDoesNothing() {
    App app;
    const ItemHandle outer = app.folder(0, "Outer");
    const ItemHandle inner = app.folder(outer, "Inner");
    app.view()->expandAll();
    app.dragOnto(outer, inner);
    app.dragOnto(outer, outer);
    QVERIFY(runQueuedCalls()); // the drops ask their question queued
    QVERIFY(app.prompter.asked.isEmpty());
    QCOMPARE(app.labels(outer), QStringList{"Inner"});

    // Data from another tree is not taken for a drag of this one.
    struct NoRenames final : ItemRenamer {
        bool renameItem(ItemHandle, const QString&) override { return false; }
    } renamer;
    TreeIcons icons;
    TreeItemModel other(app.tree(), icons, renamer);
    std::unique_ptr<QMimeData> foreign(other.mimeData({other.indexOf(inner)}));
    QVERIFY(app.controller->model().draggedItems(foreign.get()).isEmpty());
}

void TreeCommandsTest::backAndForwardThroughTheCommands() {
    App app;
    const ItemHandle t1 = app.topic(0, "T1.txt", "1");
    const ItemHandle t2 = app.topic(0, "T2.txt", "2");
    const ItemHandle t3 = app.topic(0, "T3.txt", "3");
    for (ItemHandle t : {t1, t2, t3}) {
        app.pane().select(t);
        app.press(Qt::Key_Space);
    }
    QCOMPARE(app.editor().currentTopic(), t3);
    QVERIFY(app.enabled(cmd::Backward));
    QVERIFY(!app.enabled(cmd::Forward));

    app.window->dispatch(cmd::Backward);
    QCOMPARE(app.editor().currentTopic(), t2);
    QCOMPARE(app.selection(), t2);
    QVERIFY(app.enabled(cmd::Forward));
    app.window->dispatch(cmd::Forward);
    QCOMPARE(app.editor().currentTopic(), t3);
    QCOMPARE(app.selection(), t3);
    QVERIFY(!app.enabled(cmd::Forward));

    const QRect row = app.view()->visualRect(app.controller->model().indexOf(t1));
    QTest::mouseClick(app.view()->viewport(), Qt::LeftButton, {}, row.center());
    QMouseEvent twice(QEvent::MouseButtonDblClick, row.center(),
                      app.view()->viewport()->mapToGlobal(row.center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(app.view()->viewport(), &twice);
    QCOMPARE(app.editor().currentTopic(), t1);
    QVERIFY(app.controller->session().history().entries() == (std::deque<ItemHandle>{t2, t3, t1}));

    // T3 moves: its old handle in the history names nothing now, and Back drops it.
    app.pane().select(t3);
    app.window->dispatch(cmd::MoveUp);
    app.window->dispatch(cmd::Backward);
    QCOMPARE(app.editor().currentTopic(), t1);
    QCOMPARE(app.controller->session().history().size(), 2);
    app.window->dispatch(cmd::Backward);
    QCOMPARE(app.editor().currentTopic(), t2);
}

void TreeCommandsTest::contextMenuGreysByTheSelection() {
    App app;
    const ItemHandle folder = app.folder(0, "Work");
    const ItemHandle topic = app.topic(0, "Plan.txt");
    QMenu* menu = app.pane().contextMenu();
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts, (QStringList{"&Paste", "-", "New Foloder", "New SubFolder", "New Topic", "-",
                                 "Delete Catalog", "Delete Topic", "-", "Export"}));

    auto greyed = [&] {
        QStringList out;
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && !action->isEnabled())
                out << action->text();
        return out;
    };
    QGuiApplication::clipboard()->setText("no files");
    app.pane().select(topic);
    QTest::keyClick(app.view(), Qt::Key_F10, Qt::ShiftModifier); // a keyboard request
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(greyed(), (QStringList{"&Paste", "New SubFolder", "Delete Catalog"}));
    // Below the row, under the short label rather than the middle of the wide row.
    const QRect row = app.view()->visualRect(app.controller->model().indexOf(topic));
    const QPoint shown = app.view()->viewport()->mapFromGlobal(menu->pos());
    QCOMPARE(shown.y(), row.bottom() + 1);
    QVERIFY(shown.x() > row.left() + app.view()->iconSize().width());
    QVERIFY(shown.x() < row.left() + app.view()->iconSize().width() +
                            app.view()->fontMetrics().horizontalAdvance("Plan.txt") + 10);
    menu->hide();

    auto* files = new QMimeData;
    files->setUrls({QUrl::fromLocalFile(app.dir.path())});
    QGuiApplication::clipboard()->setMimeData(files);
    app.pane().select(folder);
    const QPoint at = app.view()->viewport()->mapToGlobal(QPoint(5, 5));
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, QPoint(5, 5), at);
    QCoreApplication::sendEvent(app.view()->viewport(), &mouse);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(greyed(), QStringList{"Delete Topic"});
    QCOMPARE(menu->pos(), at);
    menu->hide();

    // A click on empty space keeps the selection.
    QTest::mouseClick(app.view()->viewport(), Qt::LeftButton, {}, QPoint(5, 300));
    QCOMPARE(app.selection(), folder);
    QVERIFY(app.view()->selectionModel()->isSelected(app.controller->model().indexOf(folder)));

    // The entries dispatch their commands: New Foloder beside the folder.
    menu->actions()[2]->trigger();
    QCOMPARE(app.labels(0), (QStringList{"Work", "Plan.txt", "NewFolder1"}));
}

QTEST_MAIN(TreeCommandsTest)
#include "tree_commands_test.moc"
