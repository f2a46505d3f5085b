// The application's side of never losing what the user wrote: what reaches
// the working folder between saves, what the user is told when it cannot,
// and what a start after a crash shows.

#include "app/base/launcher.h"
#include "app/base/safety_saver.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/tree/tree_controller.h"
#include "app/tree/tree_item_model.h"
#include "core/store/compressed_file.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTreeView>
#include <QtTest>

#include "manual_clock.h"
#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

QByteArray fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Ends a run the way a crash does: no exit sequence, nothing packed.
void crash(RunningApp& app) {
    app.window = nullptr;
    app.controller.reset();
}

} // namespace

class UnsavedWorkTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void treeChangesAreWrittenLikeTyping();
    void typingThatNeverPausesIsWrittenWithinTheBound();
    void aSlowWriteIsNotRepeatedEveryFewSeconds();
    void aNamedNewTopicOpensAndTheTitleFollowsItsLabel();
    void aStartAfterACrashResumesAndSaysSo();
    void aSaveThatCannotWriteSaysSoAndExitKeepsTheFolder();
    void anExitAskedForInsideADialogWaitsForIt();
    void aFileTopicWithoutApplicationSaysSo();
    void aFileTopicThatCannotBeTakenOutIsNotLaunched();
    void aFolderThatTakesNoFileIsSaidAtStart();
    void nothingEditedLeavesThePackageAsItWas();
};

void UnsavedWorkTest::treeChangesAreWrittenLikeTyping() {
    ManualClock clock;
    RunningApp app({800, 500}, &clock);
    const int quiet = RunningApp::kQuickSafety.quietMs;
    const QString treeFile = app.session().paths().treeFile;
    const ItemHandle topic = app.topic(0, "first.txt", "text");
    clock.advance(quiet);
    QVERIFY(fileText(treeFile).contains("first.txt="));

    tree::TreeOperations& ops = app.controller->treeController().operations();
    QVERIFY(ops.rename(topic, "renamed.txt") == tree::TreeOperations::RenameResult::Renamed);
    clock.advance(quiet - 1);
    QVERIFY(!fileText(treeFile).contains("renamed.txt="));
    clock.advance(1);
    QVERIFY(fileText(treeFile).contains("renamed.txt="));

    const ItemHandle folder = app.folder(0, "Box");
    clock.advance(quiet);
    QVERIFY(fileText(treeFile).contains("Box=0"));
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    QVERIFY(ops.deleteItem(folder).deleted);
    clock.advance(quiet);
    QVERIFY(!fileText(treeFile).contains("Box="));
}

void UnsavedWorkTest::typingThatNeverPausesIsWrittenWithinTheBound() {
    ManualClock clock;
    RunningApp app({800, 500}, &clock);
    const ItemHandle topic = app.topic(0, "Draft.txt", "");
    app.controller->openTopic(topic);
    const QString file = *app.controller->topics().topicFilePath(topic);
    // A key every 40 ms never leaves the quiet pause of 100 ms; the bound of
    // 300 ms after the first key writes all the same.
    QByteArray stored;
    for (int at = 0; at < RunningApp::kQuickSafety.latestMs; at += 40) {
        QTest::keyClicks(app.editor().editor(), "x");
        (void)store::decompressFileToBuffer(file, stored);
        QVERIFY2(stored.isEmpty(), qPrintable(QString("written %1 ms in").arg(at)));
        clock.advance(40);
    }
    (void)store::decompressFileToBuffer(file, stored);
    QCOMPARE(stored, QByteArray(8, 'x'));
}

void UnsavedWorkTest::aSlowWriteIsNotRepeatedEveryFewSeconds() {
    // A write of 60 ms with a bound of 100 ms: unbroken changes are then
    // written no more than once in 20 x 60 ms, not every 100 ms.
    ManualClock clock;
    int writes = 0;
    SafetySaver saver([&] { ++writes; clock.advance(60); }, 5000, 100, &clock);
    saver.changed();
    clock.advance(100);
    QCOMPARE(writes, 1);
    const qint64 first = clock.nowMs();
    while (clock.nowMs() - first < 20 * 60 - 20) {
        saver.changed();
        clock.advance(20);
    }
    QCOMPARE(writes, 1);
    // Still written in the end, at the longer bound.
    saver.changed();
    clock.advance(20);
    QCOMPARE(writes, 2);
}

void UnsavedWorkTest::aNamedNewTopicOpensAndTheTitleFollowsItsLabel() {
    RunningApp app;
    const ItemHandle folder = app.folder(0, "Plans");
    TreeController& pane = app.controller->treeController();
    pane.select(folder);
    app.window->dispatch(1013); // New Topic
    QTreeView* view = app.window->treeView();
    const ItemHandle made = pane.selection();
    QVERIFY(made != folder);
    // What committing the label editor does.
    QVERIFY(app.controller->model().setData(view->currentIndex(), "Garden", Qt::EditRole));
    QTRY_COMPARE(app.editor().currentTopic(), made);
    QVERIFY(app.window->windowTitle().endsWith("[Garden.txt]"));

    QVERIFY(pane.operations().rename(made, "Orchard.txt") ==
            tree::TreeOperations::RenameResult::Renamed);
    QVERIFY2(app.window->windowTitle().endsWith("[Orchard.txt]"), qPrintable(app.window->windowTitle()));
    const ItemHandle moved = pane.operations().move(made, tree::Move::LevelUp);
    QVERIFY(moved != tree::kNoItem);
    QVERIFY(app.window->windowTitle().endsWith("[Orchard.txt]"));
}

void UnsavedWorkTest::aStartAfterACrashResumesAndSaysSo() {
    RunningApp app;
    const ItemHandle topic = app.topic(app.folder(0, "Plans"), "Garden.txt", "");
    app.controller->openTopic(topic);
    QTest::keyClicks(app.editor().editor(), "kiwi and fig");
    const QString file = *app.controller->topics().topicFilePath(topic);
    QTRY_VERIFY(fileText(app.session().paths().treeFile).contains("Garden.txt="));
    QByteArray stored;
    QTRY_VERIFY((void(store::decompressFileToBuffer(file, stored)), stored == "kiwi and fig"));
    QVERIFY(!app.window->statusBar()->currentMessage().contains("Recovered"));

    crash(app);
    app.start();
    QCOMPARE(app.session().lastOpenOutcome(), session::OpenOutcome::Resumed);
    QTRY_COMPARE(app.window->statusBar()->currentMessage(),
                 QStringLiteral("Recovered the notebook from an unexpected end."));
    // LastEdit reopens the topic with its text.
    QTRY_COMPARE(app.editor().editor()->toPlainText(), QStringLiteral("kiwi and fig"));
    QVERIFY(app.prompter.messageTexts().isEmpty());
}

void UnsavedWorkTest::aSaveThatCannotWriteSaysSoAndExitKeepsTheFolder() {
    RunningApp app;
    app.topic(0, "kept.txt", "kept");
    QDir().mkpath(app.session().paths().packageFile); // the package cannot be written
    QVERIFY(!app.controller->save());
    QCOMPARE(app.prompter.messageTexts().size(), 1);
    QVERIFY(app.prompter.messageTexts().at(0).startsWith("Could not save the notebook: "));

    const QString working = app.session().paths().workingFolder;
    QVERIFY(app.controller->exitSequence());
    QCOMPARE(app.prompter.messageTexts().size(), 2);
    QVERIFY(app.prompter.messageTexts().at(1).startsWith("Could not save the notebook: "));
    QVERIFY(QFileInfo::exists(QDir(working).filePath("Tree.ini")));
}

void UnsavedWorkTest::anExitAskedForInsideADialogWaitsForIt() {
    RunningApp app;
    const ItemHandle topic = app.topic(0, "Draft.txt", "");
    bool treeAliveAfterDialog = false;
    // A dialog shown while a topic opens; the signal to end arrives meanwhile.
    app.prompter.onMessage = [&] { app.window->requestExit(); };
    app.controller->openTopic(topic);
    app.prompter.message("Something to say", "Oxlin", PromptIcon::Information);
    treeAliveAfterDialog = app.session().tree().contains(topic);
    QVERIFY(treeAliveAfterDialog);
    QVERIFY(!app.window->hasExited());
    QTRY_VERIFY(app.window->hasExited());
}

void UnsavedWorkTest::aFileTopicThatCannotBeTakenOutIsNotLaunched() {
    RunningApp app;
    const ItemHandle topic = app.topic(0, "scan.xyz", "bytes");
    // Cut short: the copy would hold a part of the topic.
    const QString topicFile = *app.controller->topics().topicFilePath(topic);
    QFile file(topicFile);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(file.size() - 6));
    file.close();
    const QByteArray before = fileText(topicFile);
    app.controller->openTopic(topic);
    QTRY_COMPARE(app.prompter.messageTexts().size(), 1);
    QVERIFY(app.prompter.messageTexts().first().startsWith("scan.xyz could not be taken out"));
    QVERIFY(app.launcher.started.isEmpty());
    // Nothing of the partial copy goes back over the topic when another opens.
    const ItemHandle other = app.topic(0, "other.xyz", "other");
    app.controller->openTopic(other);
    QTRY_COMPARE(app.launcher.started.size(), 1);
    QCOMPARE(fileText(topicFile), before);
}

void UnsavedWorkTest::aFileTopicWithoutApplicationSaysSo() {
    RunningApp app;
    app.launcher.noApplication = true;
    const ItemHandle topic = app.topic(0, "scan.xyz", "bytes");
    app.controller->openTopic(topic);
    QTRY_COMPARE(app.prompter.messageTexts(),
                 QStringList{"No application is set up to open scan.xyz."});
}

void UnsavedWorkTest::aFolderThatTakesNoFileIsSaidAtStart() {
    RunningApp app;
    app.controller->exitSequence();
    // The working folder cannot be made: a file holds its name.
    QFile blocker(QDir(app.dataFolder()).filePath("OxlinHelp"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app.window = nullptr;
    app.controller.reset();
    app.prompter.asked.clear();
    app.start();
    QTRY_VERIFY(!app.prompter.messageTexts().isEmpty());
    // Nothing can be kept there, so nothing is opened or later packed.
    QVERIFY(app.prompter.messageTexts().at(0).startsWith("The notebook cannot be opened"));
    QVERIFY(app.prompter.messageTexts().at(0).contains("could not be created"));
}

void UnsavedWorkTest::nothingEditedLeavesThePackageAsItWas() {
    RunningApp app;
    // RTF as another program wrote it: our writer would write it differently.
    const QByteArray original = "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\f0\\fs30 Hello}";
    const ItemHandle topic = app.topic(0, "Odd.rtf", original);
    const qint32 id = app.session().tree().record(topic)->fileId;
    app.controller->openTopic(topic);
    QVERIFY(app.controller->exitSequence());
    const QByteArray package = fileText(app.session().paths().packageFile);
    QVERIFY(!package.isEmpty());

    app.window = nullptr;
    app.controller.reset();
    app.start(); // unpacks, reopens the last edited topic
    QTRY_COMPARE(app.editor().currentTopic() != 0, true);
    QByteArray stored;
    (void)store::decompressFileToBuffer(*app.controller->topics().topicFilePath(app.editor().currentTopic()),
                                        stored);
    QCOMPARE(stored, original);
    QVERIFY(app.controller->save());
    QVERIFY(app.controller->exitSequence());
    QCOMPARE(fileText(app.session().paths().packageFile), package);
    QCOMPARE(app.session().tree().isEmpty(), true);
    Q_UNUSED(id);
}

QTEST_MAIN(UnsavedWorkTest)
#include "unsaved_work_test.moc"
