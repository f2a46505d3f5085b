#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/tree/topic_opener.h"
#include "app/tree/tree_controller.h"
#include "app/tree/tree_item_model.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/tree/topic_files.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "manual_clock.h"
#include "queued_calls.h"
#include "running_app.h"

#include <memory>

using namespace oxlin;
using namespace oxlin::app;

struct App : RunningApp {
    using RunningApp::RunningApp;
    QByteArray storedInPackage(qint32 fileId) {
        QTemporaryDir unpacked;
        (void)store::unpackPackage(unpacked.path(), session().paths().packageFile);
        QByteArray out;
        (void)store::decompressFileToBuffer(tree::topicFilePath(unpacked.path(), fileId), out);
        return out;
    }
};

class NotebookTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCreatesAndOpensTheHelpNotebook();
    void typedTextReachesThePackage();
    void formattedTopicIsSavedAsRichTextAndRelabelled();
    void switchingTopicsRestoresTheViewPosition();
    void openingRecordsTheHistory();
    void whatOpenTopicLeavesAlone();
    void fileTopicsGoToTheirApplication();
    void joiningAFileTopicWorkerOpensItOnce();
    void closeBoxKeepsRunningAndSaves();
    void exitWritesLastBookPacksAndRemovesTheFolder();
    void damagedPackageIsReportedAndKept();
    void workReachesTheWorkingFolderWithoutASave();
};

void NotebookTest::firstStartCreatesAndOpensTheHelpNotebook() {
    App app;
    QCOMPARE(app.session().currentBook().notebookName, QStringLiteral("OxlinHelp"));
    QVERIFY(QFileInfo(QDir(app.dataFolder()).filePath("OxlinHelp")).isDir());
    QVERIFY(QFile::exists(app.session().paths().treeFile));
    QCOMPARE(app.window->windowTitle(), QStringLiteral("OxlinHelp - Quarrow Notebook"));
    QCOMPARE(app.window->treeView()->model()->rowCount(), 0);
    QVERIFY(!app.editor().editor()->isEnabled());
}

void NotebookTest::typedTextReachesThePackage() {
    App app;
    const tree::ItemHandle folder =
        app.session().tree().insertFolder(0, tree::InsertPosition::last(), "Work");
    const tree::ItemHandle topic = app.topic(folder, "Plan.txt", "first");
    app.controller->openTopic(topic);
    QCOMPARE(app.editor().currentTopic(), topic);
    QCOMPARE(app.window->windowTitle(),
             QStringLiteral("OxlinHelp - Quarrow Notebook - [Plan.txt]"));

    app.editor().editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(app.editor().editor(), " and second");
    QCOMPARE(app.window->dispatch(cmd::Save), CommandRoute::Menu);

    const qint32 id = app.session().tree().record(topic)->fileId;
    QCOMPARE(app.storedInPackage(id), QByteArray("first and second"));
    QCOMPARE(app.session().readRuntimeText("RunTimeData", "LastEdit").value_or(QString()),
             QStringLiteral("Work\\Plan.txt"));
}

void NotebookTest::formattedTopicIsSavedAsRichTextAndRelabelled() {
    App app;
    const tree::ItemHandle topic = app.topic(0, "Plan.TXT", "make me bold");
    app.controller->openTopic(topic);
    QTextCursor all(app.editor().editor()->document());
    all.select(QTextCursor::Document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    all.mergeCharFormat(bold);
    app.editor().markRichText();
    QCOMPARE(app.editor().saveTopic(), EditorResult::Ok);

    QCOMPARE(app.session().tree().find(topic)->label, QStringLiteral("Plan.rtf"));
    QCOMPARE(app.window->treeView()->model()->index(0, 0).data().toString(),
             QStringLiteral("Plan.rtf"));
    QFile treeFile(app.session().paths().treeFile);
    QVERIFY(treeFile.open(QIODevice::ReadOnly));
    QVERIFY(treeFile.readAll().contains("Plan.rtf="));
    QByteArray stored;
    (void)store::decompressFileToBuffer(*app.controller->topics().topicFilePath(topic), stored);
    QVERIFY(stored.startsWith("{\\rtf"));
}

void NotebookTest::switchingTopicsRestoresTheViewPosition() {
    App app;
    QByteArray text;
    for (int i = 0; i < 300; ++i)
        text += "row " + QByteArray::number(i) + "\r\n";
    const tree::ItemHandle a = app.topic(0, "A.txt", text);
    const tree::ItemHandle b = app.topic(0, "B.txt", "b");
    QVERIFY(QTest::qWaitForWindowExposed(app.window));

    app.controller->openTopic(a);
    QTextCursor caret(app.editor().editor()->document());
    caret.setPosition(1234);
    app.editor().editor()->setTextCursor(caret);
    auto* bar = app.editor().editor()->verticalScrollBar();
    bar->setValue(bar->maximum() / 3);
    const quint32 before = app.editor().viewPosition();

    app.controller->openTopic(b);
    QCOMPARE(app.session().tree().record(a)->viewPosition, before);
    app.controller->openTopic(a);
    QCOMPARE(app.editor().viewPosition(), before);
    QCOMPARE(app.editor().editor()->textCursor().position(), 1234);
}

void NotebookTest::openingRecordsTheHistory() {
    App app;
    const tree::ItemHandle t1 = app.topic(0, "T1.txt", "1");
    const tree::ItemHandle t2 = app.topic(0, "T2.txt", "2");
    const tree::ItemHandle t3 = app.topic(0, "T3.txt", "3");
    for (auto t : {t1, t2, t3})
        app.controller->openTopic(t);
    QCOMPARE(app.window->dispatch(cmd::Backward), CommandRoute::Tree);
    QCOMPARE(app.editor().currentTopic(), t2);
    app.window->dispatch(cmd::Forward);
    QCOMPARE(app.editor().currentTopic(), t3);
    app.controller->openTopic(t1);
    const std::deque<tree::ItemHandle> expected{t2, t3, t1};
    QVERIFY(app.session().history().entries() == expected);
}

void NotebookTest::whatOpenTopicLeavesAlone() {
    App app;
    const tree::ItemHandle folder =
        app.session().tree().insertFolder(0, tree::InsertPosition::last(), "F");
    const tree::ItemHandle bare = app.topic(0, "readme", "x");
    const tree::ItemHandle notes = app.topic(0, "Notes.txt", "n");
    app.controller->openTopic(folder);
    app.controller->openTopic(bare);
    QCOMPARE(app.editor().currentTopic(), 0u);
    QVERIFY(app.session().history().isEmpty());
    app.controller->openTopic(notes);
    QTest::keyClicks(app.editor().editor(), "typed ");
    app.controller->openTopic(notes); // already shown: nothing is reloaded
    QCOMPARE(app.editor().editor()->toPlainText(), QStringLiteral("typed n"));
    QCOMPARE(app.session().history().size(), 1);
}

void NotebookTest::fileTopicsGoToTheirApplication() {
    App app;
    const tree::ItemHandle sheet = app.topic(0, "Budget.csv", "a,b\r\n1,2\r\n");
    const tree::ItemHandle notes = app.topic(0, "Notes.txt", "n");
    app.controller->openTopic(notes);
    app.controller->openTopic(sheet);
    QTRY_COMPARE(app.launcher.started.size(), 1);
    const QString copy = QDir(app.session().paths().workingFolder).filePath("Budget.csv");
    QCOMPARE(app.launcher.started[0].arguments, QStringList{copy});
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("a,b\r\n1,2\r\n"));
    QCOMPARE(app.controller->treeController().operations().lastOpened(), sheet);
    QCOMPARE(app.editor().currentTopic(), notes); // the editor keeps its topic
    QCOMPARE(app.session().history().size(), 1);

    // Edited in its application, renamed in the tree meanwhile: the edits
    // still go back into the topic when the next file topic opens.
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("a,b\r\n3,4\r\n");
    file.close();
    QCOMPARE(app.controller->treeController().operations().rename(sheet, "Costs.csv"),
             tree::TreeOperations::RenameResult::Renamed);
    const tree::ItemHandle other = app.topic(0, "Other.csv", "x");
    app.controller->openTopic(other);
    QTRY_COMPARE(app.launcher.started.size(), 2);
    QByteArray stored;
    (void)store::decompressFileToBuffer(*app.controller->topics().topicFilePath(sheet), stored);
    QCOMPARE(stored, QByteArray("a,b\r\n3,4\r\n"));
}

void NotebookTest::joiningAFileTopicWorkerOpensItOnce() {
    App app;
    QByteArray big(4 << 20, 'x');
    const tree::ItemHandle sheet = app.topic(0, "Big.csv", big);
    app.controller->openTopic(sheet);
    // Joined without running the event loop (work queued before it stays
    // queued): the copy is complete and handed over at once, and the
    // worker's posted end does not hand it over again.
    bool queuedRan = false;
    QMetaObject::invokeMethod(
        app.controller.get(), [&] { queuedRan = true; }, Qt::QueuedConnection);
    app.controller->opener().waitForWorkers();
    QVERIFY(!queuedRan);
    QCOMPARE(app.launcher.started.size(), 1);
    QCOMPARE(QFileInfo(app.launcher.started[0].arguments[0]).size(), qint64(big.size()));
    QVERIFY(runQueuedCalls()); // the worker's posted end among them
    QCOMPARE(app.launcher.started.size(), 1);
    // The exit sequence joins a worker still running in the same way.
    const tree::ItemHandle other = app.topic(0, "Other.csv", big);
    app.controller->openTopic(other);
    QVERIFY(app.controller->exitSequence());
    QCOMPARE(app.launcher.started.size(), 2);
}

void NotebookTest::closeBoxKeepsRunningAndSaves() {
    App app;
    const tree::ItemHandle topic = app.topic(0, "Keep.txt", "");
    app.controller->openTopic(topic);
    QTest::keyClicks(app.editor().editor(), "not lost");
    app.window->close();
    QVERIFY(app.window->isHidden());
    QVERIFY(!app.window->hasExited());
    QByteArray stored;
    (void)store::decompressFileToBuffer(*app.controller->topics().topicFilePath(topic), stored);
    QCOMPARE(stored, QByteArray("not lost"));
    QFile treeFile(app.session().paths().treeFile);
    QVERIFY(treeFile.open(QIODevice::ReadOnly));
    QVERIFY(treeFile.readAll().contains("Keep.txt="));
}

void NotebookTest::exitWritesLastBookPacksAndRemovesTheFolder() {
    App app;
    const tree::ItemHandle topic = app.topic(0, "Last.txt", "");
    const qint32 id = app.session().tree().record(topic)->fileId;
    app.controller->openTopic(topic);
    QTest::keyClicks(app.editor().editor(), "written at exit");
    const QString working = app.session().paths().workingFolder;

    app.window->dispatch(cmd::Exit);
    QVERIFY(app.window->hasExited());
    QVERIFY(!QFileInfo::exists(working));
    QCOMPARE(app.controller->profiles().readString(app.session().paths().settingsFile, "Notebook",
                                                   "LastBook"),
             QStringLiteral("OxlinHelp"));
    QCOMPARE(app.storedInPackage(id), QByteArray("written at exit"));

    // The next start opens it again, with the topic and LastEdit in place.
    app.window = nullptr;
    app.controller.reset();
    app.start();
    QCOMPARE(app.session().tree().itemCount(), 1);
    QCOMPARE(app.session().readRuntimeText("RunTimeData", "LastEdit").value_or(QString()),
             QStringLiteral("Last.txt"));
}

void NotebookTest::damagedPackageIsReportedAndKept() {
    App app;
    app.topic(0, "Kept.txt", "words");
    const QString package = app.session().paths().packageFile;
    app.controller->exitSequence(); // packed and removed, so the next start unpacks
    app.window = nullptr;
    app.controller.reset();
    QFile file(package);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.chop(8); // the trailer is cut off
    QVERIFY(file.resize(0) && file.write(bytes) == bytes.size());
    file.close();

    app.prompter.asked.clear();
    app.start();
    QTRY_COMPARE(app.prompter.messageTexts().size(), 1);
    QVERIFY(app.prompter.messageTexts()[0].contains(QStringLiteral("\"OxlinHelp.xzz.damaged\"")));
    QCOMPARE(app.prompter.asked[0].icon, PromptIcon::Warning);
    QFile kept(package + QStringLiteral(".damaged"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), bytes);
    QVERIFY(app.window->isVisible());
}

void NotebookTest::workReachesTheWorkingFolderWithoutASave() {
    ManualClock clock;
    App app({800, 500}, &clock);
    const tree::ItemHandle topic = app.topic(0, "Draft.txt", "");
    app.controller->openTopic(topic);
    QTest::keyClicks(app.editor().editor(), "typed, never saved");
    // A process killed now would leave this for the next start to resume.
    clock.advance(RunningApp::kQuickSafety.quietMs);
    QByteArray stored;
    (void)store::decompressFileToBuffer(*app.controller->topics().topicFilePath(topic), stored);
    QCOMPARE(stored, QByteArray("typed, never saved"));
    QFile treeFile(app.session().paths().treeFile);
    QVERIFY(treeFile.open(QIODevice::ReadOnly));
    QVERIFY(treeFile.readAll().contains("Draft.txt="));
    QCOMPARE(app.session().tree().find(topic)->label, QStringLiteral("Draft.txt"));
    QCOMPARE(app.session().readRuntimeText("RunTimeData", "LastEdit").value_or(QString()),
             QStringLiteral("Draft.txt"));

    // Once the exit sequence has run, nothing more is written.
    QTest::keyClicks(app.editor().editor(), " and more");
    const qint32 id = app.session().tree().record(topic)->fileId;
    const QString working = app.session().paths().workingFolder;
    app.controller->exitSequence();
    QTest::keyClicks(app.editor().editor(), " and after");
    clock.advance(10 * RunningApp::kQuickSafety.latestMs);
    QVERIFY(!QFileInfo::exists(working));
    QCOMPARE(app.storedInPackage(id), QByteArray("typed, never saved and more"));
}

QTEST_MAIN(NotebookTest)
#include "notebook_test.moc"
