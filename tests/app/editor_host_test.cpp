#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/link_view.h"
#include "app/editor/topic_text_edit.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_kind.h"
#include "fake_topics.h"

#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <memory>

using namespace oxlin::app;

namespace {
// Plain text of exactly `characters` editor characters in lines of 80 (a line
// break counts as one), ending in 'x'. Lines keep the layout fast.
QByteArray textOfLength(int characters) {
    QByteArray text;
    int count = 0;
    while (count < characters) {
        if (count % 80 == 79 && count + 1 < characters)
            text += "\r\n";
        else
            text += 'x';
        ++count;
    }
    return text;
}
} // namespace

Q_DECLARE_METATYPE(oxlin::app::StreamFormat)

class EditorHostTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void typedTextReachesTheTopicFile();
    void detectsTheStreamFormat_data();
    void detectsTheStreamFormat();
    void formattedTextTopicIsRelabelled();
    void topicWithoutFileOpensEmptyAndIsCreatedOnSave();
    void damagedTopicFileIsReportedAndKept();
    void closeRemovesTheWorkingCopy();
    void viewPositionSurvivesASwitch();
    void eachTopicIsShownInAFreshDocumentSetUpLikeTheEditor();
    void unformattedTextKeepsTheEditorsFontThroughTheFile();
    void propertiesText_data();
    void propertiesText();
    void pasteBeyondTheLimitIsCutWithAMessage();
    void oversizedTopicLoadsWhole();
    void topicBeyondTheMemoryLimitIsNotRead();
    void failedSaveKeepsTheText();
    void exportPath_data();
    void exportPath();
    void exportWritesTheStoredTopic();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<FakeTopics> topics_;
    std::unique_ptr<ScriptedPrompter> prompter_;
    std::unique_ptr<QWidget> parent_;
    EditorHost* host_ = nullptr;
};

void EditorHostTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    topics_ = std::make_unique<FakeTopics>(dir_->path());
    prompter_ = std::make_unique<ScriptedPrompter>();
    parent_ = std::make_unique<QWidget>();
    host_ = new EditorHost(*topics_, *prompter_, parent_.get());
    host_->editor()->setGeometry(0, 0, 400, 200);
    parent_->resize(400, 200);
    parent_->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent_.get()));
}

void EditorHostTest::cleanup() {
    parent_.reset();
    prompter_.reset();
    topics_.reset();
    dir_.reset();
}

void EditorHostTest::typedTextReachesTheTopicFile() {
    const ItemHandle topic = topics_->add("Notes.txt", "hello");
    QVERIFY(!host_->editor()->isEnabled());
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    QVERIFY(host_->editor()->isEnabled());
    QCOMPARE(host_->workingCopyPath(), QDir(dir_->path()).filePath("Notes.txt"));
    QVERIFY(QFile::exists(host_->workingCopyPath()));

    host_->editor()->moveCursor(QTextCursor::End);
    QTest::keyClicks(host_->editor(), " world");
    QTest::keyClick(host_->editor(), Qt::Key_Return);
    QTest::keyClicks(host_->editor(), "line 2");
    QCOMPARE(host_->saveTopic(), EditorResult::Ok);
    QCOMPARE(topics_->stored(topic), QByteArray("hello world\r\nline 2"));
    QCOMPARE(host_->streamFormat(), StreamFormat::PlainText);
    QVERIFY(topics_->relabelled.isEmpty());
}

void EditorHostTest::detectsTheStreamFormat_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<StreamFormat>("format");
    QTest::newRow("nominal: rtf") << QByteArray("{\\rtf1\\ansi hi}") << StreamFormat::RichText;
    QTest::newRow("nominal: upper-case signature")
        << QByteArray("{\\RTF1 hi}") << StreamFormat::RichText;
    QTest::newRow("nominal: plain") << QByteArray("just words") << StreamFormat::PlainText;
    QTest::newRow("robustness: four bytes are plain")
        << QByteArray("{\\rt") << StreamFormat::PlainText;
    QTest::newRow("robustness: empty") << QByteArray() << StreamFormat::PlainText;
}

void EditorHostTest::detectsTheStreamFormat() {
    QFETCH(QByteArray, content);
    QFETCH(StreamFormat, format);
    QCOMPARE(host_->loadTopic(topics_->add("T.txt", content)), EditorResult::Ok);
    QCOMPARE(host_->streamFormat(), format);
}

void EditorHostTest::formattedTextTopicIsRelabelled() {
    const ItemHandle topic = topics_->add("Plan.txt.bak", "plain words");
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    host_->markRichText();
    QCOMPARE(host_->saveTopic(), EditorResult::Ok);
    QCOMPARE(topics_->relabelled, QStringList{"Plan.rtf"});
    QCOMPARE(*topics_->label(topic), QStringLiteral("Plan.rtf"));
    QVERIFY(topics_->stored(topic).startsWith("{\\rtf"));
    QCOMPARE(oxlin::tree::richTextLabel("Plan.TXT"), QStringLiteral("Plan.rtf"));
    QCOMPARE(oxlin::tree::richTextLabel("notes.rtf"), QStringLiteral("notes.rtf"));
}

void EditorHostTest::topicWithoutFileOpensEmptyAndIsCreatedOnSave() {
    const ItemHandle topic = topics_->add("New.txt", {}, false);
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    QVERIFY(host_->editor()->isEnabled());
    QVERIFY(host_->editor()->document()->isEmpty());
    QTest::keyClicks(host_->editor(), "first words");
    QCOMPARE(host_->saveTopic(), EditorResult::Ok);
    QCOMPARE(topics_->stored(topic), QByteArray("first words"));
}

void EditorHostTest::damagedTopicFileIsReportedAndKept() {
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += "line " + QByteArray::number(i) + "\r\n";
    const ItemHandle topic = topics_->add("Long.txt", text);
    QFile file(*topics_->topicFilePath(topic));
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QByteArray damaged = file.readAll().left(int(file.size() / 2));
    QVERIFY(file.resize(damaged.size()));
    file.close();

    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    QCOMPARE(prompter_->messageTexts().size(), 1);
    QVERIFY(prompter_->messageTexts()[0].contains(QStringLiteral("\"Long.txt\"")));
    QVERIFY(host_->editor()->toPlainText().startsWith(QStringLiteral("line 0\nline 1\n")));
    // Kept beside the working folder, where saving the topic cannot reach it.
    const QDir working(dir_->path());
    const QString kept = QDir::cleanPath(working.filePath("../" + working.dirName() + "." +
                                                          QFileInfo(file).fileName() + ".damaged"));
    QFile copy(kept);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), damaged);
    copy.remove();

    // A topic that simply has no file yet opens empty without a word.
    prompter_->asked.clear();
    QCOMPARE(host_->loadTopic(topics_->add("New.txt", {}, false)), EditorResult::Ok);
    QVERIFY(prompter_->asked.isEmpty());
}

void EditorHostTest::closeRemovesTheWorkingCopy() {
    QCOMPARE(host_->saveTopic(), EditorResult::NotOpen);
    const ItemHandle topic = topics_->add("A.txt", "a");
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    const QString copy = host_->workingCopyPath();
    QCOMPARE(host_->closeTopic(), EditorResult::Ok);
    QVERIFY(!QFile::exists(copy));
    QVERIFY(!host_->editor()->isEnabled());
    QVERIFY(host_->workingCopyPath().isEmpty());
    QCOMPARE(host_->closeTopic(), EditorResult::NotOpen);
    QCOMPARE(host_->loadTopic(12345), EditorResult::NoTopicFile);
}

void EditorHostTest::viewPositionSurvivesASwitch() {
    QByteArray text;
    for (int i = 0; i < 400; ++i)
        text += "line number " + QByteArray::number(i) + "\r\n";
    const ItemHandle a = topics_->add("A.txt", text);
    const ItemHandle b = topics_->add("B.txt", "short");

    QCOMPARE(host_->loadTopic(a), EditorResult::Ok);
    QTextCursor caret(host_->editor()->document());
    caret.setPosition(5000);
    host_->editor()->setTextCursor(caret);
    host_->editor()->verticalScrollBar()->setValue(host_->editor()->verticalScrollBar()->maximum() /
                                                   2);
    const quint32 position = host_->viewPosition();
    QVERIFY(position >> 16 > 0);
    QCOMPARE(position & 0xFFFFu, 5000u);

    QCOMPARE(host_->saveTopic(), EditorResult::Ok);
    QCOMPARE(host_->loadTopic(b), EditorResult::Ok);
    QCOMPARE(host_->viewPosition(), 0u);
    QCOMPARE(host_->loadTopic(a), EditorResult::Ok);
    host_->restoreViewPosition(position);
    QCOMPARE(host_->viewPosition(), position);
}

void EditorHostTest::eachTopicIsShownInAFreshDocumentSetUpLikeTheEditor() {
    TopicTextEdit* edit = host_->editor();
    LinkView links(edit);
    const QByteArray rich = "{\\rtf1\\ansi see http://example.org/a now\\par\\tab tabbed}";
    const ItemHandle plain = topics_->add("A.txt", "alpha");
    const ItemHandle linked = topics_->add("B.rtf", rich);
    const qreal tabStop = edit->tabStopDistance();
    host_->toggleWordWrap(); // off

    QCOMPARE(host_->loadTopic(plain), EditorResult::Ok);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, " more");
    QVERIFY(edit->document()->isUndoAvailable());
    QSignalSpy undo(edit, &QTextEdit::undoAvailable);
    QSignalSpy changed(edit, &QTextEdit::textChanged);
    const QPointer<QTextDocument> first = edit->document();

    QCOMPARE(host_->loadTopic(linked), EditorResult::Ok);
    QVERIFY(first.isNull()); // a switch keeps no earlier topic in memory
    QCOMPARE(topics_->stored(plain), QByteArray("alpha more"));
    QCOMPARE(edit->toPlainText(), QStringLiteral("see http://example.org/a now\n\ttabbed"));
    QVERIFY(!edit->document()->isModified());
    QVERIFY(!edit->document()->isUndoAvailable());
    QVERIFY(!undo.isEmpty() && !undo.last().at(0).toBool()); // Undo goes off
    QCOMPARE(edit->textCursor().position(), 0);
    QCOMPARE(edit->tabStopDistance(), tabStop);
    QCOMPARE(edit->document()->defaultFont(), host_->defaultFont());
    QCOMPARE(edit->document()->documentMargin(), 10.0);
    QCOMPARE(edit->document()->defaultTextOption().wrapMode(), QTextOption::NoWrap);
    // The link is drawn as a link in the new document, over its text.
    QTRY_COMPARE(edit->extraSelections().size(), 1);
    QCOMPARE(edit->extraSelections()[0].cursor.document(), edit->document());
    QCOMPARE(edit->extraSelections()[0].cursor.selectedText(),
             QStringLiteral("http://example.org/a"));

    // Left unchanged, the topic is not written: its file keeps its own bytes.
    QCOMPARE(host_->loadTopic(plain), EditorResult::Ok);
    QCOMPARE(edit->toPlainText(), QStringLiteral("alpha more"));
    QCOMPARE(topics_->stored(linked), rich);

    // Typing in a later document still reaches the window's listeners and the file.
    QCOMPARE(host_->loadTopic(linked), EditorResult::Ok);
    changed.clear();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, "!");
    QVERIFY(!changed.isEmpty());
    QVERIFY(edit->document()->isUndoAvailable());
    QCOMPARE(host_->saveTopic(), EditorResult::Ok);
    QVERIFY(topics_->stored(linked).contains("tabbed!"));
}

namespace {
// The font a character is drawn in: its own format over the document's default.
QFontInfo shownFontAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return QFontInfo(cursor.charFormat().font().resolve(document.defaultFont()));
}
} // namespace

void EditorHostTest::unformattedTextKeepsTheEditorsFontThroughTheFile() {
    TopicTextEdit* edit = host_->editor();
    const QFontInfo editorFont(edit->font());
    // A document that states no size reads at the editor's own size.
    const ItemHandle topic = topics_->add("N.rtf", "{\\rtf1\\ansi plain and bold\\par}");
    const ItemHandle other = topics_->add("O.txt", "other");
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    QCOMPARE(shownFontAt(*edit->document(), 0).pixelSize(), editorFont.pixelSize());
    QCOMPARE(shownFontAt(*edit->document(), 0).family(), editorFont.family());

    // Written and read back, the unformatted text keeps the size it was shown at.
    QTextCursor bold(edit->document());
    bold.setPosition(10);
    bold.setPosition(14, QTextCursor::KeepAnchor);
    QTextCharFormat change;
    change.setFontWeight(QFont::Bold);
    bold.mergeCharFormat(change);
    QCOMPARE(host_->loadTopic(other), EditorResult::Ok);
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    QCOMPARE(edit->toPlainText(), QStringLiteral("plain and bold"));
    for (const int at : {0, 11}) {
        QCOMPARE(shownFontAt(*edit->document(), at).pixelSize(), editorFont.pixelSize());
        QCOMPARE(shownFontAt(*edit->document(), at).family(), editorFont.family());
    }
    QVERIFY(shownFontAt(*edit->document(), 11).bold());
    QVERIFY(!shownFontAt(*edit->document(), 0).bold());
}

void EditorHostTest::propertiesText_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nominal: empty topic")
        << QByteArray() << 0 << "[P.txt]\nchar   : 0\nline    : 1\ncount : 0";
    QTest::newRow("nominal: caret on the second line")
        << QByteArray("ab\r\ncdef") << 4 << "[P.txt]\nchar   : 7\nline    : 2\ncount : 4";
}

void EditorHostTest::propertiesText() {
    QFETCH(QByteArray, content);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QCOMPARE(host_->loadTopic(topics_->add("P.txt", content)), EditorResult::Ok);
    QTextCursor c(host_->editor()->document());
    c.setPosition(caret);
    host_->editor()->setTextCursor(c);
    QCOMPARE(host_->propertiesText(), expected);
    host_->showProperties();
    QCOMPARE(prompter_->asked.last().caption, QStringLiteral("Properties"));
}

void EditorHostTest::pasteBeyondTheLimitIsCutWithAMessage() {
    const QByteArray almost = textOfLength(TopicTextEdit::kTextLimit - 4);
    QCOMPARE(host_->loadTopic(topics_->add("Big.txt", almost)), EditorResult::Ok);
    host_->editor()->moveCursor(QTextCursor::End);
    auto* data = new QMimeData; // the clipboard takes it
    data->setText("0123456789");
    QApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    host_->editor()->paste();
    QCOMPARE(host_->editor()->textLength(), TopicTextEdit::kTextLimit);
    QVERIFY(host_->editor()->toPlainText().endsWith("xx0123"));
    QCOMPARE(prompter_->messageTexts().size(), 1);
    QVERIFY(prompter_->messageTexts().first().contains("409,600"));

    // At the limit, typing adds nothing.
    QTest::keyClicks(host_->editor(), "zz");
    QCOMPARE(host_->editor()->textLength(), TopicTextEdit::kTextLimit);

    // A clipboard that offers nothing at all (Wayland's, when nothing was
    // copied) pastes nothing, and quietly.
    QApplication::clipboard()->setMimeData(new QMimeData, QClipboard::Clipboard);
    host_->editor()->moveCursor(QTextCursor::Start);
    host_->editor()->textCursor().deleteChar();
    host_->editor()->paste();
    QCOMPARE(host_->editor()->textLength(), TopicTextEdit::kTextLimit - 1);
}

void EditorHostTest::oversizedTopicLoadsWhole() {
    const QByteArray big = textOfLength(TopicTextEdit::kTextLimit + 100);
    const ItemHandle topic = topics_->add("Huge.txt", big);
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    QCOMPARE(prompter_->messageTexts().size(), 1);
    QCOMPARE(host_->editor()->textLength(), TopicTextEdit::kTextLimit + 100);
    QCOMPARE(host_->saveTopic(), EditorResult::Ok);
    QCOMPARE(topics_->stored(topic), big); // nothing of the stored topic was lost
}

void EditorHostTest::topicBeyondTheMemoryLimitIsNotRead() {
    // Reported on a real 1 GiB topic: the editor took 6 GB reading it, at
    // every start. Past the limit it is not read, and so never written back.
    const ItemHandle small = topics_->add("Small.txt", "small text");
    const QByteArray big = textOfLength(5000);
    const ItemHandle huge = topics_->add("Huge.txt", big);
    host_->setMaxTopicBytes(4096);
    QCOMPARE(host_->loadTopic(small), EditorResult::Ok);
    QCOMPARE(host_->loadTopic(huge), EditorResult::TooLarge);
    QCOMPARE(prompter_->messageTexts().size(), 1);
    QVERIFY(prompter_->messageTexts().first().contains("Huge.txt"));
    QCOMPARE(host_->currentTopic(), ItemHandle(0));
    QVERIFY(host_->editor()->toPlainText().isEmpty());
    QCOMPARE(host_->saveTopic(), EditorResult::NoTopic);
    QCOMPARE(topics_->stored(huge), big);
    QCOMPARE(topics_->stored(small), QByteArray("small text"));
    QVERIFY(!QFileInfo::exists(QDir(dir_->path()).filePath("Huge.txt")));
}

void EditorHostTest::failedSaveKeepsTheText() {
    const ItemHandle a = topics_->add("A.txt", "keep me");
    const ItemHandle b = topics_->add("B.txt", "other");
    QCOMPARE(host_->loadTopic(a), EditorResult::Ok);
    QTest::keyClicks(host_->editor(), "typed ");
    // The working copy's place is taken by a folder: the copy cannot be written.
    QVERIFY(QFile::remove(host_->workingCopyPath()));
    QVERIFY(QDir().mkdir(host_->workingCopyPath()));

    QCOMPARE(host_->saveTopic(), EditorResult::NotWritten);
    QVERIFY(prompter_->messageTexts().last().startsWith("Error saving document. ["));
    QCOMPARE(prompter_->asked.last().caption, QStringLiteral("Error"));
    QCOMPARE(host_->loadTopic(b), EditorResult::NotWritten);
    QCOMPARE(host_->currentTopic(), a);
    QCOMPARE(host_->editor()->toPlainText(), QStringLiteral("typed keep me"));
}

void EditorHostTest::exportPath_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<StreamFormat>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nominal: other extension replaced")
        << "/x/notes.doc" << StreamFormat::PlainText << "/x/notes.txt";
    QTest::newRow("nominal: no extension")
        << "/x/notes" << StreamFormat::PlainText << "/x/notes.txt";
    QTest::newRow("nominal: upper case kept")
        << "/x/NOTES.TXT" << StreamFormat::PlainText << "/x/NOTES.TXT";
    QTest::newRow("nominal: rich text") << "/x/a.txt" << StreamFormat::RichText << "/x/a.rtf";
    QTest::newRow("robustness: dot in a folder name")
        << "/x.y/notes" << StreamFormat::PlainText << "/x.y/notes.txt";
}

void EditorHostTest::exportPath() {
    QFETCH(QString, chosen);
    QFETCH(StreamFormat, format);
    QFETCH(QString, expected);
    QCOMPARE(exportPathFor(chosen, format), expected);
}

void EditorHostTest::exportWritesTheStoredTopic() {
    const ItemHandle topic = topics_->add("Out.txt", "exported words");
    QCOMPARE(host_->loadTopic(topic), EditorResult::Ok);
    const QString target = QDir(dir_->path()).filePath("copy.doc");
    prompter_->fileNames.enqueue(target);
    QCOMPARE(host_->exportCurrentTopic(), EditorResult::Ok);
    QCOMPARE(prompter_->asked.last().text, QStringLiteral("Out.txt"));
    QCOMPARE(prompter_->asked.last().filters, QStringList{"Text Files (*.TXT)"});
    QFile written(QDir(dir_->path()).filePath("copy.txt"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("exported words"));

    QCOMPARE(host_->exportCurrentTopic(),
             EditorResult::NotWritten); // cancelled: nothing written, nothing asked
}

QTEST_MAIN(EditorHostTest)
#include "editor_host_test.moc"
