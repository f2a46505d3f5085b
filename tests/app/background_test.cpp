// Living in the background: the tray's commands and the exit through it,
// always on top, the drop window's toggle and captures, the key reference,
// and what changes when there is no tray to come back from.

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/desktop/drop_window.h"
#include "app/desktop/global_hotkey.h"
#include "app/desktop/tray_icon.h"
#include "app/dialogs/shortcut_dialog.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/background_shell.h"
#include "core/store/compressed_file.h"
#include "core/tree/topic_files.h"
#include "richtext/content_stream.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QtTest>

#include "running_app.h"

using namespace oxlin;
using namespace oxlin::app;
using tree::ItemHandle;

namespace {

struct App : RunningApp {
    std::unique_ptr<BackgroundShell> shell;
    explicit App(bool tray = true) {
        shell = std::make_unique<BackgroundShell>(*controller, prompter, tray);
    }
    ~App() { shell.reset(); }

    QStringList topLevelLabels() {
        QStringList labels;
        for (ItemHandle item : tree().children(tree::kTopLevel))
            labels << tree().find(item)->label;
        return labels;
    }
    QByteArray topicContent(ItemHandle item) {
        QByteArray bytes;
        (void)store::decompressFileToBuffer(
            tree::topicFilePath(session().paths().workingFolder, tree().find(item)->record->fileId),
            bytes);
        return bytes;
    }
    bool onTopChecked() {
        const bool menu = window->actions().action(cmd::AlwaysOnTop)->isChecked();
        const bool trayEntry = shell->tray().onTopAction()->isChecked();
        if (menu != trayEntry)
            qWarning() << "the two check marks disagree";
        return menu && trayEntry;
    }
};

// The keys a Keys topic of the help lists, in order, in portable text: the
// first column of its table, keys apart by " / ", and the keys named in the
// second column ("also Ctrl+Shift+Z"). The translated helps name keys as the
// program's key card does in their language ("Strg", "空格").
QStringList keysOfHelpTopic(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + path};
    QTextDocument document;
    richtext::loadTopicStream(file.readAll(), document);
    QTextTable* table = nullptr;
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (!table)
            table = qobject_cast<QTextTable*>(frame);
    if (!table || table->columns() != 2)
        return {QStringLiteral("no table of two columns in ") + path};
    const auto portable = [](QString key) {
        static const std::pair<const char*, const char*> kLocalNames[] = {
            {"Strg", "Ctrl"},       {"Umschalt", "Shift"}, {"Entf", "Del"},  {"Einfg", "Ins"},
            {"Leertaste", "Space"}, {"Eingabe", "Enter"},  {"空格", "Space"}};
        for (const auto& [local, name] : kLocalNames)
            key.replace(QString::fromUtf8(local), QLatin1String(name));
        const auto sequence = QKeySequence::fromString(key.trimmed(), QKeySequence::PortableText);
        return sequence.isEmpty() ? QStringLiteral("not a key: ") + key : sequence.toString();
    };
    static const QRegularExpression namedKey(QStringLiteral("(?:Ctrl|Strg)(?:\\+\\w+)+"));
    QStringList keys;
    for (int row = 1; row < table->rows(); ++row) {
        const auto cellText = [&](int column) {
            QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
            cell.setPosition(table->cellAt(row, column).lastPosition(), QTextCursor::KeepAnchor);
            return cell.selectedText();
        };
        for (const QString& key : cellText(0).split(QStringLiteral(" / ")))
            keys << portable(key);
        for (const auto& match : namedKey.globalMatch(cellText(1)))
            keys << portable(match.captured());
    }
    return keys;
}

} // namespace

class BackgroundTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void trayMenuHoldsItsEntries();
    void showHideHidesSavingAndComesBack();
    void trayExitRunsTheExitSequence();
    void withoutATrayClosingAsksAndHidingMinimises();
    void alwaysOnTopKeepsPlaceAndCheckMarks();
    void hotkeyIsQuietWithoutGlobalKeys();
    void dropWindowTogglesToItsRestingPlace();
    void capturedTextBecomesNumberedTopics();
    void capturedTextIsAppendedToTheOpenTopic();
    void oversizedTextIsRefused();
    void keyReferenceListsItsRows();
};

void BackgroundTest::trayMenuHoldsItsEntries() {
    App app;
    QStringList texts;
    for (QAction* act : app.shell->tray().menu()->actions())
        texts << (act->isSeparator() ? QString("-") : act->text());
    QCOMPARE(texts, QStringList({"&Show/Hide", "-", "On &Top", "-", "&Exit"}));
    QVERIFY(app.shell->tray().onTopAction()->isCheckable());
    QVERIFY(!app.onTopChecked());
}

void BackgroundTest::showHideHidesSavingAndComesBack() {
    App app;
    const ItemHandle page = app.topic(0, "Page.txt", "old");
    app.controller->openTopic(page);
    app.editor().editor()->selectAll();
    app.editor().editor()->insertPlainText("typed before hiding"); // as typing replaces it
    QFile::remove(app.session().paths().treeFile);

    app.window->dispatch(cmd::TrayShowHide);
    QVERIFY(app.window->isHidden());
    QCOMPARE(app.topicContent(page), QByteArray("typed before hiding"));
    QVERIFY(QFileInfo::exists(app.session().paths().treeFile));

    app.window->dispatch(cmd::TrayShowHide);
    QVERIFY(app.window->isVisible());
    // From minimised too, the hotkey and a double click bring it back whole.
    app.window->showMinimized();
    app.shell->bringBack();
    QVERIFY(app.window->isVisible() && !app.window->isMinimized());
}

void BackgroundTest::trayExitRunsTheExitSequence() {
    App app;
    app.topic(0, "Kept.txt", "kept");
    app.window->close(); // the close box only hides, and asks nothing
    QVERIFY(!app.window->hasExited());
    QVERIFY(app.window->isHidden());
    QVERIFY(app.prompter.asked.isEmpty());
    app.shell->tray().menu()->actions().last()->trigger();
    QTRY_VERIFY(app.window->hasExited());
    QVERIFY(QFileInfo::exists(app.session().paths().packageFile));
}

void BackgroundTest::withoutATrayClosingAsksAndHidingMinimises() {
    App app(false);
    app.topic(0, "Kept.txt", "kept");
    for (QAction* act : app.shell->tray().menu()->actions())
        QVERIFY(act->isSeparator() || !act->isEnabled());

    // Keep running: a hidden window could come back only by the hotkey.
    app.prompter.answers.enqueue(PromptAnswer::No);
    app.window->close();
    QCOMPARE(app.prompter.asked.size(), 1);
    const ScriptedPrompter::Asked& question = app.prompter.asked.first();
    QCOMPARE(question.text, QString(MainWindow::kExitWithoutTray));
    QCOMPARE(question.caption, QString("Oxlin"));
    QCOMPARE(question.buttons, PromptButtons::YesNo);
    QVERIFY(!app.window->isHidden());
    QTRY_VERIFY(app.window->isMinimized());
    QVERIFY(!app.window->hasExited());
    app.shell->bringBack();
    QVERIFY(!app.window->isMinimized());

    // Esc minimises without a question.
    QTest::keyClick(app.editor().editor(), Qt::Key_Escape);
    QVERIFY(!app.window->isHidden());
    QTRY_VERIFY(app.window->isMinimized());
    QCOMPARE(app.prompter.asked.size(), 1);
    app.shell->bringBack();

    // Exit: the one exit sequence, which packs the notebook.
    app.prompter.answers.enqueue(PromptAnswer::Yes);
    app.window->close();
    QTRY_VERIFY(app.window->hasExited());
    QVERIFY(QFileInfo::exists(app.session().paths().packageFile));
}

void BackgroundTest::alwaysOnTopKeepsPlaceAndCheckMarks() {
    App app;
    QVERIFY(QTest::qWaitForWindowExposed(app.window));
    const QRect before = app.window->geometry();
    app.window->dispatch(cmd::AlwaysOnTop);
    QVERIFY(app.shell->isOnTop());
    QVERIFY(app.onTopChecked());
    QVERIFY(app.window->isVisible());
    QCOMPARE(app.window->geometry(), before);

    // The tray's entry is the same command; Qt's own toggle of a clicked
    // entry must not leave the marks out of step with the window.
    app.shell->tray().onTopAction()->trigger();
    QVERIFY(!app.shell->isOnTop());
    QVERIFY(!app.window->actions().action(cmd::AlwaysOnTop)->isChecked());
    QVERIFY(!app.shell->tray().onTopAction()->isChecked());
    QCOMPARE(app.window->geometry(), before);
}

void BackgroundTest::hotkeyIsQuietWithoutGlobalKeys() {
    QVERIFY(!GlobalHotkey::isSupported()); // offscreen has no global keys
    App app;
    app.shell->registerHotkey();
    QVERIFY(app.prompter.asked.isEmpty());
}

void BackgroundTest::dropWindowTogglesToItsRestingPlace() {
    App app;
    QAction* entry = app.window->actions().action(cmd::DropWindow);
    app.window->dispatch(cmd::DropWindow);
    QPointer<DropWindow> first = app.shell->dropWindow();
    QVERIFY(first && first->isVisible() && entry->isChecked());
    const QRect rest = first->geometry();
    first->move(rest.topLeft() - QPoint(200, 200));

    app.window->dispatch(cmd::DropWindow);
    QVERIFY(!first && !entry->isChecked());
    app.window->dispatch(cmd::DropWindow);
    QVERIFY(entry->isChecked());
    QCOMPARE(app.shell->dropWindow()->geometry(), rest);
    // Hiding the main window leaves it be.
    app.window->hideAndSave();
    QVERIFY(app.shell->dropWindow()->isVisible());
}

void BackgroundTest::capturedTextBecomesNumberedTopics() {
    App app;
    const ItemHandle folder = app.folder(0, "Plans");
    app.topic(folder, "NewTopic1.txt"); // not at the top level: no clash
    app.topic(0, "NewTopic1.txt");
    const QString text = QString::fromUtf8("Grüße\n日本語 ✓");

    QVERIFY(app.shell->capture(drop::Zone::NewTopic, text));
    QVERIFY(app.shell->capture(drop::Zone::NewTopic, "second"));
    QCOMPARE(app.topLevelLabels(),
             QStringList({"Plans", "NewTopic1.txt", "NewTopic2.txt", "NewTopic3.txt"}));
    const ItemHandle made = app.tree().children(tree::kTopLevel).at(2);
    QCOMPARE(app.topicContent(made), QString(text).replace("\n", "\r\n").toUtf8());
    // The last capture is open in the editor.
    QCOMPARE(app.editor().editor()->toPlainText(), QString("second"));
    QVERIFY(app.prompter.asked.isEmpty());
}

void BackgroundTest::capturedTextIsAppendedToTheOpenTopic() {
    App app;
    const ItemHandle page = app.topic(0, "Page.txt", "first line\r\nsecond line");
    app.controller->openTopic(page);
    QVERIFY(app.shell->capture(drop::Zone::AppendToTopic, QString::fromUtf8("añadido")));
    QCOMPARE(app.editor().editor()->toPlainText(),
             QString::fromUtf8("first line\nsecond line\n\nañadido"));
    QCOMPARE(app.topLevelLabels(), QStringList({"Page.txt"}));
}

void BackgroundTest::oversizedTextIsRefused() {
    App app;
    const QString big(int(BackgroundShell::kMaxCapturedBytes) + 1, QChar('x'));
    QVERIFY(!app.shell->capture(drop::Zone::NewTopic, big));
    QVERIFY(app.topLevelLabels().isEmpty());
    QCOMPARE(app.prompter.messageTexts(),
             QStringList({"File(NewTopic1.txt) is larger than 10M bytes.\r\nWe don't suggest "
                          "to import such a big file."}));
}

void BackgroundTest::keyReferenceListsItsRows() {
    App app;
    app.window->dispatch(cmd::KeyShortcuts);
    auto* dialog = app.window->findChild<ShortcutDialog*>();
    QVERIFY(dialog && dialog->isVisible() && dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QString("KeyBorad ShortCut"));
    QStringList groups;
    for (auto* box : dialog->findChildren<QGroupBox*>())
        groups << box->title();
    QCOMPARE(groups, QStringList({"Main Window", "Topics-tree", "Editor", "Format"}));
    const auto fields = dialog->findChildren<QLineEdit*>();
    QCOMPARE(fields.first()->text(), QString("Ctrl + Shift + A"));
    QString card;
    for (auto* field : fields) {
        QVERIFY(field->isReadOnly());
        card += field->text().remove(u' ') + u'\n';
    }
    // Every key the window's actions answer is on the card and in the help,
    // and the translated helps list the same keys as the English one.
    const QStringList helpKeys = keysOfHelpTopic(QStringLiteral(OXLIN_HELP_KEYS));
    for (QAction* act : app.window->actions().findChildren<QAction*>())
        for (const QKeySequence& key : act->shortcuts()) {
            QVERIFY2(card.contains(key.toString()), qPrintable(key.toString()));
            QVERIFY2(helpKeys.contains(key.toString()), qPrintable(key.toString()));
        }
    for (const char* translated : {OXLIN_HELP_KEYS_DE, OXLIN_HELP_KEYS_ZH_CN})
        QCOMPARE(keysOfHelpTopic(QString::fromUtf8(translated)), helpKeys);
    // The groups stand in two columns; within each, the fields start on one line.
    for (auto* field : fields) {
        const auto* box = qobject_cast<QGroupBox*>(field->parentWidget());
        for (auto* other : fields)
            if (qobject_cast<QGroupBox*>(other->parentWidget())->x() == box->x())
                QCOMPARE(field->mapTo(dialog, QPoint()).x(), other->mapTo(dialog, QPoint()).x());
    }
    dialog->accept();
}

QTEST_MAIN(BackgroundTest)
#include "background_test.moc"
