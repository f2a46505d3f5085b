// The drop window's zones, where it rests and grows, how captured text is
// stored, and the window itself under simulated drags.

#include "app/desktop/drop_geometry.h"
#include "app/desktop/drop_window.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

using namespace oxlin::app;
using drop::Zone;

Q_DECLARE_METATYPE(Zone)

class DropWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zones_data();
    void zones();
    void growth_data();
    void growth();
    void restsInTheLowerRightOfTheAvailableArea();
    void capturedTextIsStoredAsTextTopicsAre();
    void dragGrowsShowsZonesAndShrinksBack();
    void dropsReportTheZoneAndTheText();
};

void DropWindowTest::zones_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("topicOpen");
    QTest::addColumn<bool>("text");
    QTest::addColumn<Zone>("zone");
    QTest::newRow("nominal: left strip") << QPoint(10, 50) << false << true << Zone::NewTopic;
    QTest::newRow("nominal: last column of the strip") << QPoint(60, 5) << true << true
                                                       << Zone::NewTopic;
    QTest::newRow("nominal: editor with a topic") << QPoint(61, 50) << true << true
                                                  << Zone::AppendToTopic;
    QTest::newRow("robustness: editor without a topic") << QPoint(100, 50) << false << true
                                                        << Zone::None;
    QTest::newRow("robustness: editor, data without text") << QPoint(100, 50) << true << false
                                                           << Zone::None;
    QTest::newRow("robustness: strip, data without text") << QPoint(0, 0) << false << false
                                                          << Zone::NewTopic;
}

void DropWindowTest::zones() {
    QFETCH(QPoint, point);
    QFETCH(bool, topicOpen);
    QFETCH(bool, text);
    QFETCH(Zone, zone);
    QCOMPARE(drop::zoneAt(point, topicOpen, text), zone);
}

void DropWindowTest::growth_data() {
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QRect>("grown");
    QTest::newRow("nominal: keeps the lower right corner")
        << QRect(1000, 700, 22, 25) << QRect(892, 618, 130, 107);
    QTest::newRow("robustness: near the top left keeps the top left")
        << QRect(3, 4, 22, 25) << QRect(3, 4, 130, 107);
    QTest::newRow("robustness: near the left edge only keeps the left")
        << QRect(50, 700, 22, 25) << QRect(50, 618, 130, 107);
}

void DropWindowTest::growth() {
    QFETCH(QRect, saved);
    QFETCH(QRect, grown);
    QCOMPARE(drop::grownRect(saved), grown);
}

void DropWindowTest::restsInTheLowerRightOfTheAvailableArea() {
    // A panel on the left and one at the top take part of the screen.
    const QRect rest = drop::restingRect(QRect(100, 30, 1180, 740));
    QCOMPARE(rest.size(), drop::kSmallSize);
    QCOMPARE(rest.right(), 1280 - 1 - drop::kScreenMargin);
    QCOMPARE(rest.bottom(), 770 - 1 - drop::kScreenMargin);

    // A tray icon in that corner, on a panel the available area still
    // holds: the window rests just above it, in the same column.
    const QRect tray(1250, 776, 24, 24);
    const QRect clear = drop::restingRect(QRect(0, 0, 1280, 800), drop::kSmallSize, tray);
    QVERIFY(!clear.intersects(tray));
    QCOMPARE(clear.right(), 1280 - 1 - drop::kScreenMargin);
    QCOMPARE(clear.bottom(), tray.top() - 1 - drop::kScreenMargin);
    // An icon elsewhere leaves the corner alone.
    QCOMPARE(drop::restingRect(QRect(0, 0, 1280, 800), drop::kSmallSize, QRect(10, 776, 24, 24)),
             drop::restingRect(QRect(0, 0, 1280, 800)));
}

void DropWindowTest::capturedTextIsStoredAsTextTopicsAre() {
    QCOMPARE(drop::topicBytes("a\nb\r\nc\rd"), QByteArray("a\r\nb\r\nc\r\nd"));
    // Unicode beyond any single code page survives.
    const QString text = QString::fromUtf8("Grüße 日本語 ✓ 😀");
    QCOMPARE(QString::fromUtf8(drop::topicBytes(text)), text);
}

namespace {

struct Drag {
    QMimeData data;
    explicit Drag(const QString& text) { data.setText(text); }
    Drag() { data.setUrls({QUrl::fromLocalFile("/tmp/x")}); }
    void enter(QWidget& w, QPoint p) {
        QDragEnterEvent e(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    bool move(QWidget& w, QPoint p) {
        QDragMoveEvent e(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
        return e.isAccepted();
    }
    void leave(QWidget& w) {
        QDragLeaveEvent e;
        QApplication::sendEvent(&w, &e);
    }
    void drop(QWidget& w, QPoint p) {
        QDropEvent e(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
};

} // namespace

void DropWindowTest::dragGrowsShowsZonesAndShrinksBack() {
    DropWindow window([] { return std::optional<QString>(); });
    window.show();
    const QRect rest = window.geometry();

    Drag drag("hello");
    drag.enter(window, QPoint(5, 5));
    QVERIFY(window.isGrown());
    QCOMPARE(window.size(), drop::kLargeSize);
    QCOMPARE(window.geometry().bottomRight(), rest.bottomRight());
    QCOMPARE(window.zone(), Zone::NewTopic);
    // No topic open: the editor side refuses the drop.
    QVERIFY(!drag.move(window, QPoint(100, 50)));
    QCOMPARE(window.zone(), Zone::None);
    QVERIFY(drag.move(window, QPoint(30, 50)));

    drag.leave(window);
    QVERIFY(!window.isGrown());
    QCOMPARE(window.geometry(), rest);
}

void DropWindowTest::dropsReportTheZoneAndTheText() {
    DropWindow window([] { return std::optional<QString>("Page.txt"); });
    window.show();
    QSignalSpy dropped(&window, &DropWindow::textDropped);
    QSignalSpy filesDropped(&window, &DropWindow::filesDropped);

    Drag text("captured");
    text.enter(window, QPoint(100, 50));
    QCOMPARE(window.zone(), Zone::AppendToTopic);
    text.drop(window, QPoint(100, 50));
    QVERIFY(!window.isGrown());
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(dropped.at(0).at(0).value<Zone>(), Zone::AppendToTopic);
    QCOMPARE(dropped.at(0).at(1).toString(), QString("captured"));

    // Files never offer the editor and capture no text; on the new-topic
    // strip they are handed on for import.
    Drag files;
    files.enter(window, QPoint(100, 50));
    QCOMPARE(window.zone(), Zone::None);
    files.drop(window, QPoint(100, 50));
    QCOMPARE(filesDropped.count(), 0);
    files.enter(window, QPoint(10, 50));
    files.drop(window, QPoint(10, 50));
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(filesDropped.count(), 1);
    QCOMPARE(filesDropped.at(0).at(0).toStringList(), QStringList({"/tmp/x"}));
}

QTEST_MAIN(DropWindowTest)
#include "drop_window_test.moc"
