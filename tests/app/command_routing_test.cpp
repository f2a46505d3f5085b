#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/base/command_router.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace oxlin::app;

Q_DECLARE_METATYPE(oxlin::app::CommandRoute)

class CommandRoutingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void routesByRange_data();
    void routesByRange();
    void rangesComeBeforeWindowAndMenu();
    void menuBarCarriesIdsAndTexts_data();
    void menuBarCarriesIdsAndTexts();
    void everyMenuEntryDispatchesItsId();
};

void CommandRoutingTest::routesByRange_data() {
    QTest::addColumn<quint32>("command");
    QTest::addColumn<CommandRoute>("route");
    QTest::addColumn<int>("handledId");

    QTest::newRow("nominal: 1001 is the first tree command") << 1001u << CommandRoute::Tree << 1001;
    QTest::newRow("nominal: 1098 is the last tree command") << 1098u << CommandRoute::Tree << 1098;
    QTest::newRow("robustness: 1000 is not a tree command") << 1000u << CommandRoute::Unhandled << 0;
    QTest::newRow("robustness: 1099 is not a tree command") << 1099u << CommandRoute::Unhandled << 0;
    QTest::newRow("nominal: tray show/hide") << 1101u << CommandRoute::Tray << 1101;
    QTest::newRow("nominal: 1198 is tray") << 1198u << CommandRoute::Tray << 1198;
    QTest::newRow("robustness: 1100 between ranges") << 1100u << CommandRoute::Unhandled << 0;
    QTest::newRow("nominal: 1201 is editing") << 1201u << CommandRoute::Editing << 1201;
    QTest::newRow("nominal: insert table is editing") << 1209u << CommandRoute::Editing << 1209;
    QTest::newRow("robustness: 1299 past editing") << 1299u << CommandRoute::Unhandled << 0;
    QTest::newRow("nominal: hide window") << 10002u << CommandRoute::Window << 10002;
    QTest::newRow("nominal: switch focus") << 10004u << CommandRoute::Window << 10004;
    QTest::newRow("robustness: 10003 is nobody's") << 10003u << CommandRoute::Unhandled << 0;
    QTest::newRow("nominal: save from the menu table") << 57603u << CommandRoute::Menu << 57603;
    QTest::newRow("nominal: import pop-up") << 40015u << CommandRoute::Menu << 40015;
    QTest::newRow("robustness: only the low 16 bits count") << (0x50000u | 1001u)
                                                            << CommandRoute::Tree << 1001;
    QTest::newRow("robustness: unknown id does nothing") << 12345u << CommandRoute::Unhandled << 0;
}

void CommandRoutingTest::routesByRange() {
    QFETCH(quint32, command);
    QFETCH(CommandRoute, route);
    QFETCH(int, handledId);

    CommandRouter router;
    int handled = 0;
    router.setTreeHandler([&](int id) { handled = id; });
    router.setTrayHandler([&](int id) { handled = id; });
    router.setEditingHandler([&](int id) { handled = id; });
    router.setWindowHandler([&](int id) {
        if (id != cmd::HideWindow && id != cmd::SwitchFocus)
            return false;
        handled = id;
        return true;
    });
    for (int id : cmd::MenuTable)
        router.setMenuHandler(id, [&handled, id] { handled = id; });

    QCOMPARE(router.dispatch(command), route);
    QCOMPARE(handled, handledId);
}

void CommandRoutingTest::rangesComeBeforeWindowAndMenu() {
    CommandRouter router;
    bool windowAsked = false;
    router.setWindowHandler([&](int) {
        windowAsked = true;
        return true;
    });
    QCOMPARE(router.dispatch(1050), CommandRoute::Tree); // no tree handler installed yet
    QVERIFY(!windowAsked);
    // A menu command with no handler yet still routes, and does nothing.
    router.setWindowHandler({});
    QCOMPARE(router.dispatch(cmd::Print), CommandRoute::Menu);
    // Handlers for ids outside the menu table are refused.
    bool called = false;
    router.setMenuHandler(777, [&] { called = true; });
    QCOMPARE(router.dispatch(777), CommandRoute::Unhandled);
    QVERIFY(!called);
}

void CommandRoutingTest::menuBarCarriesIdsAndTexts_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("ids");

    // Each entry as it shows: its text, then its key in the key column.
    QTest::newRow("File") << "&File"
                          << QStringList{"&New...\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "-",
                                         "Import from...", "Import Markdown...",
                                         "Import Markdown Folder...", "E&xport...\tCtrl+R",
                                         "Export As", "-", "Page Setup...", "&Print...\tCtrl+P",
                                         "Print Preview...", "Export as PDF...", "-", "E&xit"}
                          << QList<int>{57600, 57601, 57603, 0, 0, 40124, 40125, 40016, 0, 0,
                                        40007, 57607, 40102, 40103, 0, 57665};
    QTest::newRow("Edit") << "&Edit"
                          << QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X",
                                         "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-", "&Find...\tCtrl+F",
                                         "Find Next\tF3", "R&eplace...\tCtrl+H", "-",
                                         "Word &Wrap\tCtrl+W"}
                          << QList<int>{57643, 57644, 0, 57635, 57634, 57637, 0, 57636, 40011, 40101,
                                        0, 40008};
    QTest::newRow("Insert") << "&Insert"
                            << QStringList{"Link", "Table", "Picture\tF7", "-", "Text in a File\tF8"}
                            << QList<int>{0, 1209, 1210, 0, 1211};
    QTest::newRow("View") << "&View"
                          << QStringList{"&Topics\tCtrl+1", "&Index\tCtrl+2", "&Search\tCtrl+3",
                                         "-", "Show DragDrop Window\tF9", "-",
                                         "Always on T&op\tF10", "-", "Key Shortcut", "-",
                                         "P&roperties"}
                          << QList<int>{40106, 40107, 40108, 0, 40034, 0, 40023, 0, 40033, 0, 40013};
    QTest::newRow("Help") << "Help" << QStringList{"&Help Topics\tF1", "-", "&About Oxlin..."}
                          << QList<int>{57667, 0, 57664};
}

void CommandRoutingTest::menuBarCarriesIdsAndTexts() {
    QFETCH(QString, menu);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, ids);

    ActionRegistry registry([](int) {});
    QMenuBar bar;
    registry.buildMenuBar(&bar);
    QMenu* found = nullptr;
    for (QAction* top : bar.actions())
        if (top->text() == menu)
            found = top->menu();
    QVERIFY(found);
    const QList<QAction*> entries = found->actions();
    QCOMPARE(entries.size(), texts.size());
    for (int i = 0; i < entries.size(); ++i) {
        const QAction* entry = entries[i];
        QString text = entry->isSeparator() ? QStringLiteral("-") : entry->text();
        if (!entry->shortcut().isEmpty())
            text += u'\t' + entry->shortcut().toString();
        QCOMPARE(text, texts[i]);
        if (ids[i] != 0)
            QCOMPARE(entries[i]->data().toInt(), ids[i]);
    }
}

void CommandRoutingTest::everyMenuEntryDispatchesItsId() {
    QList<int> dispatched;
    ActionRegistry registry([&](int id) { dispatched << id; });
    QMenuBar bar;
    registry.buildMenuBar(&bar);
    // The two pop-ups: Import from... and Insert > Link.
    const QList<int> popupIds = {40025, 40026, 40028, 40029};
    for (int id : popupIds)
        registry.action(id)->trigger();
    QCOMPARE(dispatched, popupIds);
    QCOMPARE(registry.action(40025)->text(), QStringLiteral("File"));
    QCOMPARE(registry.action(40029)->text(), QStringLiteral("to a Topic"));
    QCOMPARE(registry.action(40029)->shortcut(), QKeySequence(Qt::Key_F4));

    // The editor's context menu shows the same actions: the same texts
    // (without the menu bar's mnemonics) and ids, and one check mark.
    QMenu* context = registry.buildEditorContextMenu(nullptr);
    QStringList texts;
    for (QAction* a : context->actions()) {
        texts << (a->isSeparator() ? QStringLiteral("-") : QString(a->text()).remove(u'&'));
        if (!a->isSeparator())
            QCOMPARE(a, registry.action(a->data().toInt()));
    }
    QCOMPARE(texts, (QStringList{"Undo", "Redo", "-", "Cut", "Copy", "Paste", "-", "Find...", "-",
                                 "Word Wrap", "-", "Properties"}));
    registry.setChecked(cmd::WordWrap, true);
    QVERIFY(registry.action(cmd::WordWrap)->isChecked());
    delete context;

    // Window keys reach the dispatch; keys the editor owns are only shown.
    QWidget window;
    registry.installAccelerators(&window);
    QVERIFY(window.actions().contains(registry.action(cmd::Save)));
    QVERIFY(window.actions().contains(registry.action(cmd::SwitchFocus)));
    QVERIFY(!window.actions().contains(registry.action(cmd::Copy)));
    QCOMPARE(registry.action(cmd::Copy)->shortcutContext(), Qt::WidgetShortcut);
}

QTEST_MAIN(CommandRoutingTest)
#include "command_routing_test.moc"
