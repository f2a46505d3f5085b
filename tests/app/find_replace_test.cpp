// Find and replace in the open topic, through the command ids and the dialog's
// own buttons; messages through the prompter seam.

#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/find_replace.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;

namespace {

struct App : RunningApp {
    App(const QString& text) {
        controller->openTopic(topic(0, "Page.txt", text.toUtf8()));
    }
    QTextEdit& edit() { return *editor().editor(); }
    FindController& find() { return controller->find(); }
    QString selected() { return edit().textCursor().selectedText(); }
    int selectionStart() { return edit().textCursor().selectionStart(); }
    // Fills the dialog as a user would.
    void ask(const QString& what, const QString& with = {}, bool wholeWord = false,
             bool matchCase = false) {
        FindDialog* dialog = find().dialog();
        dialog->findChildren<QLineEdit*>().at(0)->setText(what);
        dialog->findChildren<QLineEdit*>().at(1)->setText(with);
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            box->setChecked(box->text().contains("whole") ? wholeWord : matchCase);
    }
    void press(const QString& button) {
        for (QPushButton* b : find().dialog()->findChildren<QPushButton*>())
            if (b->text() == button)
                b->click();
    }
};

} // namespace

class FindReplaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findNextBeforeAnyFindOpensTheDialog();
    void findMovesOnAndSaysWhenNothingIsLeft();
    void caseAndWholeWordsNarrowTheSearch();
    void replaceAllIsOneUndoStep();
    void replaceAllRunsOnceFromItsStartToTheEnd();
    void replaceAfterAFindUpwardGoesOnDownward();
    void escapeClosesTheDialogFirst();
    void searchKeysWorkInTheDialog();
};

void FindReplaceTest::findNextBeforeAnyFindOpensTheDialog() {
    App app("alpha beta");
    QVERIFY(!app.find().dialog()->isVisible());
    app.window->dispatch(cmd::FindNext);
    QVERIFY(app.find().dialog()->isVisible());
    QVERIFY(app.prompter.messageTexts().isEmpty());
}

void FindReplaceTest::findMovesOnAndSaysWhenNothingIsLeft() {
    App app("one two one two one");
    app.window->dispatch(cmd::Find);
    app.ask("one");
    app.press("&Find Next");
    QCOMPARE(app.selectionStart(), 0);
    app.window->dispatch(cmd::FindNext);
    QCOMPARE(app.selectionStart(), 8);
    app.window->dispatch(cmd::FindNext);
    QCOMPARE(app.selectionStart(), 16);
    app.window->dispatch(cmd::FindNext);
    QCOMPARE(app.prompter.messageTexts(), QStringList{"The search text is not found."});
    QCOMPARE(app.selectionStart(), 16);
    // The dialog opens again with the last search.
    app.find().dialog()->close();
    app.window->dispatch(cmd::Find);
    QCOMPARE(app.find().dialog()->findChildren<QLineEdit*>().at(0)->text(), QStringLiteral("one"));
}

void FindReplaceTest::caseAndWholeWordsNarrowTheSearch() {
    App app("Catalog cat CAT");
    app.window->dispatch(cmd::Find);
    app.ask("cat");
    app.press("&Find Next");
    QCOMPARE(app.selected(), QStringLiteral("Cat")); // inside "Catalog", any case
    app.edit().moveCursor(QTextCursor::Start);
    app.ask("cat", {}, true, false);
    app.press("&Find Next");
    QCOMPARE(app.selectionStart(), 8);
    app.edit().moveCursor(QTextCursor::Start);
    app.ask("CAT", {}, true, true);
    app.press("&Find Next");
    QCOMPARE(app.selectionStart(), 12);
}

void FindReplaceTest::replaceAllIsOneUndoStep() {
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("old words old\n");
    App app(text);
    QCOMPARE(app.window->dispatch(cmd::Replace), CommandRoute::Menu);
    QVERIFY(app.find().dialog()->isVisible());
    app.ask("old", "new");
    app.press("Replace &All");
    QCOMPARE(app.prompter.messageTexts(), QStringList{"Replaced 4000 occurances."});
    QVERIFY(!app.edit().toPlainText().contains("old"));
    app.edit().undo();
    QCOMPARE(app.edit().toPlainText().trimmed(), text.trimmed());

    // One at a time: the selected match is replaced, the next one selected.
    app.edit().moveCursor(QTextCursor::Start);
    app.press("&Find Next");
    app.press("&Replace");
    QVERIFY(app.edit().toPlainText().startsWith("new words old"));
    QCOMPARE(app.selectionStart(), 10);
}

void FindReplaceTest::replaceAllRunsOnceFromItsStartToTheEnd() {
    struct Case {
        const char* text;
        int start, end; // the selection when Replace All is pressed
        const char* what;
        const char* with;
        const char* result;
        int count;
    };
    const Case cases[] = {
        // Nothing above the cursor is touched, whatever the lengths do below it.
        {"cat one cat two cat", 4, 4, "cat", "a", "cat one a two a", 2},
        {"cat one cat two cat", 4, 4, "cat", "tiger", "cat one tiger two tiger", 2},
        // A selected match is the first one replaced.
        {"cat one cat two cat", 8, 11, "cat", "dog", "cat one dog two dog", 2},
        // A replacement holding the search text is not searched again.
        {"a b a", 0, 0, "a", "aa", "aa b aa", 2},
        {"catcat", 0, 0, "cat", "", "", 2},
    };
    for (const Case& c : cases) {
        QTextEdit edit;
        edit.setPlainText(QString::fromUtf8(c.text));
        QTextCursor selection(edit.document());
        selection.setPosition(c.start);
        selection.setPosition(c.end, QTextCursor::KeepAnchor);
        edit.setTextCursor(selection);
        FindRequest request;
        request.text = QString::fromUtf8(c.what);
        request.replacement = QString::fromUtf8(c.with);
        QCOMPARE(replaceAll(edit, request), c.count);
        QCOMPARE(edit.toPlainText(), QString::fromUtf8(c.result));
    }
}

void FindReplaceTest::replaceAfterAFindUpwardGoesOnDownward() {
    // Replacing runs from the selection to the end of the text, so the Up
    // choice of an earlier Find does not carry over into Replace.
    App app("cat A cat B cat");
    QTextCursor cursor = app.edit().textCursor();
    cursor.setPosition(9);
    app.edit().setTextCursor(cursor);
    app.window->dispatch(cmd::Find);
    app.ask("cat");
    for (QRadioButton* button : app.find().dialog()->findChildren<QRadioButton*>())
        button->setChecked(button->text() == "&Up");
    app.press("&Find Next");
    QCOMPARE(app.selectionStart(), 6);
    app.find().dialog()->close();

    app.window->dispatch(cmd::Replace);
    app.ask("cat", "dog");
    app.press("&Replace");
    QCOMPARE(app.edit().toPlainText(), QStringLiteral("cat A dog B cat"));
    QCOMPARE(app.selectionStart(), 12);
    QCOMPARE(app.selected(), QStringLiteral("cat"));
    QVERIFY(app.prompter.messageTexts().isEmpty());
}

void FindReplaceTest::escapeClosesTheDialogFirst() {
    App app("text");
    app.window->dispatch(cmd::Find);
    app.window->dispatch(cmd::HideWindow);
    QVERIFY(!app.find().dialog()->isVisible());
    QVERIFY(app.window->isVisible());
    app.window->dispatch(cmd::HideWindow);
    QVERIFY(!app.window->isVisible());
}

void FindReplaceTest::searchKeysWorkInTheDialog() {
    App app("one two one two one");
    app.window->dispatch(cmd::Find); // modeless: shown without a loop of its own
    FindDialog* dialog = app.find().dialog();
    QVERIFY(dialog->isVisible() && !dialog->isModal());
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    app.ask("two");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(app.selectionStart(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(app.selectionStart(), 12);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(app.selectionStart(), 4);
    QVERIFY(app.prompter.messageTexts().isEmpty());

    // Shift+F3 from the window searches back too; F3 goes on down.
    dialog->close();
    QApplication::setActiveWindow(app.window);
    app.edit().setFocus();
    QTest::keyClick(&app.edit(), Qt::Key_F3);
    QCOMPARE(app.selectionStart(), 12);
    QTest::keyClick(&app.edit(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(app.selectionStart(), 4);
    QVERIFY(app.prompter.messageTexts().isEmpty());
}

QTEST_MAIN(FindReplaceTest)
#include "find_replace_test.moc"
