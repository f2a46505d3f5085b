// "All notebooks" in the Search panel: a search over every notebook of the
// data folder, rows that name their notebook, and a row of another notebook
// that opens it, through the window and the prompter.

#include "app/base/command_ids.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/index_keeper.h"
#include "app/search/keyword_panel.h"
#include "app/search/search_presenter.h"
#include "app/tree/tree_item_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;
using Step = ScriptedPrompter::NotebookStep;

namespace {

struct App : RunningApp {
    App() : RunningApp(QSize(900, 600)) {}

    SearchPresenter& search() { return controller->search(); }
    KeywordPanel& keyword() { return *window->keywordPanel(); }
    QString current() { return session().currentBook().notebookName; }

    bool waitForLoadedIndex() {
        QSignalSpy finished(&search(), &SearchPresenter::rebuildFinished);
        return finished.wait(5000);
    }
    QStringList rows() {
        QStringList texts;
        for (int i = 0; i < keyword().list()->count(); ++i)
            texts.append(keyword().list()->item(i)->text());
        return texts;
    }
    // Types the keyword, sets the check boxes and presses "&Locate".
    QStringList find(const QString& word, bool all, bool treeOnly, bool inResult = false) {
        KeywordPanel& panel = keyword();
        panel.keywordBox()->setEditText(word);
        panel.inResultBox()->setChecked(inResult);
        panel.treeOnlyBox()->setChecked(treeOnly);
        panel.allNotebooksBox()->setChecked(all);
        prompter.asked.clear();
        QSignalSpy finished(&search(), &SearchPresenter::searchFinished);
        QTest::mouseClick(panel.locateButton(), Qt::LeftButton);
        if (finished.isEmpty() && !finished.wait(10000))
            return {"the search did not end"};
        return rows();
    }
    void doubleClickRow(const QString& text) {
        QListWidget& list = *keyword().list();
        const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        const QPoint at = list.visualItemRect(found.first()).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    }
    QString openTopicLabel() {
        const tree::TreeItem* item = tree().find(editor().currentTopic());
        return item ? item->label : QString();
    }
};

// The first notebook holds Here\kiwi.txt; "Fruit" (packed, its last topic
// fig.txt) holds Basket\kiwi.txt and fig.txt. The first is open at the end.
QString makeTwoNotebooks(App& app) {
    const QString first = app.current();
    app.topic(app.folder(tree::kTopLevel, "Here"), "kiwi.txt", "kiwi at home");
    app.prompter.newNotebookNames.enqueue({"Fruit"});
    app.window->dispatch(cmd::NewNotebook);
    app.topic(app.folder(tree::kTopLevel, "Basket"), "kiwi.txt", "a kiwi tart");
    const ItemHandle fig = app.topic(tree::kTopLevel, "fig.txt", "figs");
    app.controller->openTopic(fig);
    app.prompter.openNotebookSteps.enqueue({Step{false, first}});
    app.window->dispatch(cmd::OpenNotebook);
    return first;
}

} // namespace

class SearchAllNotebooksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachModeSearchesEveryNotebookAndNamesIt();
    void aRowOfAnotherNotebookOpensItAndItsTopic();
    void aSwitchThatCannotSaveLeavesEverythingAsItWas();
};

void SearchAllNotebooksTest::eachModeSearchesEveryNotebookAndNamesIt() {
    App app;
    const QString first = makeTwoNotebooks(app);
    QVERIFY(app.waitForLoadedIndex());
    // A sync engine's second copy is not a notebook: it would double Fruit's rows.
    QVERIFY(QFile::copy(
        QDir(app.dataFolder()).filePath("Fruit.xzz"),
        QDir(app.dataFolder()).filePath("Fruit (conflicted copy 2026-12-08 101010).xzz")));
    QVERIFY(app.keyword().allNotebooksBox()->isVisibleTo(&app.keyword()));

    const QString here = first + ": Here\\kiwi.txt";
    QCOMPARE(app.find("KIWI", true, false), (QStringList{"Fruit: Basket\\kiwi.txt", here}));
    QCOMPARE(app.prompter.messageTexts(), QStringList{"2 topics include the keyword."});
    // The bar counted the topics of both notebooks.
    QCOMPARE(app.keyword().progressBar()->maximum(), 3);
    QCOMPARE(app.find("kiwi", false, false), QStringList{"Here\\kiwi.txt"});

    // Labels, folders in brackets, in every notebook.
    QCOMPARE(app.find("kiwi", true, true), (QStringList{"Fruit: Basket\\kiwi.txt", here}));
    QCOMPARE(app.find("basket", true, true), QStringList{"Fruit: [Basket]"});

    // In the result: each row's topic in its own notebook; a folder drops out.
    app.find("kiwi", true, true);
    QCOMPARE(app.find("tart", true, false, true), QStringList{"Fruit: Basket\\kiwi.txt"});
    QCOMPARE(app.prompter.messageTexts(), QStringList{"1 topic includes the keyword."});
    // Without "All notebooks" only the open notebook's rows are read.
    app.find("kiwi", true, true);
    QCOMPARE(app.find("kiwi", false, false, true), QStringList{"Here\\kiwi.txt"});
    QCOMPARE(app.current(), first); // a search opens nothing
}

void SearchAllNotebooksTest::aRowOfAnotherNotebookOpensItAndItsTopic() {
    App app;
    const QString first = makeTwoNotebooks(app);
    QVERIFY(app.waitForLoadedIndex());
    app.find("kiwi", true, false);

    app.doubleClickRow("Fruit: Basket\\kiwi.txt");
    QCOMPARE(app.current(), QStringLiteral("Fruit"));
    QCOMPARE(app.openTopicLabel(), QStringLiteral("kiwi.txt"));
    QCOMPARE(app.editor().editor()->toPlainText(), QStringLiteral("a kiwi tart"));
    // The load's rebuild ends without reopening fig.txt, Fruit's last topic, over it.
    QVERIFY(app.waitForLoadedIndex());
    QCOMPARE(app.editor().editor()->toPlainText(), QStringLiteral("a kiwi tart"));
    // The first notebook was packed and closed as Open Notebook does it.
    QVERIFY(!QFileInfo::exists(QDir(app.dataFolder()).filePath(first)));

    // The rows stay; the first notebook's row now opens it again, though the
    // handle it was found with went with that notebook's tree.
    QCOMPARE(app.rows().size(), 2);
    app.doubleClickRow(first + ": Here\\kiwi.txt");
    QCOMPARE(app.current(), first);
    QCOMPARE(app.editor().editor()->toPlainText(), QStringLiteral("kiwi at home"));
    QVERIFY(app.waitForLoadedIndex());

    // A folder row opens the notebook and shows the folder in the tree.
    app.find("basket", true, true);
    app.doubleClickRow("Fruit: [Basket]");
    QCOMPARE(app.current(), QStringLiteral("Fruit"));
    QCOMPARE(app.tree()
                 .find(app.controller->model().handle(app.window->treeView()->currentIndex()))
                 ->label,
             QStringLiteral("Basket"));
}

void SearchAllNotebooksTest::aSwitchThatCannotSaveLeavesEverythingAsItWas() {
    App app;
    const QString first = makeTwoNotebooks(app);
    QVERIFY(app.waitForLoadedIndex());
    app.find("kiwi", true, false);
    const ItemHandle draft = app.topic(tree::kTopLevel, "draft.txt", "saved");
    app.controller->openTopic(draft);
    QTest::keyClicks(app.editor().editor(), "typed ");
    // The topic file cannot be replaced, as on a full disk.
    const QString topicFile = *app.controller->topics().topicFilePath(draft);
    QVERIFY(QFile::remove(topicFile));
    QVERIFY(QDir().mkpath(topicFile));

    app.prompter.asked.clear();
    app.doubleClickRow("Fruit: Basket\\kiwi.txt");
    QCOMPARE(app.current(), first);
    QCOMPARE(app.editor().currentTopic(), draft);
    QVERIFY(app.editor().editor()->toPlainText().startsWith("typed "));
    QVERIFY2(!app.prompter.messageTexts().isEmpty() &&
                 app.prompter.messageTexts().last().startsWith("The open topic could not be saved"),
             qPrintable(app.prompter.messageTexts().join('|')));
}

QTEST_MAIN(SearchAllNotebooksTest)
#include "search_all_notebooks_test.moc"
