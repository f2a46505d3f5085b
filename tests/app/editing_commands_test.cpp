// The editing commands and the two toolbars, through command ids and the
// prompter seam: formats, lists, tables, pictures, inserted files, pastes,
// enabled states, and a formatted page surviving a restart.

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/editor/editing_commands.h"
#include "app/editor/editor_host.h"
#include "app/editor/insertions.h"
#include "app/editor/text_formatting.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_objects.h"

#include <QBuffer>
#include <QClipboard>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

struct App : RunningApp {
    ItemHandle openWith(const QByteArray& content, const QString& label = "Page.txt") {
        const ItemHandle item = topic(0, label, content);
        controller->openTopic(item);
        return item;
    }
    TopicTextEdit& edit() { return *editor().editor(); }
    QTextDocument& document() { return *edit().document(); }
    void select(int from, int to) {
        QTextCursor c(&document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        edit().setTextCursor(c);
    }
    void run(int id) { window->dispatch(quint32(id)); }
    // A key pressed in the editor, with the window active as a user's is.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QApplication::setActiveWindow(window);
        edit().setFocus(Qt::OtherFocusReason);
        QTest::keyClick(&edit(), key, modifiers);
    }
    bool boldAt(int position) {
        QTextCursor c(&document());
        c.setPosition(position + 1);
        return c.charFormat().fontWeight() > QFont::Medium;
    }
    QTextTable* firstTable() {
        for (QTextFrame* f : document().rootFrame()->childFrames())
            if (auto* t = qobject_cast<QTextTable*>(f))
                return t;
        return nullptr;
    }
    QList<int> toolbarIds(const char* name) {
        QList<int> ids;
        for (QAction* a : window->findChild<QToolBar*>(name)->actions())
            ids << (a->isSeparator() ? 0 : a->data().toInt());
        return ids;
    }
};

QByteArray imageBytes(const char* format, QSize size = {24, 16}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

int imageCount(const QTextDocument& document) {
    int count = 0;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat() ? 1 : 0;
    return count;
}

} // namespace

class EditingCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolbarsHoldTheButtonsInOrder();
    void enabledStatesFollowTheEditorAndTheTree();
    void clickingToolbarButtonsFormats();
    void boldTogglesByTheFirstCharacter();
    void alignmentAndIndentation();
    void indentationOfAListItemIsItsLevel();
    void fontAndColourComeFromThePrompter();
    void fontDialogOkWithoutAChangeChangesNothing();
    void undoAndRedoKeys();
    void tablesHaveTheirShapeAndJoin();
    void picturesAndTablesCutCopyPasteAndUndo();
    void listsToggle();
    void pictures_data();
    void pictures();
    void insertedFilesAndPastes();
    void formattedPageSurvivesARestart();
};

void EditingCommandsTest::toolbarsHoldTheButtonsInOrder() {
    App app;
    QCOMPARE(app.toolbarIds("mainToolBar"),
             (QList<int>{57600, 57601, 57603, 0, 40015, 40016, 0, 57635, 57634, 57637, 0, 40033,
                         0, 57607, 0, 57667}));
    QCOMPARE(app.toolbarIds("formatToolBar"),
             (QList<int>{1014, 1017, 1013, 1015, 0, 1023, 1024, 1025, 1026, 0, 1027, 1028, 0,
                         1229, 1230, 1231, 1232, 1233, 0, 1235, 1234, 1236, 1237, 0, 1238, 1239, 1240, 0,
                         1241, 1210, 1209}));
    ActionRegistry& actions = app.window->actions();
    QCOMPARE(actions.action(cmd::NewNotebook)->toolTip(), QString("Create a new notebook (Ctrl + N)"));
    QCOMPARE(actions.action(cmd::IndentLess)->toolTip(), QString("Decrese indentation"));
    QCOMPARE(actions.action(cmd::InsertLink)->toolTip(),
             QString("Insert a link (F5 : File-Link / F4 : Topic-Link)"));
    for (QToolBar* bar : app.window->findChildren<QToolBar*>()) {
        QCOMPARE(bar->iconSize(), QSize(16, 16));
        for (QAction* a : bar->actions())
            QVERIFY2(a->isSeparator() || !a->icon().isNull(), qPrintable(a->toolTip()));
    }
}

void EditingCommandsTest::enabledStatesFollowTheEditorAndTheTree() {
    App app;
    ActionRegistry& actions = app.window->actions();
    const ItemHandle work = app.folder(0, "Work");
    const ItemHandle page = app.topic(work, "Page.txt", "text");
    const ItemHandle other = app.topic(work, "Other.txt", "more");
    // No topic open: every editing button and Paste are off, the tree's stay.
    for (int id : {cmd::Bold, cmd::Font, cmd::InsertTable, cmd::InsertPicture, cmd::Paste})
        QVERIFY(!actions.action(id)->isEnabled());
    QVERIFY(!actions.action(cmd::Backward)->isEnabled());
    QVERIFY(!actions.action(cmd::Forward)->isEnabled());
    QVERIFY(actions.action(cmd::NewFolder)->isEnabled());

    app.controller->openTopic(page);
    for (int id : {cmd::Bold, cmd::Font, cmd::InsertTable, cmd::InsertPicture, cmd::Paste})
        QVERIFY(actions.action(id)->isEnabled());
    // A topic is selected: a new topic goes beside it, a subfolder needs a folder.
    QVERIFY(actions.action(cmd::NewTopic)->isEnabled());
    QVERIFY(!actions.action(cmd::NewSubfolder)->isEnabled());
    // History: Back once two topics were opened.
    app.controller->openTopic(other);
    QVERIFY(actions.action(cmd::Backward)->isEnabled());
    app.run(cmd::Backward);
    QCOMPARE(app.editor().currentTopic(), page);
    QVERIFY(actions.action(cmd::Forward)->isEnabled());
    // Commands sent with no topic open do nothing.
    app.editor().shutDown();
    QVERIFY(!actions.action(cmd::Bold)->isEnabled());
    app.run(cmd::Bold);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::PlainText);
}

void EditingCommandsTest::clickingToolbarButtonsFormats() {
    App app;
    app.openWith("Hello world");
    app.select(0, 5);
    auto* bar = app.window->findChild<QToolBar*>("formatToolBar");
    QWidget* bold = bar->widgetForAction(app.window->actions().action(cmd::Bold));
    QVERIFY(bold);
    QTest::mouseClick(bold, Qt::LeftButton);
    QVERIFY(app.boldAt(0) && app.boldAt(4) && !app.boldAt(6));
    QWidget* centre = bar->widgetForAction(app.window->actions().action(cmd::AlignCentre));
    QTest::mouseClick(centre, Qt::LeftButton);
    QCOMPARE(app.document().begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
}

void EditingCommandsTest::boldTogglesByTheFirstCharacter() {
    App app;
    app.openWith("abcdef");
    app.select(2, 4); // "cd"
    app.run(cmd::Bold);
    QVERIFY(app.boldAt(2) && app.boldAt(3) && !app.boldAt(1));
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);

    // Mixed, starting plain: the whole selection becomes bold.
    app.select(0, 6);
    app.run(cmd::Bold);
    for (int i = 0; i < 6; ++i)
        QVERIFY(app.boldAt(i));
    // Uniform bold: plain again.
    app.run(cmd::Bold);
    for (int i = 0; i < 6; ++i)
        QVERIFY(!app.boldAt(i));
    // Mixed, starting bold: the whole selection becomes plain.
    app.select(2, 4);
    app.run(cmd::Bold);
    app.select(2, 6);
    app.run(cmd::Bold);
    for (int i = 0; i < 6; ++i)
        QVERIFY(!app.boldAt(i));
    // One command is one undo step.
    app.edit().undo();
    QVERIFY(app.boldAt(2) && app.boldAt(3) && !app.boldAt(4));

    // The editor's keys: italic and underline on the selection, only there.
    app.select(0, 3);
    app.key(Qt::Key_I, Qt::ControlModifier);
    app.key(Qt::Key_U, Qt::ControlModifier);
    QTextCursor c(&app.document());
    c.setPosition(1);
    QVERIFY(c.charFormat().fontItalic());
    QVERIFY(c.charFormat().fontUnderline());
    c.setPosition(5);
    QVERIFY(!c.charFormat().fontItalic());
}

void EditingCommandsTest::alignmentAndIndentation() {
    App app;
    app.openWith("one\r\ntwo");
    // Already left-aligned: nothing changes, not even the format.
    app.run(cmd::AlignLeft);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::PlainText);
    QVERIFY(!app.document().isUndoAvailable());
    app.key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(app.document().begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
    app.run(cmd::AlignRight);
    QCOMPARE(app.document().begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);

    // Increase then decrease, in the control's twips.
    QTextCursor cursor = app.edit().textCursor();
    app.run(cmd::IndentMore);
    QCOMPARE(indentationOf(cursor).start, 720);
    QCOMPARE(indentationOf(cursor).offset, -720);
    app.run(cmd::IndentLess);
    QCOMPARE(indentationOf(cursor).start, 0);
    QCOMPARE(indentationOf(cursor).offset, 720);
    // Over two paragraphs, each moves from its own start.
    app.select(0, 6);
    app.run(cmd::IndentMore);
    QCOMPARE(indentationOf(QTextCursor(app.document().begin())).start, 720);
    QCOMPARE(indentationOf(QTextCursor(app.document().lastBlock())).start, 720);
    // Written and read back as the same numbers.
    const QByteArray rtf = richtext::writeRtf(app.document());
    QVERIFY(rtf.contains("\\li0\\fi720") || rtf.contains("\\fi720"));
}

void EditingCommandsTest::indentationOfAListItemIsItsLevel() {
    App app;
    app.openWith("one\r\ntwo\r\nthree");
    app.select(0, 13);
    app.run(cmd::NumberedList);
    const QTextBlock one = app.document().begin();
    const QTextBlock two = one.next();
    const QTextBlock three = two.next();
    app.select(5, 5);
    app.run(cmd::IndentMore);
    // "two" is a lettered sub-list; the outer list goes on around it.
    QVERIFY(two.textList() != one.textList());
    QCOMPARE(two.textList()->format().indent(), 2);
    QCOMPARE(two.textList()->format().style(), QTextListFormat::ListLowerAlpha);
    QCOMPARE(three.textList(), one.textList());
    QCOMPARE(one.textList()->itemText(three), QString("2."));
    QCOMPARE(two.blockFormat().leftMargin(), 0.0);
    // Out again, it rejoins the outer list; it goes no further out than the first level.
    app.run(cmd::IndentLess);
    QCOMPARE(two.textList(), one.textList());
    QCOMPARE(one.textList()->itemText(three), QString("3."));
    app.run(cmd::IndentLess);
    QCOMPARE(two.textList()->format().indent(), 1);
}

void EditingCommandsTest::fontDialogOkWithoutAChangeChangesNothing() {
    App app;
    app.openWith("{\\rtf1\\ansi plain {\\b\\i\\fs28 strong} end}", "Page.rtf");
    app.prompter.okFontAsGiven = true;
    QTextCursor c(&app.document());
    for (const auto& [from, to] : {std::pair{6, 12}, std::pair{0, 5}}) {
        app.select(from, to);
        app.run(cmd::Font);
        QVERIFY(!app.document().isModified());
        QVERIFY(!app.document().isUndoAvailable());
    }
    c.setPosition(8);
    QVERIFY(app.boldAt(7));
    QVERIFY(c.charFormat().fontItalic());
    QCOMPARE(c.charFormat().fontPointSize(), 14.0);
    c.setPosition(2);
    QVERIFY(!c.charFormat().hasProperty(QTextFormat::FontPointSize));
    QVERIFY(!c.charFormat().hasProperty(QTextFormat::FontFamilies));

    // The dialog is asked about the font the selection shows.
    app.select(6, 12);
    QFont bigger = app.edit().currentCharFormat().font();
    bigger.setPointSize(20);
    app.prompter.fonts.enqueue(bigger);
    app.run(cmd::Font);
    c.setPosition(8);
    QCOMPARE(c.charFormat().fontPointSize(), 20.0);
    QVERIFY(app.boldAt(7) && c.charFormat().fontItalic());
}

namespace {
// Takes Ctrl+Y from a text field as the text fields of X11 desktops do not
// know it: only a key of the program's own can still redo.
struct WithoutPlatformCtrlY : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    }
};
} // namespace

void EditingCommandsTest::undoAndRedoKeys() {
    App app;
    app.openWith("one");
    WithoutPlatformCtrlY platform;
    app.edit().installEventFilter(&platform);
    app.edit().moveCursor(QTextCursor::End);
    app.key(Qt::Key_X, Qt::NoModifier);
    QCOMPARE(app.edit().toPlainText(), QStringLiteral("onex"));
    // Both redo keys, Ctrl+Y as the menu shows it and Ctrl+Shift+Z.
    const std::pair<Qt::Key, Qt::KeyboardModifiers> redoKeys[] = {
        {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}};
    for (const auto& [key, modifiers] : redoKeys) {
        app.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(app.edit().toPlainText(), QStringLiteral("one"));
        app.key(key, modifiers);
        QCOMPARE(app.edit().toPlainText(), QStringLiteral("onex"));
    }
}

void EditingCommandsTest::fontAndColourComeFromThePrompter() {
    App app;
    app.openWith("title text");
    app.select(0, 5);
    // Cancelled: nothing changes.
    app.run(cmd::Font);
    app.run(cmd::TextColour);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::PlainText);

    QFont chosen(QStringLiteral("DejaVu Serif"));
    chosen.setPointSize(20);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    app.prompter.fonts.enqueue(chosen);
    app.run(cmd::Font);
    QTextCursor c(&app.document());
    c.setPosition(2);
    QCOMPARE(c.charFormat().fontPointSize(), 20.0);
    QVERIFY(c.charFormat().fontStrikeOut());
    QVERIFY(app.boldAt(1));
    QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), QString("DejaVu Serif"));

    app.prompter.colours.enqueue(QColor(0x99, 0x33, 0x00));
    app.run(cmd::TextColour);
    QCOMPARE(c.charFormat().foreground().color(), QColor(0x99, 0x33, 0x00));
    c.setPosition(7);
    QVERIFY(c.charFormat().foreground().style() == Qt::NoBrush ||
            c.charFormat().foreground().color() != QColor(0x99, 0x33, 0x00));
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
}

void EditingCommandsTest::tablesHaveTheirShapeAndJoin() {
    App app;
    app.openWith("before");
    // Cancelled picker: no table, topic still plain.
    app.run(cmd::InsertTable);
    QVERIFY(!app.firstTable());
    QCOMPARE(app.editor().streamFormat(), StreamFormat::PlainText);

    app.edit().moveCursor(QTextCursor::End);
    app.prompter.tableShapes.enqueue({2, 3});
    app.run(cmd::InsertTable);
    QTextTable* table = app.firstTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 3);
    QVERIFY(table->format().border() > 0);
    for (const QTextLength& w : table->format().columnWidthConstraints())
        QCOMPARE(qRound(w.rawValue() * richtext::kTwipsPerPixel), 2200);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
    // One undo takes the whole table away.
    app.edit().undo();
    QVERIFY(!app.firstTable());
    app.edit().redo();
    table = app.firstTable();
    QVERIFY(table);

    // A row inserted right after a table joins it.
    QTextCursor after(&app.document());
    after.setPosition(table->lastPosition() + 1);
    app.edit().setTextCursor(after);
    app.prompter.tableShapes.enqueue({1, 3});
    app.run(cmd::InsertTable);
    QCOMPARE(app.document().rootFrame()->childFrames().size(), 1);
    QCOMPARE(app.firstTable()->rows(), 3);
    // Shapes outside the picker's grid are refused.
    QTextCursor c(&app.document());
    QVERIFY(!insertTableRows(c, 5, 1));
    QVERIFY(!insertTableRows(c, 1, 6));
}

void EditingCommandsTest::picturesAndTablesCutCopyPasteAndUndo() {
    App app;
    app.openWith("start ");
    app.edit().moveCursor(QTextCursor::End);
    app.prompter.openNames.enqueue({writeFile(app.dir, "p.png", imageBytes("PNG"))});
    app.run(cmd::InsertPicture);
    QCOMPARE(imageCount(app.document()), 1);

    // Cut the picture: gone; undo brings it back; paste puts it in again.
    app.select(6, 7);
    app.edit().cut();
    QCOMPARE(imageCount(app.document()), 0);
    app.edit().undo();
    QCOMPARE(imageCount(app.document()), 1);
    app.select(6, 7);
    app.edit().copy();
    app.edit().moveCursor(QTextCursor::End);
    app.edit().paste();
    QCOMPARE(imageCount(app.document()), 2);

    // A table copied and pasted after the text makes a second table.
    app.edit().moveCursor(QTextCursor::End);
    app.edit().insertPlainText("\n");
    app.prompter.tableShapes.enqueue({2, 2});
    app.run(cmd::InsertTable);
    QTextTable* table = app.firstTable();
    QVERIFY(table);
    QTextCursor inTable = table->cellAt(0, 0).firstCursorPosition();
    inTable.insertText("cell");
    QTextCursor whole(&app.document());
    whole.setPosition(table->firstPosition() - 1);
    whole.setPosition(table->lastPosition() + 1, QTextCursor::KeepAnchor);
    app.edit().setTextCursor(whole);
    app.edit().copy();
    app.edit().moveCursor(QTextCursor::End);
    app.edit().insertPlainText("\nafter\n");
    app.edit().paste();
    int tables = 0;
    for (QTextFrame* frame : app.document().rootFrame()->childFrames())
        tables += qobject_cast<QTextTable*>(frame) ? 1 : 0;
    QCOMPARE(tables, 2);
    app.edit().undo(); // the paste, in one step
    tables = 0;
    for (QTextFrame* frame : app.document().rootFrame()->childFrames())
        tables += qobject_cast<QTextTable*>(frame) ? 1 : 0;
    QCOMPARE(tables, 1);

    // What is there now is what the topic holds after a save and a reopen.
    QVERIFY(app.controller->save());
    app.restart();
    app.controller->openTopic(app.tree().findByPath("Page.rtf"));
    QCOMPARE(imageCount(app.document()), 2);
    QVERIFY(app.firstTable());
    QCOMPARE(app.firstTable()->cellAt(0, 0).firstCursorPosition().block().text(), QString("cell"));
}

void EditingCommandsTest::listsToggle() {
    App app;
    app.openWith("one\r\ntwo\r\nthree");
    app.select(0, 7); // "one" and "two"
    app.key(Qt::Key_8, Qt::ControlModifier | Qt::ShiftModifier);
    QTextBlock first = app.document().begin();
    QVERIFY(first.textList());
    QCOMPARE(first.textList(), first.next().textList());
    QCOMPARE(first.textList()->format().style(), QTextListFormat::ListDisc);
    QVERIFY(!first.next().next().textList());
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
    // Numbered over the same paragraphs changes the list's kind.
    app.run(cmd::NumberedList);
    QCOMPARE(app.document().begin().textList()->format().style(), QTextListFormat::ListDecimal);
    QCOMPARE(app.document().begin().next().textList()->itemText(app.document().begin().next()),
             QString("2."));
    // Again: the paragraphs leave the list.
    app.run(cmd::NumberedList);
    QVERIFY(!app.document().begin().textList());
    QVERIFY(!app.document().begin().next().textList());
}

void EditingCommandsTest::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QByteArray>("storedAs");
    QTest::newRow("nominal: png") << "a.png" << imageBytes("PNG") << true << QByteArray("pngblip");
    QTest::newRow("nominal: jpeg") << "a.jpg" << imageBytes("JPEG") << true << QByteArray("jpegblip");
    QTest::newRow("nominal: bmp as png") << "a.bmp" << imageBytes("BMP") << true << QByteArray("pngblip");
    QTest::newRow("nominal: svg")
        << "a.svg"
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='30' height='20'><rect "
                      "width='30' height='20' fill='red'/></svg>")
        << true << QByteArray("pngblip");
    if (QImageReader::supportedImageFormats().contains("webp"))
        QTest::newRow("nominal: webp") << "a.webp" << imageBytes("WEBP") << true << QByteArray("pngblip");
    QTest::newRow("robustness: huge picture shown scaled")
        << "wide.png" << imageBytes("PNG", {6000, 30}) << true << QByteArray("pngblip");
    QTest::newRow("robustness: garbage") << "a.png" << QByteArray("not an image at all") << false
                                         << QByteArray();
    QTest::newRow("robustness: empty") << "a.gif" << QByteArray() << false << QByteArray();
}

void EditingCommandsTest::pictures() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loads);
    QFETCH(QByteArray, storedAs);
    App app;
    app.openWith("x");
    app.prompter.openNames.enqueue({writeFile(app.dir, name, bytes)});
    app.run(cmd::InsertPicture);
    QCOMPARE(app.prompter.asked.first().caption, QString(EditingCommands::kPictureTitle));
    if (!loads) {
        QCOMPARE(app.prompter.messageTexts(), QStringList{"Could not load image."});
        QCOMPARE(app.document().toPlainText(), QString("x"));
        QCOMPARE(app.editor().streamFormat(), StreamFormat::PlainText);
        return;
    }
    QCOMPARE(imageCount(app.document()), 1);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
    QVERIFY(richtext::writeRtf(app.document()).contains("\\" + storedAs));
    QTextCursor c(&app.document());
    c.setPosition(1);
    QVERIFY(c.charFormat().toImageFormat().width() <= kLargestShownSide);
}

void EditingCommandsTest::insertedFilesAndPastes() {
    App app;
    app.openWith("start ");
    app.edit().moveCursor(QTextCursor::End);
    // Plain text into a plain topic stays plain.
    app.prompter.openNames.enqueue({writeFile(app.dir, "a.txt", "plain words")});
    app.run(cmd::InsertTextFile);
    QCOMPARE(app.document().toPlainText(), QString("start plain words"));
    QCOMPARE(app.editor().streamFormat(), StreamFormat::PlainText);
    // RTF (known by its first five bytes, any case) makes the topic rich.
    app.prompter.openNames.enqueue({writeFile(app.dir, "b.dat", "{\\RTF1\\ansi {\\b bold}}")});
    app.run(cmd::InsertTextFile);
    QVERIFY(app.document().toPlainText().endsWith("bold"));
    QVERIFY(app.boldAt(int(app.document().toPlainText().size()) - 2));
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
    // A file that cannot be opened says so.
    app.prompter.openNames.enqueue({app.dir.filePath("missing.rtf")});
    app.run(cmd::InsertTextFile);
    QVERIFY(app.prompter.messageTexts().last().startsWith("Error insert document. ["));

    // Pastes from other programs: RTF keeps its formatting, an image is a picture.
    App other;
    other.openWith("");
    auto paste = [&other](QMimeData* data) {
        QGuiApplication::clipboard()->setMimeData(data);
        other.run(cmd::Paste);
    };
    auto* rtf = new QMimeData;
    rtf->setData("text/rtf", "{\\rtf1 {\\i slanted}}");
    rtf->setText("slanted");
    paste(rtf);
    QTextCursor c(&other.document());
    c.setPosition(2);
    QVERIFY(c.charFormat().fontItalic());
    QCOMPARE(other.editor().streamFormat(), StreamFormat::RichText);
    auto* picture = new QMimeData;
    picture->setImageData(QImage::fromData(imageBytes("PNG")));
    paste(picture);
    QCOMPARE(imageCount(other.document()), 1);
    auto* html = new QMimeData;
    html->setHtml("<b>strong</b>");
    html->setText("strong");
    paste(html);
    QVERIFY(other.document().toPlainText().endsWith("strong"));
    QVERIFY(other.boldAt(int(other.document().toPlainText().size()) - 2));
}

void EditingCommandsTest::formattedPageSurvivesARestart() {
    App app;
    const ItemHandle page = app.openWith("Heading\r\nfirst\r\nsecond\r\nred word\r\n");
    app.select(0, 7);
    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPointSize(18);
    heading.setBold(true);
    app.prompter.fonts.enqueue(heading);
    app.run(cmd::Font);
    app.select(8, 20);
    app.run(cmd::BulletList);
    app.select(21, 24);
    app.prompter.colours.enqueue(QColor(0xFF, 0x00, 0x00));
    app.run(cmd::TextColour);
    app.edit().moveCursor(QTextCursor::End);
    app.prompter.tableShapes.enqueue({2, 2});
    app.run(cmd::InsertTable);
    app.prompter.openNames.enqueue({writeFile(app.dir, "p.png", imageBytes("PNG"))});
    app.run(cmd::InsertPicture);
    QVERIFY(app.controller->save());
    QCOMPARE(app.tree().find(page)->label, QString("Page.rtf"));

    app.restart();
    const ItemHandle reopened = app.tree().findByPath("Page.rtf");
    QVERIFY(reopened != tree::kNoItem);
    app.controller->openTopic(reopened);
    QCOMPARE(app.editor().streamFormat(), StreamFormat::RichText);
    QTextCursor c(&app.document());
    c.setPosition(2);
    QCOMPARE(c.charFormat().fontPointSize(), 18.0);
    QVERIFY(app.boldAt(1));
    const QTextBlock first = app.document().begin().next();
    QVERIFY(first.textList());
    QCOMPARE(first.textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(first.next().textList(), first.textList());
    QCOMPARE(first.text(), QString("first"));
    c.setPosition(first.next().next().position() + 1);
    QCOMPARE(c.charFormat().foreground().color(), QColor(Qt::red));
    QVERIFY(app.firstTable());
    QCOMPARE(app.firstTable()->rows(), 2);
    QCOMPARE(imageCount(app.document()), 1);
    // The README's picture of such a page, made by hand:
    // OXLIN_SCREENSHOT=docs/editing.png app_editing_commands_test formattedPageSurvivesARestart
    if (const QString shot = qEnvironmentVariable("OXLIN_SCREENSHOT"); !shot.isEmpty())
        app.window->grab().save(shot);
}

QTEST_MAIN(EditingCommandsTest)
#include "editing_commands_test.moc"
