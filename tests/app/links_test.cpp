// Links in the editor, through the prompter and launcher seams: inserting,
// activating, the questions asked before a program runs, and text from a
// notebook never reaching a shell.

#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/dialogs/web_link_dialog.h"
#include "app/editor/editor_host.h"
#include "app/editor/link_commands.h"
#include "app/editor/link_view.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/index_keeper.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/shell/qt_prompter.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

struct App : RunningApp {
    // A topic open in the editor holding `text`, the index rebuilt.
    ItemHandle openWith(const QString& text) {
        const ItemHandle item = topic(0, "Page.txt", text.toUtf8());
        controller->searchIndex().index().rebuildNow(tree());
        controller->openTopic(item);
        return item;
    }
    QString editorText() { return editor().editor()->toPlainText(); }
    // Where the middle of the first occurrence of `text` is drawn.
    QPoint pointAt(const QString& text) {
        QTextCursor cursor(editor().editor()->document());
        cursor.setPosition(int(editorText().indexOf(text) + text.size() / 2));
        return editor().editor()->cursorRect(cursor).center();
    }
};

} // namespace

class LinksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void insertedLinksAreEscapedText();
    void topicLinksOpenTheirTopicOrSayItIsGone();
    void webLinksGoToTheBrowserUnchanged();
    void programsAreOpenedOnlyAfterAQuestion();
    void ctrlClickActivatesAndAPlainClickEdits();
    void fileNamesWithQuotesLinkAndOpen();
    void theFileQuestionTakesNamesWithQuotes();
    void linksWithATextOfTheirOwnAreKeptAsFields();
    void aFootnoteMarkShowsItsTextWherePointedAt();
    void theLinkDialogsOfferATextAndReadAddresses();
};

void LinksTest::insertedLinksAreEscapedText() {
    App app;
    app.openWith("");
    app.prompter.openNames.enqueue({"/tmp/My Docs/a b.txt"});
    QCOMPARE(app.window->dispatch(cmd::LinkToFile), CommandRoute::Menu);
    QCOMPARE(app.editorText(), QStringLiteral("file:///tmp/My%20Docs/a%20b.txt"));

    app.folder(0, QString::fromUtf8("Pläne"));
    app.prompter.topicPaths.enqueue(QString::fromUtf8("Pläne\\Garten.txt"));
    app.window->dispatch(cmd::LinkToTopic);
    QVERIFY(app.editorText().endsWith("file://$CurrentBook$\\Pl%c3%a4ne\\Garten.txt"));
    // The dialog reads the tree file, written just before it opened.
    const auto asked = app.prompter.asked.last();
    QCOMPARE(asked.kind, QStringLiteral("topicLink"));
    QFile treeFile(asked.text);
    QVERIFY(treeFile.open(QIODevice::ReadOnly));
    QVERIFY(treeFile.readAll().contains("Pl\xC3\xA4ne=0"));

    // Cancelled dialogs insert nothing.
    const QString before = app.editorText();
    app.window->dispatch(cmd::LinkToFile);
    app.window->dispatch(cmd::LinkToTopic);
    QCOMPARE(app.editorText(), before);
}

void LinksTest::topicLinksOpenTheirTopicOrSayItIsGone() {
    App app;
    const ItemHandle folder = app.folder(0, QString::fromUtf8("Pläne"));
    const ItemHandle garden = app.topic(folder, "Garten.txt", "beds");
    app.openWith("");
    LinkCommands& links = app.controller->links();
    QVERIFY(links.activate("FILE://$currentbook$\\Pl%C3%A4ne\\Garten.txt"));
    QCOMPARE(app.editor().currentTopic(), garden);

    QVERIFY(links.activate("file://$CurrentBook$\\Gone\\Away.txt"));
    QCOMPARE(app.editor().currentTopic(), garden);
    QVERIFY(app.window->statusBar()->currentMessage().contains("no longer"));
}

void LinksTest::webLinksGoToTheBrowserUnchanged() {
    App app;
    app.openWith("");
    const QString hostile = "http://x.org/\"; touch /tmp/oxlin-link-test;\"";
    QFile::remove("/tmp/oxlin-link-test");
    QVERIFY(app.controller->links().activate(hostile));
    QCOMPARE(app.launcher.started.size(), 1);
    QCOMPARE(app.launcher.started[0].kind, QStringLiteral("browser"));
    QCOMPARE(app.launcher.started[0].arguments, QStringList{hostile});
    QVERIFY(!QFile::exists("/tmp/oxlin-link-test"));
}

void LinksTest::programsAreOpenedOnlyAfterAQuestion() {
    App app;
    app.openWith("");
    LinkCommands& links = app.controller->links();
    app.prompter.answers.enqueue(PromptAnswer::No);
    QVERIFY(links.activate("file://C:\\Downloads\\setup.exe"));
    QVERIFY(app.launcher.started.isEmpty());
    QCOMPARE(app.prompter.messageTexts().last(),
             QStringLiteral("Open \"C:\\Downloads\\setup.exe\"? It is a program."));
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    links.activate("file:///tmp/run%20me.sh");
    QCOMPARE(app.launcher.started.size(), 1);
    QCOMPARE(app.launcher.started[0].arguments, QStringList{"/tmp/run me.sh"});

    // A document opens without a word.
    const int asked = int(app.prompter.asked.size());
    links.activate("file:///tmp/report.pdf");
    QCOMPARE(int(app.prompter.asked.size()), asked);
    QCOMPARE(app.launcher.started.size(), 2);
}

void LinksTest::ctrlClickActivatesAndAPlainClickEdits() {
    App app;
    app.openWith("see www.example.org today");
    QTextEdit* edit = app.editor().editor();
    QVERIFY(QTest::qWaitForWindowExposed(app.window));
    const QPoint link = app.pointAt("example");

    QTest::mouseMove(edit->viewport(), link);
    QTRY_COMPARE(edit->viewport()->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, link);
    QVERIFY(app.launcher.started.isEmpty());
    QVERIFY(edit->textCursor().position() > 4); // the caret went into the link text

    QTest::mouseClick(edit->viewport(), Qt::LeftButton, Qt::ControlModifier, link);
    QCOMPARE(app.launcher.started.size(), 1);
    QCOMPARE(app.launcher.started[0].arguments, QStringList{"www.example.org"});
}

void LinksTest::fileNamesWithQuotesLinkAndOpen() {
    // A quote anywhere in the name, also last, where it could end a sentence.
    for (const QString& path :
         {QStringLiteral("/tmp/say \"hi\" now.txt"), QStringLiteral("/tmp/q\"uote.txt"),
          QStringLiteral("/tmp/Report \"2024\"")}) {
        App app;
        app.openWith("");
        QVERIFY(QTest::qWaitForWindowExposed(app.window));
        app.prompter.openNames.enqueue({path});
        app.window->dispatch(cmd::LinkToFile);
        QTextEdit* edit = app.editor().editor();
        const QString text = app.editorText();
        QVERIFY2(text.startsWith("file://"), qPrintable(text));
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          app.pointAt(text.right(3)));
        QCOMPARE(app.launcher.started.size(), 1);
        QCOMPARE(app.launcher.started[0].arguments, QStringList{path});
    }
}

void LinksTest::theFileQuestionTakesNamesWithQuotes() {
    QTemporaryDir dir;
    const QString name = QStringLiteral("say \"hi\".txt");
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // Typed (or put there by a click in the list), as a name in the folder
    // shown and as a whole path.
    for (const QString& typed : {name, dir.filePath(name)}) {
        FileQuestion question(nullptr, QStringLiteral("Please Select a File"), dir.path(), {});
        question.open();
        question.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
        // Closes a "not found" warning at once instead of leaving the test
        // waiting on it.
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->reject();
        });
        QPushButton* open = question.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
        QVERIFY2(open->isEnabled(), qPrintable(typed));
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(question.result(), int(QDialog::Accepted));
        QCOMPARE(question.chosenFile(), dir.filePath(name));
    }
}

// The links of a document, as (shown text, target) pairs.
static QList<QPair<QString, QString>> anchorsOf(const QTextDocument& document) {
    QList<QPair<QString, QString>> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                anchors.append({it.fragment().text(), it.fragment().charFormat().anchorHref()});
    return anchors;
}

void LinksTest::linksWithATextOfTheirOwnAreKeptAsFields() {
    App app;
    app.openWith("Plan for spring");
    QVERIFY(QTest::qWaitForWindowExposed(app.window));
    TopicTextEdit* edit = app.editor().editor();
    // Selected words are offered as the text of a web link.
    QTextCursor words(edit->document());
    words.setPosition(4, QTextCursor::KeepAnchor);
    edit->setTextCursor(words);
    app.prompter.webAddresses.enqueue("https://example.org/plan");
    app.window->dispatch(cmd::LinkToWeb);
    QCOMPARE(app.prompter.linkTextsOffered.last(), QStringLiteral("Plan"));
    QTest::keyClicks(edit, "!"); // what is typed next is no part of the link
    QCOMPARE(app.editorText(), QStringLiteral("Plan! for spring"));

    QTest::mouseClick(edit->viewport(), Qt::LeftButton, Qt::ControlModifier, app.pointAt("Pla"));
    QCOMPARE(app.launcher.started.size(), 1);
    QCOMPARE(app.launcher.started[0].arguments, QStringList{"https://example.org/plan"});

    QTextCursor end(edit->document());
    end.movePosition(QTextCursor::End);
    edit->setTextCursor(end);
    app.prompter.topicPaths.enqueue(QString::fromUtf8("Pläne\\Garten.txt"));
    app.prompter.linkTexts.enqueue(QStringLiteral("the garden"));
    app.window->dispatch(cmd::LinkToTopic);
    const QList<QPair<QString, QString>> expected{
        {"Plan", "https://example.org/plan"},
        {"the garden", "file://$CurrentBook$\\Pl%c3%a4ne\\Garten.txt"}};
    QCOMPARE(anchorsOf(*edit->document()), expected);

    // Stored as HYPERLINK fields in rich text, and read back as the same links.
    QCOMPARE(app.editor().saveTopic(), EditorResult::Ok);
    QFile stored(app.editor().workingCopyPath());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray rtf = stored.readAll();
    QVERIFY2(rtf.startsWith("{\\rtf1") && rtf.contains("HYPERLINK \"https://example.org/plan\""),
             rtf.constData());
    app.restart();
    app.controller->openTopic(app.tree().findByPath("Page.rtf"));
    QCOMPARE(anchorsOf(*app.editor().editor()->document()), expected);

    // Typed at the end of a link read back, text is no part of the link.
    edit = app.editor().editor();
    QTextCursor after(edit->document());
    after.movePosition(QTextCursor::End);
    edit->setTextCursor(after);
    QTest::keyClicks(edit, " grows");
    QVERIFY(app.editorText().endsWith(QStringLiteral("the garden grows")));
    QCOMPARE(anchorsOf(*edit->document()), expected);
}

void LinksTest::aFootnoteMarkShowsItsTextWherePointedAt() {
    App app;
    app.openWith("{\\rtf1 Body{\\footnote\\pard Note text here.} more\\par}");
    TopicTextEdit* edit = app.editor().editor();
    const int mark = int(app.editorText().indexOf(QChar::ObjectReplacementCharacter));
    QVERIFY(mark > 0);
    QTextCursor before(edit->document());
    before.setPosition(mark);
    QTextCursor after(edit->document());
    after.setPosition(mark + 1);
    const int left = edit->cursorRect(before).left();
    const int right = edit->cursorRect(after).left();
    QVERIFY(right > left + 2);
    // Either half of the mark.
    for (const int x : {left + 1, right - 1}) {
        QToolTip::hideText();
        const QPoint at(x, edit->cursorRect(before).center().y());
        QHelpEvent help(QEvent::ToolTip, at, edit->viewport()->mapToGlobal(at));
        QApplication::sendEvent(edit->viewport(), &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("Note text here."));
    }
}

void LinksTest::theLinkDialogsOfferATextAndReadAddresses() {
    // An address without a scheme gets the one a link needs.
    for (const auto& [typed, address] :
         {std::pair{"example.org/a", "https://example.org/a"}, {"www.example.org", "www.example.org"},
          {" ann@example.org ", "mailto:ann@example.org"}, {"ftp://x.org", "ftp://x.org"}}) {
        WebLinkDialog dialog(QString::fromUtf8(typed), QString());
        QCOMPARE(dialog.address(), QString::fromUtf8(address));
    }
    FileQuestion question(nullptr, QStringLiteral("Please Select a File"), QDir::tempPath(), {});
    question.offerLinkText(QStringLiteral("Plan"));
    auto* field = question.findChild<QLineEdit*>(QStringLiteral("linkTextEdit"));
    QVERIFY(field);
    QCOMPARE(question.linkText(), QStringLiteral("Plan"));

    // No selection, or one over several paragraphs: nothing is offered, and
    // an empty text makes the plain link of old.
    App app;
    app.openWith("one\ntwo");
    QTextCursor both(app.editor().editor()->document());
    both.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    app.editor().editor()->setTextCursor(both);
    app.prompter.webAddresses.enqueue("https://example.org");
    app.window->dispatch(cmd::LinkToWeb);
    QCOMPARE(app.prompter.linkTextsOffered.last(), QString());
    QCOMPARE(app.editorText(), QStringLiteral("https://example.org"));
    QVERIFY(anchorsOf(*app.editor().editor()->document()).isEmpty());
}

QTEST_MAIN(LinksTest)
#include "links_test.moc"
