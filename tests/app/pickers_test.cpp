// The colour and table-size pop-ups: hit areas, clicks, and the keyboard;
// the font dialog's set-up and answer. The pop-ups are shown without their
// modal loop and the font dialog is not shown, so no test waits on them.

#include "app/editor/font_choice.h"
#include "app/editor/pickers.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QtTest>

using namespace oxlin::app;

class PickersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colourHitAreas();
    void colourClicksAndKeys();
    void tableHitAreas();
    void tableClicksAndKeys();
    void fontDialogOpensOnTheSelectionsFont();
    void fontAnswerKeepsWhatTheUserLeft();
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

namespace {
QFont boldItalicArial() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10.5);
    font.setBold(true);
    font.setItalic(true);
    return font;
}
} // namespace

void PickersTest::fontDialogOpensOnTheSelectionsFont() {
    QFont initial = boldItalicArial();
    initial.setUnderline(true);
    initial.setStrikeOut(true);
    QFontDialog dialog;
    prepareFontDialog(dialog, initial);
    const QFont shown = dialog.currentFont();
    QCOMPARE(shown.family(), QFontInfo(initial).family()); // a family the dialog lists
    QVERIFY(shown.bold());
    QVERIFY(shown.italic());
    QVERIFY(shown.underline());
    QVERIFY(shown.strikeOut());
    QVERIFY(qAbs(shown.pointSizeF() - 10.5) <= 0.5); // the dialog offers whole sizes

    // OK without a change answers the selection's own font.
    QCOMPARE(fontAnswer(initial, shown, dialog.currentFont()), initial);
}

void PickersTest::fontAnswerKeepsWhatTheUserLeft() {
    const QFont initial = boldItalicArial();
    QFont shown(QStringLiteral("DejaVu Sans"));
    shown.setPointSize(10);
    shown.setBold(true);
    shown.setItalic(true);

    QFont larger = shown;
    larger.setPointSize(16);
    const QFont sized = fontAnswer(initial, shown, larger);
    QCOMPARE(sized.pointSizeF(), 16.0);
    QCOMPARE(sized.family(), QStringLiteral("Arial"));
    QVERIFY(sized.bold() && sized.italic());

    // A style chosen in the same family is taken.
    QFont regular = shown;
    regular.setBold(false);
    regular.setItalic(false);
    const QFont restyled = fontAnswer(initial, shown, regular);
    QVERIFY(!restyled.bold() && !restyled.italic());
    QCOMPARE(restyled.pointSizeF(), 10.5);

    // A family without the selection's style keeps its weight and slant.
    QFont other(QStringLiteral("No Such Family Here"));
    other.setPointSize(10);
    const QFont refamilied = fontAnswer(initial, shown, other);
    QCOMPARE(refamilied.family(), QStringLiteral("No Such Family Here"));
    QVERIFY(refamilied.bold() && refamilied.italic());

    QFont underlined = shown;
    underlined.setUnderline(true);
    QVERIFY(fontAnswer(initial, shown, underlined).underline());
}

QTEST_MAIN(PickersTest)
#include "pickers_test.moc"
