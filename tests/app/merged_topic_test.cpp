// Another machine saved the notebook while it is open here: the merge at
// Save brings its text into the topic the editor shows, so the next save
// never writes our older text over theirs.
#include "app/base/command_ids.h"
#include "app/editor/topic_text_edit.h"
#include "app/tree/tree_controller.h"
#include "app/tree/tree_item_model.h"
#include "core/session/notebook_session.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"

#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "running_app.h"

#include <cstdio>

using namespace oxlin;
using namespace oxlin::app;

namespace {

QString labelOf(RunningApp& app, tree::ItemHandle item) {
    const tree::TreeItem* found = app.tree().find(item);
    return found ? found->label : QString();
}

QString selectedLabel(RunningApp& app) {
    const QModelIndex current = app.window->treeView()->currentIndex();
    return labelOf(app, app.controller->model().handle(current));
}

QByteArray storedInPackage(const QString& package, const QString& label) {
    QTemporaryDir unpacked;
    store::ProfileService profiles;
    session::NotebookSession reader(profiles, unpacked.path());
    reader.currentBook().notebookName = QFileInfo(package).completeBaseName();
    QFile::copy(package, QDir(unpacked.path()).filePath(QFileInfo(package).fileName()));
    reader.setUpPaths();
    (void)reader.openNotebook();
    QByteArray text;
    reader.tree().walk([&](const tree::TreeItem& item, int) {
        if (item.record && item.label == label && reader.fetchTopicFile(item.record->fileId))
            (void)store::decompressFileToBuffer(
                tree::topicFilePath(reader.paths().workingFolder, item.record->fileId), text);
    });
    return text;
}

// The other machine opens its copy of `package`, gives the topics named in
// `texts` new text (adding those it lacks) and exits; its package then
// replaces ours by a rename, as a file-sync engine does.
void editOnAnotherMachine(const QString& package, const QList<QPair<QString, QByteArray>>& texts) {
    QTemporaryDir other;
    QVERIFY(QFile::copy(package, QDir(other.path()).filePath(QFileInfo(package).fileName())));
    store::ProfileService profiles;
    session::NotebookSession machine(profiles, other.path());
    machine.currentBook().notebookName = QFileInfo(package).completeBaseName();
    machine.setUpPaths();
    QVERIFY(machine.openNotebook().ok());
    for (const auto& [label, text] : texts) {
        qint32 id = 0;
        machine.tree().walk([&](const tree::TreeItem& item, int) {
            if (item.record && item.label == label)
                id = item.record->fileId;
        });
        if (id == 0) {
            id = machine.fileIds().allocate();
            machine.tree().insertItem(tree::kTopLevel, tree::InsertPosition::last(), label,
                                      tree::kTextImage, tree::TopicRecord{id, 0});
        }
        QByteArray compressed;
        QVERIFY(store::compressBuffer(text, compressed).ok());
        QFile file(tree::topicFilePath(machine.paths().workingFolder, id));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(compressed);
    }
    QVERIFY(machine.exitNotebook().ok());
    QVERIFY(std::rename(QFile::encodeName(machine.paths().packageFile).constData(),
                        QFile::encodeName(package).constData()) == 0);
}

} // namespace

class MergedTopicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theOpenTopicShowsTheirTextAfterASaveMerged();
    void aTopicTheyDidNotChangeKeepsOurUnsavedPlace();
};

void MergedTopicTest::theOpenTopicShowsTheirTextAfterASaveMerged() {
    RunningApp app;
    const tree::ItemHandle t = app.topic(tree::kTopLevel, "T.txt", "ours");
    const tree::ItemHandle u = app.topic(tree::kTopLevel, "U.txt", "u");
    QCOMPARE(app.window->dispatch(cmd::Save), CommandRoute::Menu);
    app.controller->openTopic(u);
    app.controller->openTopic(t);
    QTextCursor caret = app.editor().editor()->textCursor();
    caret.setPosition(2);
    app.editor().editor()->setTextCursor(caret);
    app.window->treeView()->setCurrentIndex(app.controller->model().indexOf(u));

    // The other machine changes T and U and adds V: our tree is read again.
    const QString package = app.session().paths().packageFile;
    editOnAnotherMachine(package, {{"T.txt", "theirs"}, {"U.txt", "u, theirs"}, {"V.txt", "v"}});
    QCOMPARE(app.window->dispatch(cmd::Save), CommandRoute::Menu);

    QCOMPARE(app.editor().editor()->toPlainText(), QStringLiteral("theirs"));
    QCOMPARE(labelOf(app, app.editor().currentTopic()), QStringLiteral("T.txt"));
    QCOMPARE(app.editor().editor()->textCursor().position(), 2);
    QCOMPARE(selectedLabel(app), QStringLiteral("U.txt"));
    QCOMPARE(app.tree().children(tree::kTopLevel).size(), std::size_t(3));
    // Back still leads to the topic opened before, in the tree read again.
    QCOMPARE(app.window->dispatch(cmd::Backward), CommandRoute::Tree);
    QCOMPARE(labelOf(app, app.editor().currentTopic()), QStringLiteral("U.txt"));
    QCOMPARE(app.editor().editor()->toPlainText(), QStringLiteral("u, theirs"));
    QCOMPARE(app.window->dispatch(cmd::Forward), CommandRoute::Tree);

    app.editor().editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(app.editor().editor(), " and ours");
    QCOMPARE(app.window->dispatch(cmd::Save), CommandRoute::Menu);
    QCOMPARE(storedInPackage(package, "T.txt"), QByteArray("theirs and ours"));
    QCOMPARE(storedInPackage(package, "U.txt"), QByteArray("u, theirs"));
    app.restart();
    QCOMPARE(storedInPackage(package, "T.txt"), QByteArray("theirs and ours"));
}

void MergedTopicTest::aTopicTheyDidNotChangeKeepsOurUnsavedPlace() {
    RunningApp app;
    const tree::ItemHandle t = app.topic(tree::kTopLevel, "T.txt", "ours");
    app.topic(tree::kTopLevel, "U.txt", "u");
    QCOMPARE(app.window->dispatch(cmd::Save), CommandRoute::Menu);
    app.controller->openTopic(t);
    app.editor().editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(app.editor().editor(), " typed");

    // They change only U, without touching the tree: the handles stay.
    const QString package = app.session().paths().packageFile;
    editOnAnotherMachine(package, {{"U.txt", "u, theirs"}});
    QCOMPARE(app.window->dispatch(cmd::Save), CommandRoute::Menu);
    QCOMPARE(app.editor().currentTopic(), t);
    QCOMPARE(app.editor().editor()->toPlainText(), QStringLiteral("ours typed"));
    QCOMPARE(app.editor().editor()->textCursor().position(), 10);
    QCOMPARE(storedInPackage(package, "T.txt"), QByteArray("ours typed"));
    QCOMPARE(storedInPackage(package, "U.txt"), QByteArray("u, theirs"));
}

QTEST_MAIN(MergedTopicTest)
#include "merged_topic_test.moc"
