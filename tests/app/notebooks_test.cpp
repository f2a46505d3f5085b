// New Notebook and Open Notebook from the window, through the command ids
// and the prompter: what changes on disk, what the window shows, and what
// the user is told.

#include "app/base/command_ids.h"
#include "app/base/scripted_prompter.h"
#include "app/dialogs/notebook_dialogs.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "core/session/notebooks.h"
#include "core/store/compressed_file.h"
#include "messages/notebook_messages.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

QString package(RunningApp& app, const QString& name) {
    return QDir(app.dataFolder()).filePath(name + ".xzz");
}

QString workingFolder(RunningApp& app, const QString& name) {
    return QDir(app.dataFolder()).filePath(name);
}

QStringList topLabels(RunningApp& app) {
    QStringList labels;
    for (ItemHandle child : app.tree().children(tree::kTopLevel))
        labels << app.tree().find(child)->label;
    return labels;
}

using Step = ScriptedPrompter::NotebookStep;

} // namespace

class NotebooksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aNewNotebookReplacesTheCurrentOne();
    void refusedNamesKeepTheDialogOpen();
    void openSwitchesAndDeleteAsksFirst();
    void theDialogsHandOnTheUsersChoice();
    void aSwitchThatCannotSaveTheTopicStaysInTheOldNotebook();
};

void NotebooksTest::aNewNotebookReplacesTheCurrentOne() {
    RunningApp app;
    const QString first = app.session().currentBook().notebookName;
    app.topic(tree::kTopLevel, "kept.txt", "written in the first notebook");

    app.prompter.newNotebookNames.enqueue({"Ideas"});
    app.window->dispatch(cmd::NewNotebook);

    // The first is packed and its working folder gone; the new one exists at once.
    QVERIFY(QFileInfo::exists(package(app, first)));
    QVERIFY(!QFileInfo::exists(workingFolder(app, first)));
    QVERIFY(QFileInfo::exists(package(app, "Ideas")));
    QVERIFY(QFileInfo(workingFolder(app, "Ideas")).isDir());
    QCOMPARE(app.session().currentBook().notebookName, QStringLiteral("Ideas"));
    QVERIFY(app.window->windowTitle().startsWith("Ideas - "));
    QVERIFY(app.tree().children(tree::kTopLevel).empty());
    QVERIFY(app.prompter.messageTexts().isEmpty());

    // A name already taken, in any case, is refused and nothing changes.
    app.prompter.newNotebookNames.enqueue({first.toLower()});
    app.window->dispatch(cmd::NewNotebook);
    QCOMPARE(app.prompter.messageTexts().last(),
             QStringLiteral("\"%1\" is already exist, please input another name.").arg(first.toLower()));
    QCOMPARE(app.session().currentBook().notebookName, QStringLiteral("Ideas"));

    // Back in the first notebook, its topic is there with its text.
    app.prompter.openNotebookSteps.enqueue({Step{false, first}});
    app.window->dispatch(cmd::OpenNotebook);
    QCOMPARE(app.session().currentBook().notebookName, first);
    QCOMPARE(topLabels(app), QStringList({"kept.txt"}));
    QVERIFY(app.window->windowTitle().startsWith(first + " - "));
    QVERIFY(!QFileInfo::exists(workingFolder(app, "Ideas")));
}

void NotebooksTest::refusedNamesKeepTheDialogOpen() {
    RunningApp app;
    const QString first = app.session().currentBook().notebookName;
    // Each refused name is said, and the dialog waits for the next.
    app.prompter.newNotebookNames.enqueue(
        {"", "../outside", "trailing.", QString(64, 'n'), "CON", "Plans"});
    app.window->dispatch(cmd::NewNotebook);
    const QStringList said = app.prompter.messageTexts();
    QCOMPARE(said.size(), 5);
    QCOMPARE(said.first(), QStringLiteral("please input a validate name.\r\n"));
    QCOMPARE(app.session().currentBook().notebookName, QStringLiteral("Plans"));
    QVERIFY(!QFileInfo::exists(QDir(app.dir.path()).filePath("outside.xzz")));
    QCOMPARE(session::listNotebooks(app.dataFolder()), QStringList({first, "Plans"}));
}

void NotebooksTest::openSwitchesAndDeleteAsksFirst() {
    RunningApp app;
    const QString first = app.session().currentBook().notebookName;
    for (const char* name : {"zeta", "Alpha", "my.notes"}) {
        app.prompter.newNotebookNames.enqueue({name});
        app.window->dispatch(cmd::NewNotebook);
    }
    QCOMPARE(app.session().currentBook().notebookName, QStringLiteral("my.notes"));

    // The current one: "already open", and the dialog closes.
    app.prompter.openNotebookSteps.enqueue({Step{false, "MY.NOTES"}});
    app.prompter.openNotebookSteps.enqueue({Step{false, "my.notes"}});
    app.window->dispatch(cmd::OpenNotebook);
    QCOMPARE(app.prompter.asked.last().text,
             QStringList({"Alpha", "my.notes", first, "zeta"}).join('\n'));
    app.window->dispatch(cmd::OpenNotebook);
    QCOMPARE(app.prompter.messageTexts().last(), QStringLiteral("\"my.notes\" is already open."));

    // Delete: never the open one; another only after a Yes.
    app.prompter.answers.enqueue(PromptAnswer::Ok); // "can't delete"
    app.prompter.answers.enqueue(PromptAnswer::No);
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.prompter.openNotebookSteps.enqueue(
        {Step{true, "my.notes"}, Step{true, "zeta"}, Step{true, "zeta"}, Step{false, "Alpha"}});
    app.window->dispatch(cmd::OpenNotebook);
    const QStringList said = app.prompter.messageTexts();
    QVERIFY(said.contains("You can't delete the opened book."));
    QCOMPARE(said.count(messages::NotebookMessages::deleteQuestion("zeta")), 2);
    QVERIFY(!QFileInfo::exists(package(app, "zeta")));
    QVERIFY(!QFileInfo::exists(workingFolder(app, "zeta")));
    QCOMPARE(app.prompter.listsLeft.last(), QStringList({"Alpha", "my.notes", first}));
    QCOMPARE(app.session().currentBook().notebookName, QStringLiteral("Alpha"));
    QVERIFY(QFileInfo::exists(package(app, "my.notes")));

    // A new notebook of a deleted one's name starts empty.
    app.prompter.newNotebookNames.enqueue({"zeta"});
    app.window->dispatch(cmd::NewNotebook);
    QVERIFY(app.tree().children(tree::kTopLevel).empty());
}

void NotebooksTest::theDialogsHandOnTheUsersChoice() {
    // New: OK hands on the name; a refusal keeps the dialog up.
    QStringList tried;
    NewNotebookDialog created([&](const QString& name) {
        tried << name;
        return name == "Good";
    });
    created.show();
    QTest::keyClicks(created.nameField(), QString(80, 'x'));
    QCOMPARE(created.nameField()->text().size(), 80); // not cut to the field's width
    created.accept();
    QVERIFY(created.isVisible());
    created.nameField()->setText("Good");
    created.accept();
    QCOMPARE(tried.size(), 2);
    QCOMPARE(created.result(), int(QDialog::Accepted));

    // Open: Delete takes the entry away only when allowed; a double-click opens.
    QStringList opened;
    NotebookChoices choices;
    choices.open = [&](const QString& name) { return opened << name, true; };
    choices.remove = [](const QString& name) { return name != "Work"; };
    OpenNotebookDialog dialog({"Alpha", "Work"}, choices);
    dialog.show();
    QListWidget* list = dialog.list();
    list->setCurrentRow(1);
    dialog.deleteSelected();
    QCOMPARE(list->count(), 2);
    list->setCurrentRow(0);
    dialog.deleteSelected();
    QCOMPARE(list->count(), 1);
    list->setCurrentRow(0);
    Q_EMIT list->itemDoubleClicked(list->item(0));
    QCOMPARE(opened, QStringList({"Work"}));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}


void NotebooksTest::aSwitchThatCannotSaveTheTopicStaysInTheOldNotebook() {
    RunningApp app;
    const QString first = app.session().currentBook().notebookName;
    app.prompter.newNotebookNames.enqueue({"Other"});
    app.window->dispatch(cmd::NewNotebook);
    app.prompter.openNotebookSteps.enqueue({Step{false, first}});
    app.window->dispatch(cmd::OpenNotebook);
    QCOMPARE(app.session().currentBook().notebookName, first);
    const ItemHandle topic = app.topic(tree::kTopLevel, "draft.txt", "saved");
    app.controller->openTopic(topic);
    QCOMPARE(app.editor().currentTopic(), topic);
    QTest::keyClicks(app.editor().editor(), "typed since the save ");
    // The topic file cannot be replaced, as on a full disk.
    const QString topicFile = *app.controller->topics().topicFilePath(topic);
    QVERIFY(QFile::remove(topicFile));
    QVERIFY(QDir().mkpath(topicFile));

    app.prompter.openNotebookSteps.enqueue({Step{false, "Other"}});
    app.window->dispatch(cmd::OpenNotebook);
    QCOMPARE(app.session().currentBook().notebookName, first);
    QCOMPARE(app.editor().currentTopic(), topic);
    QVERIFY(app.editor().editor()->toPlainText().contains("typed since the save"));
    QVERIFY(!QFileInfo::exists(workingFolder(app, "Other")));
    QVERIFY2(!app.prompter.messageTexts().isEmpty() &&
                 app.prompter.messageTexts().last().startsWith("The open topic could not be saved"),
             qPrintable(app.prompter.messageTexts().join('|')));

    // New Notebook stops the same way.
    app.prompter.newNotebookNames.enqueue({"Fresh"});
    app.window->dispatch(cmd::NewNotebook);
    QCOMPARE(app.session().currentBook().notebookName, first);
    QVERIFY(!QFileInfo::exists(package(app, "Fresh")));
    QVERIFY(app.editor().editor()->toPlainText().contains("typed since the save"));
}

QTEST_MAIN(NotebooksTest)
#include "notebooks_test.moc"
