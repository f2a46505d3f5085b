// The application's own texts reach the user through Qt's translators: a
// translator installed before the window is built changes what the menus,
// panels, dialogs and messages say.
#include <QtTest>

#include "running_app.h"

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/desktop/tray_icon.h"
#include "app/dialogs/about_dialog.h"
#include "app/dialogs/notebook_dialogs.h"
#include "app/dialogs/shortcut_dialog.h"
#include "app/editor/find_replace.h"
#include "app/shell/background_shell.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabBar>
#include <QToolBar>
#include <QTranslator>

#include <map>

using namespace oxlin;
using namespace oxlin::app;

namespace {

// Puts every text it is asked for between marks and remembers the contexts,
// except for the few it knows in German: those check that a text is looked up
// in the context it is marked in.
class MarkingTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        const QString source = QString::fromUtf8(sourceText);
        if (source.isEmpty())
            return {};
        contexts.insert(QString::fromUtf8(context));
        const auto known = german.find({QString::fromUtf8(context), source});
        if (known != german.end())
            return known->second;
        return u'«' + source + u'»';
    }
    bool isEmpty() const override { return false; }

    mutable QSet<QString> contexts;
    std::map<std::pair<QString, QString>, QString> german;
};

bool marked(const QString& text) {
    return text.startsWith(u'«') && text.endsWith(u'»');
}

// Every visible text of `actions`, with their menus' entries.
QStringList unmarkedActionTexts(const QList<QAction*>& actions) {
    QStringList unmarked;
    for (QAction* act : actions) {
        // Separators, and dictionaries listed by their languages' own names.
        if (act->isSeparator() || act->objectName().startsWith(QLatin1String("dictionary:")))
            continue;
        if (!act->text().isEmpty() && !marked(act->text()))
            unmarked << act->text();
        if (!act->toolTip().isEmpty() && !marked(act->toolTip()))
            unmarked << act->toolTip();
        if (QMenu* menu = act->menu())
            unmarked << unmarkedActionTexts(menu->actions());
    }
    return unmarked;
}

// The texts of the labels, buttons, group boxes, tabs and fields under `root`.
QStringList unmarkedWidgetTexts(const QWidget* root) {
    QStringList unmarked;
    const auto check = [&unmarked](const QString& text) {
        if (!text.isEmpty() && !marked(text))
            unmarked << text;
    };
    for (const QLabel* label : root->findChildren<QLabel*>())
        check(label->text());
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>())
        check(button->text());
    for (const QGroupBox* box : root->findChildren<QGroupBox*>())
        check(box->title());
    for (const QTabBar* tabs : root->findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            check(tabs->tabText(i));
    return unmarked;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void windowMenusToolbarsAndPanelsAreTranslated();
    void dialogsAreTranslated();
    void messagesAndFileDialogsAreTranslated();
    void markedTablesAreLookedUpInTheirOwnContext();

private:
    std::unique_ptr<MarkingTranslator> translator_;
};

void TranslationTest::init() {
    translator_ = std::make_unique<MarkingTranslator>();
    QVERIFY(QCoreApplication::installTranslator(translator_.get()));
}

void TranslationTest::cleanup() {
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
}

void TranslationTest::windowMenusToolbarsAndPanelsAreTranslated() {
    RunningApp app;
    BackgroundShell shell(*app.controller, app.prompter, true);
    MainWindow& window = *app.window;

    QCOMPARE(unmarkedActionTexts(window.menuBar()->actions()), QStringList());
    for (const QToolBar* bar : window.findChildren<QToolBar*>()) {
        QVERIFY2(marked(bar->windowTitle()), qPrintable(bar->windowTitle()));
        QCOMPARE(unmarkedActionTexts(bar->actions()), QStringList());
    }
    std::unique_ptr<QMenu> treeMenu(window.actions().buildTreeContextMenu(nullptr));
    QCOMPARE(unmarkedActionTexts(treeMenu->actions()), QStringList());
    QCOMPARE(unmarkedActionTexts(shell.tray().menu()->actions()), QStringList());

    QCOMPARE(unmarkedWidgetTexts(&window), QStringList());
    // The title's pattern is translated; the notebook's name is put in as it is.
    QVERIFY2(marked(window.windowTitle()), qPrintable(window.windowTitle()));
    QVERIFY(window.windowTitle().contains(window.notebookName()));

    // Every context of ours is a class's full name, so one class's tr() and
    // its marked tables share one context.
    for (const QString& context : std::as_const(translator_->contexts))
        QVERIFY2(context.startsWith(u'Q') || context.startsWith(QLatin1String("oxlin::app::")),
                 qPrintable(context));
}

void TranslationTest::dialogsAreTranslated() {
    ShortcutDialog shortcuts;
    FindDialog find;
    find.showFor(true, {});
    NewNotebookDialog create([](const QString&) { return true; });
    OpenNotebookDialog open({QStringLiteral("Plans")}, {});
    AboutDialog about(QFont{});
    for (const QDialog* dialog :
         std::initializer_list<const QDialog*>{&shortcuts, &find, &create, &open, &about}) {
        QVERIFY2(marked(dialog->windowTitle()), qPrintable(dialog->windowTitle()));
        QCOMPARE(unmarkedWidgetTexts(dialog), QStringList());
    }
    for (const QLineEdit* keys : shortcuts.findChildren<QLineEdit*>())
        QVERIFY2(marked(keys->text()), qPrintable(keys->text()));
    QVERIFY(marked(AboutDialog::aboutLine()));
}

void TranslationTest::messagesAndFileDialogsAreTranslated() {
    RunningApp app;
    app.controller->openTopic(app.topic(0, "Plan.txt", "garden"));

    app.editor().showProperties();
    app.window->dispatch(cmd::ImportFile); // cancelled: no file names queued
    app.window->dispatch(cmd::InsertPicture);
    app.window->dispatch(cmd::ExportPdf);
    const QList<ScriptedPrompter::Asked> asked = app.prompter.asked;
    QCOMPARE(asked.size(), 4);

    const ScriptedPrompter::Asked& properties = asked[0];
    QVERIFY2(marked(properties.text), qPrintable(properties.text));
    QVERIFY(properties.text.contains(QLatin1String("[Plan.txt]")));
    QVERIFY(marked(properties.caption));
    for (const ScriptedPrompter::Asked& dialog : asked.mid(1)) {
        QVERIFY2(marked(dialog.caption), qPrintable(dialog.kind + u' ' + dialog.caption));
        QVERIFY(!dialog.filters.isEmpty());
        for (const QString& filter : dialog.filters)
            QVERIFY2(marked(filter), qPrintable(filter));
    }
}

void TranslationTest::markedTablesAreLookedUpInTheirOwnContext() {
    translator_->german = {
        {{"oxlin::app::ActionRegistry", "&New..."}, "&Neu..."},
        {{"oxlin::app::ActionRegistry", "Create a new topic"}, "Ein neues Thema anlegen"},
        {{"oxlin::app::ActionRegistry", "&File"}, "&Datei"},
        {{"oxlin::app::ShortcutDialog", "Editor"}, "Editor (de)"},
        {{"oxlin::app::TrayIcon", "&Exit"}, "&Beenden"},
    };
    RunningApp app;
    BackgroundShell shell(*app.controller, app.prompter, true);
    ActionRegistry& actions = app.window->actions();
    QCOMPARE(actions.action(cmd::NewNotebook)->text(), QStringLiteral("&Neu..."));
    QCOMPARE(actions.action(cmd::NewTopic)->toolTip(), QStringLiteral("Ein neues Thema anlegen"));
    QCOMPARE(app.window->menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
    QCOMPARE(shell.tray().menu()->actions().last()->text(), QStringLiteral("&Beenden"));

    ShortcutDialog shortcuts;
    QStringList titles;
    for (const QGroupBox* box : shortcuts.findChildren<QGroupBox*>())
        titles << box->title();
    QVERIFY2(titles.contains(QStringLiteral("Editor (de)")), qPrintable(titles.join(u',')));
}

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
