// Spelling in the editor, with a small dictionary of our own put into the
// data folder's Dictionaries: marks over the text, never in it; the context
// menu's suggestions, Ignore and Add to Dictionary; the switch and the
// dictionary kept across restarts.
#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/editor/spell_service.h"
#include "app/editor/spelling_marks.h"
#include "app/editor/spelling_menus.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/editor_spelling.h"

#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;

namespace {

const QString kDictionaries = QDir::cleanPath(QStringLiteral(OXLIN_TEST_DATA_DIR "/../../spelling/data"));

struct App : RunningApp {
    App() {
        // The dictionaries are found at start: they are put in place, then
        // the program starts again.
        const QString folder = QDir(dataFolder()).filePath("Dictionaries");
        QDir().mkpath(folder);
        for (const char* name : {"en_US.aff", "en_US.dic", "de_DE.aff", "de_DE.dic"})
            QFile::copy(kDictionaries + "/" + name, folder + "/" + name);
        QFile incomplete(folder + "/xx_XX.aff"); // no .dic beside it
        incomplete.open(QIODevice::WriteOnly);
        restart();
    }
    SpellService& spelling() { return controller->spelling().service(); }
    TopicTextEdit& edit() { return *editor().editor(); }
    // The topic open with `text`, its marks drawn once the dictionary is in.
    void openWith(const QString& text) {
        controller->openTopic(topic(0, "Page.txt", text.toUtf8()));
        QTRY_VERIFY(spelling().isActive());
        controller->spelling().marks().markVisible();
    }
    QStringList markedWords() {
        QStringList words;
        for (const QTextEdit::ExtraSelection& mark : edit().extraSelections())
            if (mark.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                words << mark.cursor.selectedText();
        return words;
    }
    QPoint pointAt(const QString& text) {
        QTextCursor cursor(edit().document());
        cursor.setPosition(int(edit().toPlainText().indexOf(text) + 1));
        return edit().cursorRect(cursor).center();
    }
};

} // namespace

class SpellingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void misspeltWordsAreMarkedOverTheText();
    void theContextMenuReplacesIgnoresAndAdds();
    void theChoicesOutliveARestart();
};

void SpellingTest::misspeltWordsAreMarkedOverTheText() {
    App app;
    app.openWith("hello wrld, see notes.txt and NASA");
    QVERIFY(QTest::qWaitForWindowExposed(app.window));
    app.controller->spelling().marks().markVisible();
    QCOMPARE(app.markedWords(), QStringList{"wrld"});
    // The marks are no part of the document: what is stored is the same.
    QCOMPARE(app.editor().saveTopic(), EditorResult::Ok);
    QFile stored(app.editor().workingCopyPath());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), QByteArray("hello wrld, see notes.txt and NASA"));

    // Shift+F7 turns checking off, and the marks go.
    app.window->dispatch(cmd::SpellCheck);
    app.controller->spelling().marks().markVisible();
    QVERIFY(app.markedWords().isEmpty());
    QVERIFY(!app.window->actions().action(cmd::SpellCheck)->isChecked());
    // A dictionary that cannot be used is left out, and the user told.
    QVERIFY(app.window->statusBar()->currentMessage().contains("xx_XX.aff"));
}

void SpellingTest::theContextMenuReplacesIgnoresAndAdds() {
    App app;
    app.openWith("helo wrld gardn see");
    QVERIFY(QTest::qWaitForWindowExposed(app.window));
    SpellingMenus menus(&app.edit(), app.spelling());
    const auto entriesAt = [&](const QString& word) {
        auto menu = std::make_unique<QMenu>();
        menu->addAction("Copy");
        menus.addWordEntries(*menu, app.pointAt(word));
        return menu;
    };
    auto menu = entriesAt("helo");
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    QVERIFY2(texts.first() == "hello" && texts.contains("Ignore") &&
                 texts.contains("Add to Dictionary") && texts.last() == "Copy",
             qPrintable(texts.join('|')));
    menu->actions().first()->trigger();
    QCOMPARE(app.edit().toPlainText(), QStringLiteral("hello wrld gardn see"));
    app.edit().undo(); // one step
    QCOMPARE(app.edit().toPlainText(), QStringLiteral("helo wrld gardn see"));

    entriesAt("wrld")->actions().value(texts.indexOf("Ignore"))->trigger();
    QVERIFY(!app.spelling().isMisspelt("wrld"));
    auto adding = entriesAt("gardn");
    for (QAction* action : adding->actions())
        if (action->text() == "Add to Dictionary")
            action->trigger();
    QVERIFY(!app.spelling().isMisspelt("gardn"));
    QFile words(QDir(app.dataFolder()).filePath("PersonalWords.txt"));
    QVERIFY(words.open(QIODevice::ReadOnly));
    QCOMPARE(words.readAll(), QByteArray("gardn\n"));
    QCOMPARE(entriesAt("see")->actions().size(), 1); // a right word gets no entries
}

void SpellingTest::theChoicesOutliveARestart() {
    App app;
    QMenu* menu = app.window->menuBar()->findChild<QMenu*>("spellingMenu");
    QVERIFY(menu);
    Q_EMIT menu->aboutToShow();
    QStringList shown;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            shown << action->text() + (action->isChecked() ? "*" : "");
    QVERIFY2(shown.contains("Deutsch (Deutschland)") && shown.last() == "Check Spelling as You Type*",
             qPrintable(shown.join('|')));
    app.spelling().chooseDictionary("de_DE");
    app.spelling().addToDictionary("Oxlin");
    app.window->dispatch(cmd::SpellCheck);
    app.restart();
    QCOMPARE(app.spelling().dictionaryName(), QStringLiteral("de_DE"));
    QVERIFY(!app.spelling().isEnabled());
    app.window->dispatch(cmd::SpellCheck);
    QTRY_VERIFY(app.spelling().isActive());
    QVERIFY(!app.spelling().isMisspelt("Oxlin"));
    QVERIFY(app.spelling().isMisspelt("Madchen"));
}

QTEST_MAIN(SpellingTest)
#include "spelling_test.moc"
