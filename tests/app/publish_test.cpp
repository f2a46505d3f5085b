// File > Export As and Import Markdown from the window, through the command
// ids and the scripted prompter.

#include "app/base/command_ids.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/search_presenter.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/tree/publish_commands.h"
#include "app/tree/transfer_commands.h"
#include "app/tree/tree_controller.h"
#include "core/tree/links.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

// Exports and imports run in slices from the event loop: runs it until the
// one under way has ended.
void finishWork(RunningApp& app) {
    while (app.controller->publish().exporting() || app.controller->transfer().importing())
        QCoreApplication::processEvents();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PublishTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void webPagesAndMarkdownOfTheSelectedFolder();
    void aCancelledExportLeavesAnIndexOfWhatWasWritten();
    void markdownComesInAsRichTextWithTopicLinks();
};

void PublishTest::webPagesAndMarkdownOfTheSelectedFolder() {
    RunningApp app;
    QTemporaryDir out;
    const ItemHandle trip = app.folder(0, "Trip");
    const ItemHandle day = app.topic(trip, "day1.txt", "day one");
    app.topic(0, "elsewhere.txt", "not in the trip");
    app.controller->treeController().select(day); // a topic: its folder goes out
    QCOMPARE(app.controller->publish().exportRoot(), trip);

    app.prompter.fileNames.enqueue(out.filePath("site"));
    app.window->dispatch(cmd::ExportWebPages);
    finishWork(app);
    QVERIFY(
        readAll(out.filePath("site/index.html")).contains("<a href=\"day1.html\">day1.txt</a>"));
    QVERIFY(readAll(out.filePath("site/day1.html")).contains("day one"));
    QVERIFY(!QFileInfo::exists(out.filePath("site/elsewhere.html")));
    QCOMPARE(app.prompter.asked.last().text,
             QStringLiteral("Exported 1 topics to %1.").arg(out.filePath("site")));

    app.prompter.fileNames.enqueue(out.filePath("md"));
    app.window->dispatch(cmd::ExportMarkdown);
    finishWork(app);
    QCOMPARE(readAll(out.filePath("md/day1.md")), QByteArray("day one\n"));
    QVERIFY(app.prompter.asked.last().text.contains("left out"));

    app.prompter.fileNames.enqueue(out.filePath("trip.pdf"));
    app.window->dispatch(cmd::ExportNotebookPdf);
    finishWork(app);
    QVERIFY(readAll(out.filePath("trip.pdf")).startsWith("%PDF-"));
    QVERIFY(app.prompter.asked.last().text.startsWith("Exported 1 topics on 2 pages to "));

    // A folder already there is refused, with nothing written into it.
    app.prompter.fileNames.enqueue(out.filePath("md"));
    app.window->dispatch(cmd::ExportWebPages);
    QVERIFY(!app.controller->publish().exporting());
    QVERIFY(app.prompter.asked.last().text.contains("already exists"));
    QVERIFY(!QFileInfo::exists(out.filePath("md/index.html")));
}

void PublishTest::aCancelledExportLeavesAnIndexOfWhatWasWritten() {
    RunningApp app;
    QTemporaryDir out;
    for (int i = 0; i < 20; ++i)
        app.topic(0, QStringLiteral("t%1.txt").arg(i), "text");
    app.prompter.cancelAfterSteps = 3; // two items are written, then Cancel
    app.prompter.fileNames.enqueue(out.filePath("site"));
    app.window->dispatch(cmd::ExportWebPages);
    finishWork(app);
    QCOMPARE(QDir(out.filePath("site")).entryList(QDir::Files, QDir::Name),
             QStringList({"index.html", "t0.html", "t1.html"}));
    const QByteArray index = readAll(out.filePath("site/index.html"));
    QVERIFY(index.contains("<a href=\"t1.html\">t1.txt</a>"));
    QVERIFY(index.contains("<li>t2.txt</li>")); // listed, without a link
    QVERIFY(app.prompter.asked.last().text.contains("cancelled"));
}

void PublishTest::markdownComesInAsRichTextWithTopicLinks() {
    RunningApp app;
    QTemporaryDir source;
    QFile a(source.filePath("a.md"));
    QVERIFY(a.open(QIODevice::WriteOnly));
    a.write("Read [b](b.md) **now**.\n");
    a.close();
    QFile b(source.filePath("b.md"));
    QVERIFY(b.open(QIODevice::WriteOnly));
    b.write("# B\n");
    b.close();
    const ItemHandle box = app.folder(0, "Box");
    app.controller->treeController().select(box);

    app.prompter.openNames.enqueue({source.filePath("a.md"), source.filePath("b.md")});
    app.window->dispatch(cmd::ImportMarkdown);
    finishWork(app);
    QStringList labels;
    for (ItemHandle child : app.tree().children(box))
        labels << app.tree().find(child)->label;
    QCOMPARE(labels, QStringList({"a.rtf", "b.rtf"}));
    QVERIFY(app.controller->search().selectTopicByPath("Box\\a.rtf") != tree::kNoItem);
    const QString text = app.editor().editor()->toPlainText();
    QCOMPARE(text, QStringLiteral("Read b now."));
    const QTextCursor link = app.editor().editor()->document()->find(
        "b", 0, QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
    QCOMPARE(link.charFormat().anchorHref(), tree::topicLinkText("Box\\b.rtf"));

    // A folder comes in as a folder, its Markdown files as rich text.
    QVERIFY(QDir().mkpath(source.filePath("Notes/Sub")));
    QFile c(source.filePath("Notes/Sub/c.markdown"));
    QVERIFY(c.open(QIODevice::WriteOnly));
    c.write("*c*\n");
    c.close();
    app.prompter.folders.enqueue(source.filePath("Notes"));
    app.window->dispatch(cmd::ImportMarkdownFolder);
    finishWork(app);
    QVERIFY(app.tree().findByPath("Box\\Notes\\Sub\\c.rtf") != tree::kNoItem);
}

QTEST_MAIN(PublishTest)
#include "publish_test.moc"
