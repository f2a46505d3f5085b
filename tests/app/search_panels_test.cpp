#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/base/side_tabs.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/index_keeper.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "app/search/search_presenter.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/tree/topic_opener.h"
#include "app/tree/tree_controller.h"
#include "app/tree/tree_item_model.h"
#include "core/store/compressed_file.h"
#include "core/store/profile.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_operations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "running_app.h"

#include <memory>

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

// The application with the search panels at hand.
struct App : RunningApp {
    App() : RunningApp(QSize(900, 600)) {}

    SearchPresenter& search() { return controller->search(); }
    LocatePanel& locate() { return *window->locatePanel(); }
    KeywordPanel& keyword() { return *window->keywordPanel(); }
    SidePane& side() { return *window->sidePane(); }

    // What a load does once the tree is in: the rebuild, and its end handled
    // on this thread.
    bool rebuild() {
        QSignalSpy finished(&search(), &SearchPresenter::rebuildFinished);
        controller->searchIndex().startRebuild();
        return finished.wait(5000);
    }
    bool waitForLoadedIndex() {
        QSignalSpy finished(&search(), &SearchPresenter::rebuildFinished);
        return finished.wait(5000);
    }

    QStringList rowsOf(const QListWidget& list) const {
        QStringList rows;
        for (int i = 0; i < list.count(); ++i)
            rows.append(list.item(i)->text());
        return rows;
    }
    QString topicIndexValue(const QString& key) {
        return controller->profiles().readString(session().paths().topicIndexFile, "TopicIndex",
                                                 key, "missing");
    }

    // Types the keyword, sets the check boxes and presses "&Locate".
    QStringList search(const QString& keyword, bool inResult, bool matchCase, bool treeOnly) {
        KeywordPanel& panel = this->keyword();
        panel.keywordBox()->setEditText(keyword);
        panel.inResultBox()->setChecked(inResult);
        panel.matchCaseBox()->setChecked(matchCase);
        panel.treeOnlyBox()->setChecked(treeOnly);
        prompter.asked.clear();
        QSignalSpy finished(&search(), &SearchPresenter::searchFinished);
        QTest::mouseClick(panel.locateButton(), Qt::LeftButton);
        // A content search ends on the worker's posted report.
        if (finished.isEmpty() && search().isSearching() && !finished.wait(10000))
            return {"the search did not end"};
        return rowsOf(*panel.list());
    }

    void doubleClickRow(QListWidget& list, int row) {
        const QPoint at = list.visualItemRect(list.item(row)).center();
        // A double click on a row is the second press on the row just pressed.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    }
    void clickTab(SidePane::Tab tab) {
        QTabBar* bar = side().tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(int(tab)).center());
    }
};

} // namespace

class SearchPanelsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadRebuildsTheIndexAndReopensLastEdit();
    void theReopenedTopicShowsWhereTheUserLeftIt();
    void locateFindsByPrefixAndGoesToTheRow();
    void renameAndRelabelKeepLocateInStep();
    void eachSearchModeThroughThePanel();
    void contentSearchRunsBesideTheWindow();
    void resultMessageCountsTopics();
    void contentSearchReadsTheVisibleText();
    void historyKeepsTwentyAndSurvivesARestart();
    void goingToRowsAndTheTopicsTab();
    void tabsSwitchTheLeftPane();
    void whatWasMadeThisSessionIsFoundAtOnce();
};

void SearchPanelsTest::loadRebuildsTheIndexAndReopensLastEdit() {
    App app;
    const ItemHandle work = app.folder(0, "Work");
    app.topic(app.folder(work, "Old"), "ideas.txt", "garden");
    const ItemHandle plan = app.topic(work, "Plan.txt", "weekly plan");
    app.topic(0, "report.doc", "binary");
    app.controller->openTopic(plan);
    QCOMPARE(app.window->editorHost().currentTopic(), plan);

    // Exit packs the notebook with LastEdit = Work\Plan.txt; the next start
    // loads it, and the rebuild's end reopens that topic.
    app.restart();
    QVERIFY(app.waitForLoadedIndex());
    const ItemHandle reopened = app.tree().findByPath("Work\\Plan.txt");
    QVERIFY(reopened != tree::kNoItem);
    QCOMPARE(app.window->editorHost().currentTopic(), reopened);
    QCOMPARE(app.controller->model().handle(app.window->treeView()->currentIndex()), reopened);
    QCOMPARE(app.topicIndexValue("Work\\Plan.txt"), QString::number(reopened));
    QVERIFY(QFile::exists(app.session().paths().searchIndexFile));
    // Every topic, file topics too, sorted without regard to case; no folders.
    QCOMPARE(app.rowsOf(*app.locate().list()),
             (QStringList{"ideas.txt", "Plan.txt", "report.doc"}));
}

void SearchPanelsTest::theReopenedTopicShowsWhereTheUserLeftIt() {
    App app;
    QByteArray text;
    for (int line = 0; line < 200; ++line)
        text += "line " + QByteArray::number(line) + "\n";
    const ItemHandle plan = app.topic(app.folder(0, "Work"), "Plan.txt", text);
    app.controller->openTopic(plan);
    QTextEdit* edit = app.editor().editor();
    QTextCursor caret(edit->document());
    caret.setPosition(int(text.indexOf("line 150")) + 3);
    edit->setTextCursor(caret);
    edit->ensureCursorVisible();
    const int scrolled = edit->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);

    // The exit sequence, then a new controller over the same data folder.
    app.restart();
    QVERIFY(app.waitForLoadedIndex());
    edit = app.editor().editor();
    QCOMPARE(app.editor().currentTopic(), app.tree().findByPath("Work\\Plan.txt"));
    QCOMPARE(edit->textCursor().position(), int(text.indexOf("line 150")) + 3);
    QVERIFY(edit->verticalScrollBar()->value() > 0);
    // The stored files other programs read are as they were.
    QCOMPARE(app.session().readRuntimeText("RunTimeData", "LastEdit").value_or(QString()),
             QStringLiteral("Work\\Plan.txt"));
}

void SearchPanelsTest::locateFindsByPrefixAndGoesToTheRow() {
    App app;
    const ItemHandle b = app.topic(0, "b.txt", "b");
    const ItemHandle about = app.topic(0, "about.txt", "about");
    const ItemHandle a = app.topic(app.folder(0, "F"), "a.txt", "a");
    QVERIFY(app.rebuild());
    QCOMPARE(app.rowsOf(*app.locate().list()), (QStringList{"a.txt", "about.txt", "b.txt"}));
    app.clickTab(SidePane::Index);

    QLineEdit* field = app.locate().field();
    QListWidget* list = app.locate().list();
    QTest::keyClicks(field, "a");
    QCOMPARE(app.locate().selectedItem(), a);
    QCOMPARE(field->text(), QStringLiteral("a")); // the typed text stays
    QTest::keyClicks(field, "b");
    QCOMPARE(app.locate().selectedItem(), about);
    QTest::keyClicks(field, "z"); // "abz": nothing begins so, nothing changes
    QCOMPARE(app.locate().selectedItem(), about);

    // Down moves into the list by one row; a selection made there is copied.
    QTest::keyClick(field, Qt::Key_Down);
    QVERIFY(list->hasFocus());
    QCOMPARE(app.locate().selectedItem(), b);
    QCOMPARE(field->text(), QStringLiteral("b.txt"));

    // Enter in the field shows the selected row: selected and opened, panel kept.
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(app.window->editorHost().currentTopic(), b);
    QCOMPARE(app.side().activeTab(), SidePane::Index);

    // "&Show" goes to the selected row; the tree expands down to it.
    list->setCurrentRow(0);
    QTest::mouseClick(app.locate().showButton(), Qt::LeftButton);
    QCOMPARE(app.window->editorHost().currentTopic(), a);
    QCOMPARE(app.controller->model().handle(app.window->treeView()->currentIndex()), a);
}

void SearchPanelsTest::renameAndRelabelKeepLocateInStep() {
    App app;
    const ItemHandle a = app.topic(app.folder(0, "Work"), "a.txt", "x");
    QVERIFY(app.rebuild());

    // A label edit as the tree reports it: drop, new label, add.
    Q_EMIT app.controller->treeController().indexDropRequested(a, "Work\\a.txt");
    app.tree().setLabel(a, "b.txt");
    Q_EMIT app.controller->treeController().indexAddRequested(a);
    QCOMPARE(app.topicIndexValue("Work\\a.txt"), QStringLiteral("0"));
    QCOMPARE(app.topicIndexValue("Work\\b.txt"), QString::number(a));
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList{"b.txt"});

    // The editor's relabel to ".rtf" goes through the same pair.
    app.controller->topics().relabel(a, "b.rtf");
    QCOMPARE(app.topicIndexValue("Work\\b.txt"), QStringLiteral("0"));
    QCOMPARE(app.topicIndexValue("Work\\b.rtf"), QString::number(a));
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList{"b.rtf"});
    QCOMPARE(app.locate().rows().at(0).handle, a);

    // "&Refresh" reads the same rows back from TopicIndex.ini.
    QTest::mouseClick(app.locate().refreshButton(), Qt::LeftButton);
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList{"b.rtf"});
}

void SearchPanelsTest::eachSearchModeThroughThePanel() {
    App app;
    const ItemHandle work = app.folder(0, "Work");
    app.folder(work, "Old");
    app.topic(work, "old notes.txt", "a Plan for the week");
    app.topic(work, "lower.txt", "the plan");
    app.topic(0, "upper.txt", "THE PLAN");
    app.topic(0, "draft.doc", "Plan"); // not searchable by content
    QVERIFY(app.rebuild());

    // Defaults: "Topics-tree Only" checked, the others cleared.
    QVERIFY(app.keyword().treeOnlyBox()->isChecked());
    QVERIFY(!app.keyword().matchCaseBox()->isChecked());
    QVERIFY(!app.keyword().inResultBox()->isChecked());

    // Tree only: labels, folders in brackets, full paths.
    QCOMPARE(app.search("OLD", false, false, true),
             (QStringList{"[Work\\Old]", "Work\\old notes.txt"}));
    QCOMPARE(app.prompter.asked.size(), 1);
    QCOMPARE(app.prompter.asked[0].text, QStringLiteral("2 topics include the keyword."));
    QCOMPARE(app.prompter.asked[0].caption, QStringLiteral("Oxlin"));
    QCOMPARE(app.prompter.asked[0].icon, PromptIcon::Information);

    // Search in result takes precedence: the listed topics' content; the folder drops out.
    QCOMPARE(app.search("plan", true, false, true), QStringList{"Work\\old notes.txt"});
    QCOMPARE(app.prompter.messageTexts(), QStringList{"1 topic includes the keyword."});

    // Content, without and with "Match case".
    QCOMPARE(app.search("plan", false, false, false),
             (QStringList{"upper.txt", "Work\\lower.txt", "Work\\old notes.txt"}));
    QCOMPARE(app.prompter.messageTexts(), QStringList{"3 topics include the keyword."});
    QCOMPARE(app.search("PLAN", false, true, false), QStringList{"upper.txt"});

    // An empty keyword does nothing, not even a message; the rows stay.
    QCOMPARE(app.search("", false, false, false), QStringList{"upper.txt"});
    QVERIFY(app.prompter.asked.isEmpty());

    QCOMPARE(app.search("nowhere", false, false, false), QStringList{});
    QCOMPARE(app.prompter.messageTexts(), QStringList{"no topic includes the keyword."});

    // Enter in the keyword field searches as "&Locate" does.
    app.keyword().keywordBox()->setEditText("lower");
    app.keyword().treeOnlyBox()->setChecked(true);
    QTest::keyClick(app.keyword().keywordBox()->lineEdit(), Qt::Key_Return);
    QCOMPARE(app.rowsOf(*app.keyword().list()), QStringList{"Work\\lower.txt"});
}

void SearchPanelsTest::contentSearchRunsBesideTheWindow() {
    App app;
    const ItemHandle folder = app.folder(0, "Notes");
    std::vector<ItemHandle> topics;
    for (int i = 0; i < 60; ++i)
        topics.push_back(app.topic(folder,
                                   QStringLiteral("n%1.txt").arg(i, 2, 10, QLatin1Char('0')),
                                   QByteArray(20000, 'x') + (i % 2 ? "ripe" : "raw")));
    QVERIFY(app.rebuild());
    KeywordPanel& panel = app.keyword();
    panel.keywordBox()->setEditText("ripe");
    panel.treeOnlyBox()->setChecked(false);

    // While it runs: progress and Cancel show, Locate is off, and a second
    // Locate is ignored. Removing a found topic meanwhile keeps it out of the
    // rows, whenever its report arrives.
    QSignalSpy finished(&app.search(), &SearchPresenter::searchFinished);
    QTest::mouseClick(panel.locateButton(), Qt::LeftButton);
    QVERIFY(app.search().isSearching());
    QVERIFY(!panel.cancelButton()->isHidden());
    QVERIFY(!panel.progressBar()->isHidden());
    QVERIFY(!panel.locateButton()->isEnabled());
    app.search().runSearch();
    app.session().tree().removeItem(topics[1]);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.size(), 1);
    QVERIFY(panel.cancelButton()->isHidden());
    QVERIFY(panel.locateButton()->isEnabled());
    QCOMPARE(app.prompter.messageTexts(), QStringList{"29 topics include the keyword."});
    QStringList expected;
    for (int i = 3; i < 60; i += 2)
        expected << QStringLiteral("Notes\\n%1.txt").arg(i, 2, 10, QLatin1Char('0'));
    QCOMPARE(app.rowsOf(*panel.list()), expected);

    // A relabel while the search runs shows in the rows found.
    app.prompter.asked.clear();
    QTest::mouseClick(panel.locateButton(), Qt::LeftButton);
    QVERIFY(app.session().tree().setLabel(topics[3], "renamed.txt"));
    QVERIFY(finished.wait(10000));
    QVERIFY(app.rowsOf(*panel.list()).contains("Notes\\renamed.txt"));

    // Cancelled: no count is shown, the history stays, and the list shows
    // the rows found before the cancel.
    app.prompter.asked.clear();
    panel.keywordBox()->setEditText("raw");
    const QStringList history = panel.history();
    QTest::mouseClick(panel.locateButton(), Qt::LeftButton);
    QTest::mouseClick(panel.cancelButton(), Qt::LeftButton);
    QVERIFY(finished.wait(10000));
    QVERIFY(app.prompter.asked.isEmpty());
    QCOMPARE(panel.history(), history);
    QCOMPARE(app.rowsOf(*panel.list()).size(), panel.results().size());
    QVERIFY(panel.locateButton()->isEnabled());

    // Closing the notebook stops a running search and waits for it.
    QTest::mouseClick(panel.locateButton(), Qt::LeftButton);
    app.search().stopSearch();
    QVERIFY(!app.search().isSearching());
    QVERIFY(panel.cancelButton()->isHidden());
}

void SearchPanelsTest::resultMessageCountsTopics() {
    QCOMPARE(SearchPresenter::resultMessage(0), QStringLiteral("no topic includes the keyword."));
    QCOMPARE(SearchPresenter::resultMessage(1), QStringLiteral("1 topic includes the keyword."));
    QCOMPARE(SearchPresenter::resultMessage(12), QStringLiteral("12 topics include the keyword."));
}

void SearchPanelsTest::contentSearchReadsTheVisibleText() {
    App app;
    const ItemHandle rich = app.topic(0, "Meeting.rtf",
                                      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 bud\\b get\\b0 "
                                      "caf\\'e9\\par}");
    const ItemHandle plain = app.topic(0, "notes.txt", "plain words");
    QVERIFY(app.rebuild());
    // The open topic is saved first, so what was just typed is found.
    app.controller->openTopic(plain);
    QTest::keyClicks(app.window->editorHost().editor(), "typed ");

    QCOMPARE(app.search("budget", false, false, false), QStringList{"Meeting.rtf"});
    QCOMPARE(app.search("par", false, false, false), QStringList{});
    QCOMPARE(app.search("fonttbl", false, false, false), QStringList{});
    QCOMPARE(app.search(QString::fromUtf8("CAFÉ"), false, false, false),
             QStringList{"Meeting.rtf"});
    QCOMPARE(app.search("typed", false, false, false), QStringList{"notes.txt"});
    QCOMPARE(app.keyword().results().at(0).handle, plain);
    Q_UNUSED(rich);
}

void SearchPanelsTest::historyKeepsTwentyAndSurvivesARestart() {
    App app;
    for (int i = 0; i < 21; ++i)
        app.folder(0, QStringLiteral("k%1").arg(i, 2, 10, QLatin1Char('0')));
    QVERIFY(app.rebuild());
    QComboBox* box = app.keyword().keywordBox();

    app.search("k00", false, false, true);
    app.search("K00", false, false, true);    // the same keyword in other case
    app.search("absent", false, false, true); // found nothing: not kept
    QCOMPARE(app.keyword().history(), QStringList{"k00"});
    for (int i = 1; i < 21; ++i)
        app.search(QStringLiteral("k%1").arg(i, 2, 10, QLatin1Char('0')), false, false, true);
    QCOMPARE(box->count(), 20);
    QCOMPARE(box->itemText(0), QStringLiteral("k01")); // the oldest went
    QCOMPARE(box->itemText(19), QStringLiteral("k20"));
    QCOMPARE(box->currentText(), QStringLiteral("k20")); // the field keeps the keyword

    // Saved at exit into Z.ini, loaded at the next start.
    app.restart();
    QCOMPARE(app.keyword().history().size(), 20);
    QCOMPARE(app.keyword().history().first(), QStringLiteral("k01"));
    QCOMPARE(app.keyword().history().last(), QStringLiteral("k20"));
}

void SearchPanelsTest::goingToRowsAndTheTopicsTab() {
    App app;
    const ItemHandle work = app.folder(0, "Work");
    const ItemHandle old = app.folder(work, "Old");
    const ItemHandle gone = app.topic(old, "old a.txt", "a");
    const ItemHandle other = app.topic(app.folder(0, "Home"), "other.txt", "o");
    QVERIFY(app.rebuild());
    QTreeView* view = app.window->treeView();
    TreeItemModel& model = app.controller->model();
    view->setCurrentIndex(model.indexOf(other));
    view->expand(model.indexOf(app.tree().parent(other)));

    app.clickTab(SidePane::Search);
    QCOMPARE(app.search("old", false, false, true),
             (QStringList{"[Work\\Old]", "Work\\Old\\old a.txt"}));
    QListWidget* results = app.keyword().list();

    // A topic row: the old selection's branch folds, the topic opens, the panel stays.
    app.doubleClickRow(*results, 1);
    QCOMPARE(app.window->editorHost().currentTopic(), gone);
    QVERIFY(!view->isExpanded(model.indexOf(app.tree().parent(other))));
    QVERIFY(view->isExpanded(model.indexOf(old)));
    QCOMPARE(app.side().activeTab(), SidePane::Search);

    // "&Display" on a folder row selects it and leaves the panel in front;
    // a double click on it also returns to the tree.
    results->setCurrentRow(0);
    QTest::mouseClick(app.keyword().displayButton(), Qt::LeftButton);
    QCOMPARE(model.handle(view->currentIndex()), old);
    QCOMPARE(app.side().activeTab(), SidePane::Search);
    app.doubleClickRow(*results, 0);
    QCOMPARE(app.side().activeTab(), SidePane::Topics);
    QCOMPARE(model.handle(view->currentIndex()), old);

    // A row whose item was deleted goes nowhere, through either button.
    app.window->editorHost().closeTopic();
    app.tree().removeItem(old);
    app.clickTab(SidePane::Search);
    const ItemHandle selected = model.handle(view->currentIndex());
    results->setCurrentRow(1);
    QTest::mouseClick(app.keyword().displayButton(), Qt::LeftButton);
    app.doubleClickRow(*results, 0);
    QCOMPARE(app.window->editorHost().currentTopic(), 0u);
    QCOMPARE(app.side().activeTab(), SidePane::Search);
    QCOMPARE(model.handle(view->currentIndex()), selected);
}

void SearchPanelsTest::tabsSwitchTheLeftPane() {
    App app;
    auto* stack = app.side().findChild<QStackedWidget*>();
    QCOMPARE(app.side().activeTab(), SidePane::Topics);
    QCOMPARE(stack->currentWidget(), app.window->treeView());
    QStringList texts;
    for (int i = 0; i < app.side().tabBar()->count(); ++i)
        texts.append(app.side().tabBar()->tabText(i));
    QCOMPARE(texts, (QStringList{"Topics", "Index", "Search"}));

    QVERIFY(QTest::qWaitForWindowActive(app.window));
    QSignalSpy changed(&app.side(), &SidePane::tabChanged);
    app.clickTab(SidePane::Index);
    QCOMPARE(stack->currentWidget(), &app.locate());
    QVERIFY(app.locate().field()->hasFocus());
    app.clickTab(SidePane::Index); // the active tab: nothing
    app.clickTab(SidePane::Search);
    QCOMPARE(stack->currentWidget(), &app.keyword());
    QVERIFY(app.window->treeView()->isHidden() && app.locate().isHidden());
    app.clickTab(SidePane::Topics);
    QCOMPARE(stack->currentWidget(), app.window->treeView());
    QCOMPARE(changed.size(), 3);
}

void SearchPanelsTest::whatWasMadeThisSessionIsFoundAtOnce() {
    App app;
    const ItemHandle folder = app.folder(0, "Fruit");
    const ItemHandle old = app.topic(folder, "old.txt", "apple");
    QVERIFY(app.rebuild());

    // A topic made and typed into today, never saved.
    tree::TreeOperations& ops = app.controller->treeController().operations();
    const ItemHandle made = ops.newTopic(folder);
    QVERIFY(ops.rename(made, "Kiwi notes") == tree::TreeOperations::RenameResult::Renamed);
    app.controller->openTopic(made);
    QTest::keyClicks(app.window->editorHost().editor(), "a kiwi a day");
    QCOMPARE(app.search("kiwi", false, false, false), QStringList{"Fruit\\Kiwi notes.txt"});
    QCOMPARE(app.prompter.messageTexts().size(), 1);
    QVERIFY(!app.prompter.messageTexts().at(0).contains("no topic"));

    // The Locate list follows deletes, moves and relabels at once, and a
    // refresh keeps every live topic.
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList({"Kiwi notes.txt", "old.txt"}));
    QVERIFY(ops.rename(old, "older.txt") == tree::TreeOperations::RenameResult::Renamed);
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList({"Kiwi notes.txt", "older.txt"}));
    const ItemHandle moved = ops.move(made, tree::Move::LevelUp);
    QVERIFY(moved != tree::kNoItem);
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList({"Kiwi notes.txt", "older.txt"}));
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    QVERIFY(ops.deleteItem(old).deleted);
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList({"Kiwi notes.txt"}));
    QTest::mouseClick(app.locate().refreshButton(), Qt::LeftButton);
    QCOMPARE(app.rowsOf(*app.locate().list()), QStringList({"Kiwi notes.txt"}));
    QCOMPARE(app.search("kiwi", false, false, false), QStringList{"Kiwi notes.txt"});
}

QTEST_MAIN(SearchPanelsTest)
#include "search_panels_test.moc"
