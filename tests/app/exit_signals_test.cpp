// Ending the program from outside: a signal that comes while the notebook
// is still opening, and one that comes while a box is open before the main
// loop runs. Neither may end the process on the spot or run the exit
// sequence under the box.

#include "app/base/exit_signals.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <csignal>

#include "running_app.h"

using namespace oxlin::app;

class ExitSignalsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aSignalBeforeListeningIsHeldNotFatal();
    void anExitAskedForUnderABoxBeforeTheMainLoopWaitsForIt();
};

void ExitSignalsTest::aSignalBeforeListeningIsHeldNotFatal() {
    ExitSignals signals_;
    QSignalSpy spy(&signals_, &ExitSignals::exitRequested);
    // With the default action the test process would end here.
    QCOMPARE(::raise(SIGTERM), 0);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0); // the notebook is not open yet: nothing to end
    signals_.listen();
    QVERIFY(spy.wait());
    QCOMPARE(spy.takeFirst().at(0).toInt(), SIGTERM);
}

void ExitSignalsTest::anExitAskedForUnderABoxBeforeTheMainLoopWaitsForIt() {
    RunningApp app;
    const QString working = app.session().paths().workingFolder;
    // Test functions run outside any event loop, as the start does: the box's
    // loop is the only one.
    QDialog box(app.window);
    box.setModal(true);
    QTimer::singleShot(0, &box, [&] { app.window->requestExit(); });
    box.exec();
    QVERIFY(!app.window->hasExited()); // not under the box
    QVERIFY(QFileInfo::exists(working));
    QTRY_VERIFY(app.window->hasExited());
    QVERIFY(!QFileInfo::exists(working));
}

QTEST_MAIN(ExitSignalsTest)
#include "exit_signals_test.moc"
