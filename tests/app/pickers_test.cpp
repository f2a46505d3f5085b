// The colour and table-size pop-ups: hit areas, clicks, and the keyboard.
// The pop-ups are shown without their modal loop, so no test waits on them.

#include "app/editor/pickers.h"

#include <QtTest>

using namespace oxlin::app;

class PickersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colourHitAreas();
    void colourClicksAndKeys();
    void tableHitAreas();
    void tableClicksAndKeys();
};

void PickersTest::colourHitAreas() {
    QCOMPARE(ColourPicker::kPalette.size(), size_t(40));
    QCOMPARE(ColourPicker::kPalette[9], QRgb(0xFF6600));
    QCOMPARE(ColourPicker::kPalette[39], QRgb(0xFFFFFF));
    QCOMPARE(ColourPicker::paletteIndexAt({4, 40}), 0);
    QCOMPARE(ColourPicker::paletteIndexAt({21, 57}), 0);
    QCOMPARE(ColourPicker::paletteIndexAt({22, 40}), 1);  // the next cell starts at 22
    QCOMPARE(ColourPicker::paletteIndexAt({4, 58}), 8);   // the second row
    QCOMPARE(ColourPicker::paletteIndexAt({4 + 18 * 7, 40 + 18 * 4}), 39);
    QCOMPARE(ColourPicker::paletteIndexAt({3, 40}), -1);
    QCOMPARE(ColourPicker::paletteIndexAt({4, 130}), -1); // below the palette
    QVERIFY(ColourPicker::kMoreBand.contains(QPoint(4, 14)));
    QVERIFY(!ColourPicker::kMoreBand.contains(QPoint(147, 35)));
    QVERIFY(ColourPicker::kCancelBand.contains(QPoint(146, 157)));
}

void PickersTest::colourClicksAndKeys() {
    {
        ColourPicker picker;
        picker.show();
        QTest::mouseClick(&picker, Qt::LeftButton, {}, ColourPicker::paletteCell(9).center());
        QCOMPARE(picker.chosen(), std::optional<QColor>(QColor(0xFF, 0x66, 0x00)));
        QCOMPARE(ColourPicker::lastPicked(), QColor(0xFF, 0x66, 0x00));
    }
    {
        // Enter alone applies the colour picked last.
        ColourPicker picker;
        picker.show();
        QTest::keyClick(&picker, Qt::Key_Return);
        QCOMPARE(picker.chosen(), std::optional<QColor>(QColor(0xFF, 0x66, 0x00)));
    }
    {
        // The arrows walk the palette from its first cell.
        ColourPicker picker;
        picker.show();
        QTest::keyClick(&picker, Qt::Key_Down);  // highlight cell 0
        QTest::keyClick(&picker, Qt::Key_Down);  // row 2
        QTest::keyClick(&picker, Qt::Key_Right); // column 2
        QTest::keyClick(&picker, Qt::Key_Enter);
        QCOMPARE(picker.chosen(), std::optional<QColor>(QColor(0xFF, 0x66, 0x00)));
    }
    {
        ColourPicker picker;
        picker.show();
        QTest::mouseClick(&picker, Qt::LeftButton, {}, ColourPicker::kCancelBand.center());
        QVERIFY(!picker.chosen());
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        ColourPicker escaped;
        escaped.show();
        QTest::keyClick(&escaped, Qt::Key_Escape);
        QVERIFY(!escaped.chosen());
    }
}

void PickersTest::tableHitAreas() {
    QCOMPARE(TableSizePicker::cellAt({3, 3}), std::optional<QSize>(QSize(1, 1)));
    QCOMPARE(TableSizePicker::cellAt({30, 30}), std::optional<QSize>(QSize(1, 1)));
    QCOMPARE(TableSizePicker::cellAt({31, 3}), std::optional<QSize>(QSize(2, 1)));
    // Row 2, column 3.
    QCOMPARE(TableSizePicker::cellAt({3 + 28 * 2 + 5, 3 + 28 + 5}), std::optional<QSize>(QSize(3, 2)));
    QCOMPARE(TableSizePicker::cellAt({3 + 28 * 4 + 27, 3 + 28 * 3 + 27}),
             std::optional<QSize>(QSize(5, 4)));
    QVERIFY(!TableSizePicker::cellAt({2, 3}));
    QVERIFY(!TableSizePicker::cellAt({3, 3 + 28 * 4})); // below the grid
    QVERIFY(TableSizePicker::kCancelBand.contains(QPoint(4, 118)));
    QVERIFY(!TableSizePicker::kCancelBand.contains(QPoint(142, 135)));
}

void PickersTest::tableClicksAndKeys() {
    {
        TableSizePicker picker;
        picker.show();
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(3 + 28 * 2 + 5, 3 + 28 + 5));
        QCOMPARE(picker.chosen(), std::optional<QSize>(QSize(3, 2)));
    }
    {
        // Enter without the arrows closes without a table.
        TableSizePicker picker;
        picker.show();
        QTest::keyClick(&picker, Qt::Key_Return);
        QVERIFY(!picker.chosen());
        QCOMPARE(picker.result(), int(QDialog::Accepted));
    }
    {
        TableSizePicker picker;
        picker.show();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down,
                            Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})
            QTest::keyClick(&picker, key);
        QTest::keyClick(&picker, Qt::Key_Return);
        QCOMPARE(picker.chosen(), std::optional<QSize>(QSize(5, 2))); // kept inside the grid
    }
    {
        TableSizePicker picker;
        picker.show();
        QTest::mouseClick(&picker, Qt::LeftButton, {}, TableSizePicker::kCancelBand.center());
        QVERIFY(!picker.chosen());
        QCOMPARE(picker.result(), int(QDialog::Rejected));
    }
}

QTEST_MAIN(PickersTest)
#include "pickers_test.moc"
