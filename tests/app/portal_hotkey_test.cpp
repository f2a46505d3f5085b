// The hotkey through the desktop portal, against a stand-in portal on a
// private bus: the session and binding conversation in its possible orders,
// the refusals that must end in the failure message, and an activation
// bringing the main window back.

#include "app/desktop/portal_hotkey.h"
#include "app/shell/background_shell.h"

#include <QSignalSpy>
#include <QtTest>

#include "fake_portal.h"
#include "running_app.h"

using namespace oxlin::app;

namespace {

// A private bus with two connections on it: the program's and the portal's.
struct Desktop {
    PrivateBus daemon;
    QString clientName;
    QString portalName;
    std::unique_ptr<QDBusConnection> client;
    std::unique_ptr<QDBusConnection> portalBus;
    std::unique_ptr<FakePortal> portal;

    bool start(bool withPortal = true) {
        static int made = 0;
        ++made;
        clientName = QStringLiteral("client%1").arg(made);
        portalName = QStringLiteral("portal%1").arg(made);
        if (!daemon.start())
            return false;
        client = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(daemon.address(), clientName));
        portalBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(daemon.address(), portalName));
        portal = std::make_unique<FakePortal>(*portalBus);
        return client->isConnected() && portalBus->isConnected() &&
               (!withPortal || portal->start());
    }
    ~Desktop() {
        portal.reset();
        client.reset();
        portalBus.reset();
        QDBusConnection::disconnectFromBus(clientName);
        QDBusConnection::disconnectFromBus(portalName);
    }
};

struct Spies {
    QSignalSpy registered, failed, activated;
    explicit Spies(PortalHotkey& hotkey)
        : registered(&hotkey, &GlobalHotkey::registered),
          failed(&hotkey, &GlobalHotkey::failed),
          activated(&hotkey, &GlobalHotkey::activated) {}
};

} // namespace

class PortalHotkeyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void bindsTheKeyAndHearsOnlyItsOwnActivation();
    void answersCountInEitherOrder_data();
    void answersCountInEitherOrder();
    void waitsForTheDesktopWithoutBlocking();
    void refusalsEndInFailure_data();
    void refusalsEndInFailure();
    void shellBringsTheWindowBackAndReportsLateRefusal();
};

void PortalHotkeyTest::initTestCase() {
    if (PrivateBus::daemonProgram().isEmpty())
        QSKIP("dbus-daemon is not installed (scripts/install-deps installs it)");
}

void PortalHotkeyTest::bindsTheKeyAndHearsOnlyItsOwnActivation() {
    Desktop desktop;
    QVERIFY(desktop.start());
    FakePortal& portal = *desktop.portal;
    auto hotkey = std::make_unique<PortalHotkey>(*desktop.client);
    Spies spies(*hotkey);

    QCOMPARE(hotkey->registerKey(), GlobalHotkey::Result::Pending);
    QTRY_COMPARE(spies.registered.count(), 1);
    QVERIFY(hotkey->isRegistered());
    QCOMPARE(spies.failed.count(), 0);
    QCOMPARE(portal.bound.size(), 1);
    const FakePortal::Bound& key = portal.bound.first();
    QCOMPARE(key.session, portal.session);
    QCOMPARE(key.id, QString("show-oxlin"));
    QCOMPARE(key.details.value("description").toString(), QString("Show Oxlin"));
    QCOMPARE(key.details.value("preferred_trigger").toString(), QString("CTRL+SHIFT+a"));

    // Another session's key and another key of ours are not this one; the
    // bus keeps the order, so the third arriving means the two were seen.
    portal.activate(portal.session + "x", "show-oxlin");
    portal.activate(portal.session, "something-else");
    portal.activate(portal.session, "show-oxlin");
    QTRY_COMPARE(spies.activated.count(), 1);

    // Letting go closes the session, so the desktop frees the key.
    const QString session = portal.session;
    hotkey.reset();
    QTRY_COMPARE(portal.closedSessions, QStringList{session});
}

void PortalHotkeyTest::answersCountInEitherOrder_data() {
    QTest::addColumn<bool>("respondFirst");
    QTest::addColumn<bool>("ownRequestPaths");
    QTest::newRow("response before the reply") << true << false;
    QTest::newRow("request path chosen by the portal") << false << true;
}

void PortalHotkeyTest::answersCountInEitherOrder() {
    QFETCH(bool, respondFirst);
    QFETCH(bool, ownRequestPaths);
    Desktop desktop;
    QVERIFY(desktop.start());
    FakePortal& portal = *desktop.portal;
    portal.respondFirst = respondFirst;
    portal.ownRequestPaths = ownRequestPaths;
    // Such a portal's answer can be heard only once its reply has told the
    // path, and a real one answers in human time; this one repeats itself.
    portal.holdResponses = ownRequestPaths;
    PortalHotkey hotkey(*desktop.client);
    Spies spies(hotkey);

    QCOMPARE(hotkey.registerKey(), GlobalHotkey::Result::Pending);
    if (ownRequestPaths)
        QTRY_VERIFY((portal.repeatAnswers(), spies.registered.count() == 1));
    else
        QTRY_COMPARE(spies.registered.count(), 1);
    QCOMPARE(spies.failed.count(), 0);
    QCOMPARE(portal.bound.size(), 1);
    portal.activate(portal.session, "show-oxlin");
    QTRY_COMPARE(spies.activated.count(), 1);
}

void PortalHotkeyTest::waitsForTheDesktopWithoutBlocking() {
    Desktop desktop;
    QVERIFY(desktop.start());
    FakePortal& portal = *desktop.portal;
    portal.holdResponses = true;
    PortalHotkey hotkey(*desktop.client);
    Spies spies(hotkey);

    // The portal lives on this very thread: a registration that waited for
    // its answer would never see one.
    QCOMPARE(hotkey.registerKey(), GlobalHotkey::Result::Pending);
    QTRY_VERIFY(!portal.session.isEmpty());
    QVERIFY(!hotkey.isRegistered());
    portal.release();
    QTRY_COMPARE(portal.bound.size(), 1);
    QVERIFY(!hotkey.isRegistered());
    portal.release();
    QTRY_COMPARE(spies.registered.count(), 1);
    QCOMPARE(spies.failed.count(), 0);
}

void PortalHotkeyTest::refusalsEndInFailure_data() {
    QTest::addColumn<bool>("withPortal");
    QTest::addColumn<bool>("offersShortcuts");
    QTest::addColumn<uint>("bindResponse");
    QTest::newRow("no portal on the bus") << false << true << 0u;
    QTest::newRow("portal without global shortcuts") << true << false << 0u;
    QTest::newRow("user cancelled the binding") << true << true << 1u;
    QTest::newRow("binding failed otherwise") << true << true << 2u;
}

void PortalHotkeyTest::refusalsEndInFailure() {
    QFETCH(bool, withPortal);
    QFETCH(bool, offersShortcuts);
    QFETCH(uint, bindResponse);
    Desktop desktop;
    QVERIFY(desktop.start(withPortal));
    desktop.portal->offersShortcuts = offersShortcuts;
    desktop.portal->bindResponse = bindResponse;
    PortalHotkey hotkey(*desktop.client);
    Spies spies(hotkey);

    QCOMPARE(hotkey.registerKey(), GlobalHotkey::Result::Pending);
    QTRY_COMPARE(spies.failed.count(), 1);
    QCOMPARE(spies.registered.count(), 0);
    QVERIFY(!hotkey.isRegistered());
    // A session made before the refusal is not left behind.
    if (bindResponse != 0)
        QTRY_COMPARE(desktop.portal->closedSessions, QStringList{desktop.portal->session});
}

void PortalHotkeyTest::shellBringsTheWindowBackAndReportsLateRefusal() {
    Desktop desktop;
    QVERIFY(desktop.start());
    FakePortal& portal = *desktop.portal;
    RunningApp app;
    BackgroundShell shell(*app.controller, app.prompter, true);
    auto owned = std::make_unique<PortalHotkey>(*desktop.client);
    Spies spies(*owned);
    shell.setHotkey(std::move(owned));

    shell.registerHotkey();
    QTRY_COMPARE(spies.registered.count(), 1);
    app.window->showMinimized();
    QTRY_VERIFY(app.window->isMinimized());
    portal.activate(portal.session, "show-oxlin");
    QTRY_VERIFY(app.window->isVisible() && !app.window->isMinimized());
    QVERIFY(app.prompter.asked.isEmpty());

    // Refused only once start-up is over: the same message as on X11.
    portal.bindResponse = 1;
    shell.registerHotkey();
    QVERIFY(app.prompter.asked.isEmpty());
    QTRY_COMPARE(app.prompter.messageTexts(), QStringList{BackgroundShell::kHotkeyFailed});

    // With no bus at all the answer is immediate.
    app.prompter.asked.clear();
    shell.setHotkey(std::make_unique<PortalHotkey>(QDBusConnection("never-connected")));
    shell.registerHotkey();
    QCOMPARE(app.prompter.messageTexts(), QStringList{BackgroundShell::kHotkeyFailed});
}

QTEST_MAIN(PortalHotkeyTest)
#include "portal_hotkey_test.moc"
