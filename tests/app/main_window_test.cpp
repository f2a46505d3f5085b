#include "app/base/action_registry.h"
#include "app/base/app_icons.h"
#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "app/shell/main_window.h"
#include "app/shell/qt_prompter.h"
#include "app/shell/window_placement.h"
#include "fake_topics.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeView>
#include <QtTest>

using namespace oxlin::app;

namespace {

// Counts the exit sequences the window runs; ends or keeps it open as told.
struct CountingExit final : ExitSequence {
    int runs = 0;
    bool end = true;
    bool runExitSequence() override {
        ++runs;
        return end;
    }
};

// A main window over fake topics, with the seams a test reads.
struct WindowHarness {
    QTemporaryDir dir;
    FakeTopics topics{dir.path()};
    ScriptedPrompter prompter;
    RecordingLauncher launcher;
    CountingExit exit;
    MainWindow window{topics, exit, prompter, launcher, dir.path()};
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titleInBothStates();
    void closeBoxHidesAndSaves();
    void exitRunsTheSequenceOnce();
    void helpStartsTheViewerOnlyWhenBothFilesExist();
    void splitterKeepsBothPanesUsable();
    void theWindowIsPlacedInsideTheAvailableArea();
    void applicationIconIsRenderedInEverySize();
    void statusBarGoesWithItsNote();
    void messageBoxIsWideEnoughForItsTitle();
    void listsAreInTheFormatMenuAndOnTheBar();
};

void MainWindowTest::titleInBothStates() {
    WindowHarness harness;
    MainWindow& window = harness.window;
    auto& topics = harness.topics;
    window.setNotebookName("Work");
    QCOMPARE(window.windowTitle(), QStringLiteral("Work - Quarrow Notebook"));
    QCOMPARE(window.editorHost().loadTopic(topics.add("Notes.rtf", "{\\rtf1 x}")),
             EditorResult::Ok);
    QCOMPARE(window.windowTitle(), QStringLiteral("Work - Quarrow Notebook - [Notes.rtf]"));
    window.editorHost().closeTopic();
    QCOMPARE(window.windowTitle(), QStringLiteral("Work - Quarrow Notebook"));
}

void MainWindowTest::closeBoxHidesAndSaves() {
    WindowHarness harness;
    MainWindow& window = harness.window;
    QSignalSpy hidden(&window, &MainWindow::hidden);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.close();
    QVERIFY(window.isHidden());
    QCOMPARE(hidden.count(), 1);
    QVERIFY(!window.hasExited());

    window.show();
    window.dispatch(cmd::HideWindow);
    QVERIFY(window.isHidden());
    QCOMPARE(hidden.count(), 2);
}

void MainWindowTest::exitRunsTheSequenceOnce() {
    WindowHarness harness;
    MainWindow& window = harness.window;
    auto& exit = harness.exit;
    window.show();
    QCOMPARE(window.dispatch(cmd::Exit), CommandRoute::Menu);
    window.exitApplication();
    QCOMPARE(exit.runs, 1);
    QVERIFY(window.hasExited());
}

void MainWindowTest::helpStartsTheViewerOnlyWhenBothFilesExist() {
    WindowHarness harness;
    MainWindow& window = harness.window;
    auto& dir = harness.dir;
    auto& prompter = harness.prompter;
    auto& launcher = harness.launcher;
    auto touch = [&](const QString& name) {
        QFile f(QDir(dir.path()).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    window.dispatch(cmd::HelpTopics);
    touch("OxlinHelp.xzz");
    window.dispatch(cmd::HelpTopics);
    QVERIFY(launcher.started.isEmpty());
#ifdef Q_OS_WIN
    touch("Vistelo.exe");
#else
    touch("Vistelo");
#endif
    window.dispatch(cmd::HelpTopics);
    QCOMPARE(launcher.started.size(), 1);
    QCOMPARE(launcher.started[0].kind, QStringLiteral("viewer"));
    QCOMPARE(launcher.started[0].arguments[1], QDir(dir.path()).filePath("OxlinHelp.xzz"));
    QVERIFY(prompter.asked.isEmpty());

    // F1 asks for the help from the tree, the editor and the search panels.
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QList<QWidget*> places = {window.treeView(), window.editorHost().editor(),
                                    window.locatePanel(), window.keywordPanel()};
    for (QWidget* place : places) {
        const qsizetype before = launcher.started.size();
        place->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(place, Qt::Key_F1);
        QCOMPARE(launcher.started.size(), before + 1);
    }
}

void MainWindowTest::theWindowIsPlacedInsideTheAvailableArea() {
    // A title bar 20 high and borders 1 wide fit inside a screen whose
    // panel takes its bottom 30 pixels.
    const QRect available(0, 0, 1280, 770);
    const QRect client = clientRectInside(available, QMargins(1, 20, 1, 1));
    QCOMPARE(client, QRect(1, 20, 1278, 749));
    QCOMPARE(client.marginsAdded(QMargins(1, 20, 1, 1)), available);

    // Without a frame (no window manager) the window takes the area itself.
    QWidget window;
    placeInside(window, QRect(10, 20, 600, 400));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry(), QRect(10, 20, 600, 400));
}

void MainWindowTest::splitterKeepsBothPanesUsable() {
    WindowHarness harness;
    MainWindow& window = harness.window;
    window.resize(700, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QList<int> sizes = window.splitter()->sizes();
    QCOMPARE(sizes[0], window.splitter()->width() * 3 / 7);

    window.splitter()->setSizes({0, 10000});
    QCOMPARE(window.treeView()->width(), MainWindow::kMinimumTreeWidth);
    window.splitter()->setSizes({10000, 0});
    QVERIFY(window.editorHost().editor()->width() >= MainWindow::kMinimumEditorWidth);
}

void MainWindowTest::applicationIconIsRenderedInEverySize() {
    // The icon is an SVG compiled into the library: a build that lost the
    // resource, or a machine without the SVG reader, gives every window,
    // the tray and the About box an empty picture.
    const QIcon icon = applicationIcon();
    QVERIFY(!icon.isNull());
    for (int size : {16, 32, 256}) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The middle of the cover is opaque; the corner below the spine is clear.
        QCOMPARE(qAlpha(image.pixel(size * 12 / 32, size * 20 / 32)), 255);
        QCOMPARE(qAlpha(image.pixel(0, size - 1)), 0);
    }
}

void MainWindowTest::statusBarGoesWithItsNote() {
    WindowHarness harness;
    MainWindow& window = harness.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto barShown = [&window] {
        const auto* bar = window.findChild<QStatusBar*>();
        return bar && bar->isVisible();
    };
    QVERIFY(!barShown());
    window.showStatusNote(QStringLiteral("The notebook was recovered."));
    QVERIFY(barShown());
    // What the note's timeout does when it runs out.
    window.findChild<QStatusBar*>()->clearMessage();
    QVERIFY(!barShown());
    // A second note brings the bar back.
    window.showStatusNote(QStringLiteral("Again."));
    QVERIFY(barShown());
}

void MainWindowTest::messageBoxIsWideEnoughForItsTitle() {
    // A short text under a long title: the box sized for its text alone
    // leaves the window manager to cut the title.
    for (const QString& caption :
         {QStringLiteral("Oxlin Notebook Viewer"), QStringLiteral("Properties of the topic")}) {
        const std::unique_ptr<QMessageBox> box = QtPrompter::messageBox(
            nullptr, QStringLiteral("Done."), caption, PromptIcon::None, PromptButtons::Ok);
        box->open();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        // The window manager draws the title in bold, beside an icon and
        // three buttons of about a line's height each.
        QFont titleFont = box->font();
        titleFont.setBold(true);
        const QFontMetrics metrics(titleFont);
        const int needed = metrics.horizontalAdvance(caption) + 4 * metrics.height();
        QVERIFY2(box->width() >= needed, qPrintable(caption));
        box->accept();
    }
}

void MainWindowTest::listsAreInTheFormatMenuAndOnTheBar() {
    WindowHarness harness;
    MainWindow& window = harness.window;
    QMenu* format = nullptr;
    for (QAction* entry : window.menuBar()->actions())
        if (entry->text().remove(u'&') == QStringLiteral("Format"))
            format = entry->menu();
    QVERIFY(format);
    const QList<QAction*> inMenu = format->actions();
    const QList<QAction*> onBar = window.findChild<QToolBar*>("formatToolBar")->actions();
    const auto expect = [&](int id, const QString& text, const QString& key) {
        QAction* act = window.actions().action(id);
        QCOMPARE(act->text(), text);
        QCOMPARE(act->shortcut().toString(), key);
        QVERIFY2(inMenu.contains(act), qPrintable(text));
        QVERIFY2(onBar.contains(act), qPrintable(text));
    };
    expect(cmd::BulletList, QStringLiteral("Bulleted List"), QStringLiteral("Ctrl+Shift+8"));
    expect(cmd::NumberedList, QStringLiteral("Numbered List"), QStringLiteral("Ctrl+Shift+7"));
    // The other formatting commands stand beside them.
    for (int id :
         {cmd::Font, cmd::Bold, cmd::Italic, cmd::Underline, cmd::TextColour, cmd::IndentLess,
          cmd::IndentMore, cmd::AlignLeft, cmd::AlignCentre, cmd::AlignRight})
        QVERIFY(inMenu.contains(window.actions().action(id)));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
