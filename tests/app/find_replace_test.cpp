// Find and replace in the open topic, through the command ids and the dialog's
// own buttons; messages through the prompter seam.

#include "app/editor/editor_host.h"
#include "app/editor/find_replace.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/command_ids.h"
#include "app/shell/launcher.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/shell/scripted_prompter.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
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
    void escapeClosesTheDialogFirst();
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

void FindReplaceTest::escapeClosesTheDialogFirst() {
    App app("text");
    app.window->dispatch(cmd::Find);
    app.window->dispatch(cmd::HideWindow);
    QVERIFY(!app.find().dialog()->isVisible());
    QVERIFY(app.window->isVisible());
    app.window->dispatch(cmd::HideWindow);
    QVERIFY(!app.window->isVisible());
}

QTEST_MAIN(FindReplaceTest)
#include "find_replace_test.moc"
