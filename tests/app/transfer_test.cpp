// Import and export from the window, through the command ids, the prompter
// and the clipboard.

#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/tree/transfer_commands.h"
#include "app/tree/tree_controller.h"
#include "core/tree/tree_file.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList labelsUnder(RunningApp& app, ItemHandle parent) {
    QStringList labels;
    for (ItemHandle child : app.tree().children(parent))
        labels << app.tree().find(child)->label;
    return labels;
}

// Imports run in slices from the event loop: waits for the one under way.
void finishImport(RunningApp& app) {
    TransferCommands& transfer = app.controller->transfer();
    if (!transfer.importing())
        return;
    QSignalSpy finished(&transfer, &TransferCommands::importFinished);
    QVERIFY(finished.wait(30000));
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filesAndFoldersComeInWhereTheSelectionIs();
    void aFolderGoesOutWithAFileForEveryTopic();
    void anExistingFileIsReplacedOnlyWhenTheUserSaysYes();
    void pasteImportsTheClipboardFiles();
    void filesDroppedOnTheWindowAreImported();
    void aCancelledImportKeepsWhatCameIn();
    void anImportRunsBetweenEventsAndACloseWaitsForIt();
};

void TransferTest::filesAndFoldersComeInWhereTheSelectionIs() {
    RunningApp app;
    QTemporaryDir source;
    writeFile(source.filePath("plan.txt"), "plan");
    writeFile(source.filePath("Trip/day1.txt"), "day one");
    writeFile(source.filePath("Trip/Photos/p.jpg"), "jpeg");
    const ItemHandle box = app.folder(0, "Box");
    const ItemHandle inBox = app.topic(box, "first.txt", "x");
    app.controller->treeController().select(inBox); // a topic: its folder takes the import

    app.prompter.openNames.enqueue({source.filePath("plan.txt")});
    app.window->dispatch(cmd::ImportFile);
    finishImport(app);
    QCOMPARE(labelsUnder(app, box), QStringList({"first.txt", "plan.txt"}));

    app.prompter.folders.enqueue(source.filePath("Trip"));
    app.window->dispatch(cmd::ImportFolder);
    finishImport(app);
    QCOMPARE(labelsUnder(app, box), QStringList({"Trip", "first.txt", "plan.txt"}));
    const ItemHandle trip = app.tree().children(box).front();
    QCOMPARE(labelsUnder(app, trip), QStringList({"Photos", "day1.txt"}));
    QVERIFY(app.prompter.messageTexts().isEmpty());
    // The tree file names them already: an end of the program now loses none.
    tree::TopicTree written;
    QVERIFY(tree::loadTree(written, app.session().paths().treeFile, nullptr));
    QStringList labels;
    written.walk([&](const tree::TreeItem& item, int) { labels << item.label; });
    QVERIFY2(labels.contains("plan.txt") && labels.contains("p.jpg"), qPrintable(labels.join(',')));
}

void TransferTest::aFolderGoesOutWithAFileForEveryTopic() {
    RunningApp app;
    const ItemHandle notes = app.folder(0, "Notes");
    app.topic(notes, "Notes.txt", "first");
    app.topic(notes, "notes.TXT", "second");
    app.topic(notes, "scan.bin", "third");
    app.controller->treeController().select(notes);
    QTemporaryDir target;
    const QString out = target.filePath("exported");
    app.prompter.fileNames.enqueue(out);
    app.window->dispatch(cmd::ExportFolder);
    QCOMPARE(QDir(out).entryList(QDir::Files, QDir::Name),
             QStringList({"Notes.txt", "notes (2).TXT", "scan.bin"}));
    QCOMPARE(app.prompter.messageTexts().size(), 1);

    // A folder already there is refused.
    app.prompter.fileNames.enqueue(out);
    app.window->dispatch(cmd::Export);
    QCOMPARE(app.prompter.messageTexts().last(), QStringLiteral("Folder already exist!"));
}

void TransferTest::anExistingFileIsReplacedOnlyWhenTheUserSaysYes() {
    RunningApp app;
    const ItemHandle scan = app.topic(0, "scan.bin", "new bytes");
    const ItemHandle note = app.topic(0, "note.txt", "new text");
    QTemporaryDir target;
    const QString mine = target.filePath("mine.bin");
    writeFile(mine, "the user's own");

    app.controller->treeController().select(scan);
    app.prompter.fileNames.enqueue(mine); // the question is not scripted: No
    app.window->dispatch(cmd::Export);
    QCOMPARE(app.prompter.asked.last().buttons, PromptButtons::YesNoDefaultNo);
    QVERIFY(app.prompter.asked.last().text.contains(QStringLiteral("already exists")));
    QCOMPARE(app.prompter.messageTexts().size(), 1); // no "export file OK!"
    QFile kept(mine);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the user's own"));
    kept.close();

    app.prompter.fileNames.enqueue(mine);
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.window->dispatch(cmd::Export);
    QCOMPARE(app.prompter.messageTexts().last(), QStringLiteral("export file OK!"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("new bytes"));
    kept.close();

    // A text topic goes out through the editor, asked about the same way.
    const QString text = target.filePath("mine.txt");
    writeFile(text, "kept text");
    app.controller->treeController().select(note);
    const qsizetype before = app.prompter.asked.size();
    app.prompter.fileNames.enqueue(text);
    app.window->dispatch(cmd::Export);
    QCOMPARE(app.prompter.asked.size(), before + 2);
    QCOMPARE(app.prompter.asked.last().buttons, PromptButtons::YesNoDefaultNo);
    QFile textFile(text);
    QVERIFY(textFile.open(QIODevice::ReadOnly));
    QCOMPARE(textFile.readAll(), QByteArray("kept text"));
}

void TransferTest::pasteImportsTheClipboardFiles() {
    RunningApp app;
    QTemporaryDir source;
    writeFile(source.filePath("a.txt"), "a");
    writeFile(source.filePath("Dir/b.txt"), "b");
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(source.filePath("a.txt")),
                   QUrl::fromLocalFile(source.filePath("Dir"))});
    QGuiApplication::clipboard()->setMimeData(data);
    app.window->dispatch(cmd::PasteFiles);
    finishImport(app);
    QCOMPARE(labelsUnder(app, tree::kTopLevel), QStringList({"Dir", "a.txt"}));
}

void TransferTest::filesDroppedOnTheWindowAreImported() {
    RunningApp app;
    app.topic(tree::kTopLevel, "old.txt", "old");
    QTemporaryDir source;
    for (const char* name : {"one.txt", "two.rtf", "three.bin", "Box/in.txt"})
        writeFile(source.filePath(name), "x");
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(source.filePath("one.txt")),
                   QUrl::fromLocalFile(source.filePath("two.rtf")),
                   QUrl::fromLocalFile(source.filePath("Box")),
                   QUrl::fromLocalFile(source.filePath("three.bin")),
                   QUrl("https://example.org/page")});
    const std::unique_ptr<QMimeData> owned(data);

    // From a file manager onto the editor: it is not text for the topic, it
    // goes on to the window.
    QWidget* target = app.editor().editor()->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(labelsUnder(app, tree::kTopLevel),
                 QStringList({"Box", "old.txt", "one.txt", "two.rtf", "three.bin"}));
    QCOMPARE(app.editor().editor()->toPlainText(), QString());

    // A drag of text is the editor's, not an import.
    QMimeData text;
    text.setText("just words");
    QDragEnterEvent words(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app.window, &words);
    QVERIFY(!words.isAccepted());
}

void TransferTest::aCancelledImportKeepsWhatCameIn() {
    RunningApp app;
    QTemporaryDir source;
    for (int i = 0; i < 20; ++i)
        writeFile(source.filePath(QStringLiteral("Many/%1.txt").arg(i, 2, 10, QLatin1Char('0'))),
                  "text");
    app.prompter.cancelAfterSteps = 6;
    app.prompter.folders.enqueue(source.filePath("Many"));
    app.window->dispatch(cmd::ImportFolder);
    finishImport(app);

    QVERIFY(!app.prompter.progressSteps.isEmpty());
    const int imported = int(app.tree().children(tree::kTopLevel).size());
    QVERIFY2(imported > 0 && imported < 20, qPrintable(QString::number(imported)));
    // Every topic that came in has its file; nothing is said of a cancel.
    for (ItemHandle topic : app.tree().children(tree::kTopLevel)) {
        const auto path = app.controller->topics().topicFilePath(topic);
        QVERIFY(path && QFileInfo::exists(*path));
    }
    QVERIFY(app.prompter.messageTexts().isEmpty());
}

void TransferTest::anImportRunsBetweenEventsAndACloseWaitsForIt() {
    RunningApp app;
    QTemporaryDir source;
    for (int i = 0; i < 30; ++i)
        writeFile(source.filePath(QStringLiteral("Many/%1.txt").arg(i)), "text");
    app.prompter.folders.enqueue(source.filePath("Many"));
    app.window->dispatch(cmd::ImportFolder);
    // The command returns at once; the work comes in from the event loop.
    TransferCommands& transfer = app.controller->transfer();
    QVERIFY(transfer.importing());
    QVERIFY(app.tree().children(tree::kTopLevel).empty());
    // A second import asked for meanwhile joins the first: one report.
    writeFile(source.filePath("late.txt"), "late");
    transfer.importPaths({source.filePath("late.txt")});
    finishImport(app);
    QCOMPARE(app.tree().children(tree::kTopLevel).size(), 31u);
    QVERIFY(!transfer.importing());

    // A notebook closed while an import runs gets all of it first.
    app.prompter.folders.enqueue(source.filePath("Many"));
    app.window->dispatch(cmd::ImportFolder);
    QVERIFY(transfer.importing());
    transfer.finishImport();
    QVERIFY(!transfer.importing());
    int topics = 0;
    app.tree().walk([&](const tree::TreeItem& item, int) { topics += item.isTopic() ? 1 : 0; });
    QCOMPARE(topics, 61);
}

QTEST_MAIN(TransferTest)
#include "transfer_test.moc"
