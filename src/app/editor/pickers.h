#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QSize>

#include <array>
#include <optional>

namespace oxlin::app {

// The two small borderless pop-ups of the format bar: a 40-colour palette
// and a table-size grid. Each is modal while open, closes on a click outside
// it, and works from the keyboard too: the arrow keys move the highlight,
// Enter takes what is highlighted, Escape cancels.
//
// Their picture is drawn once per process and copied back on every paint;
// the area under the pointer is highlighted by ANDing it with a light cyan
// and framing it in a third of that colour.
class PickerPopup : public QDialog {
    Q_OBJECT
public:
    explicit PickerPopup(QSize size, QWidget* parent);

protected:
    // The picture of the pop-up without any highlight.
    virtual const QImage& picture() const = 0;
    // The area to highlight under `pos`, or an empty rectangle.
    virtual QRect hotArea(QPoint pos) const = 0;
    // A left click at `pos`.
    virtual void clicked(QPoint pos) = 0;
    // The arrow keys: move the keyboard highlight by (dx, dy).
    virtual void moveHighlight(int dx, int dy) = 0;
    // Enter.
    virtual void enterPressed() = 0;

    void setHighlight(const QRect& area);
    // Opens at `globalPos` (kept on its screen) and waits for the choice.
    int openAt(QPoint globalPos);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect highlight_;
    QPoint lastRedraw_{-100, -100};
};

class ColourPicker final : public PickerPopup {
    Q_OBJECT
public:
    static constexpr QSize kSize{152, 162};
    // The palette, 5 rows of 8, left to right.
    static const std::array<QRgb, 40> kPalette;

    explicit ColourPicker(QWidget* parent = nullptr);

    // Opens at `globalPos`; the picked colour, or nothing when cancelled.
    std::optional<QColor> pick(QPoint globalPos);
    // What the last closing chose (for a pop-up shown without pick()).
    std::optional<QColor> chosen() const { return chosen_; }

    // The colour picked last in this process; black before any pick. Enter
    // without a highlighted cell applies it.
    static QColor lastPicked();

    // Hit areas, in the pop-up's coordinates.
    static int paletteIndexAt(QPoint pos); // -1 outside the palette
    static QRect paletteCell(int index);
    static constexpr QRect kMoreBand{4, 14, 143, 21};
    static constexpr QRect kCancelBand{4, 137, 143, 21};

protected:
    const QImage& picture() const override;
    QRect hotArea(QPoint pos) const override;
    void clicked(QPoint pos) override;
    void moveHighlight(int dx, int dy) override;
    void enterPressed() override;

private:
    void choose(const QColor& colour);
    void openMoreColours();

    std::optional<QColor> chosen_;
    int keyboardCell_ = -1;
};

class TableSizePicker final : public PickerPopup {
    Q_OBJECT
public:
    static constexpr QSize kSize{146, 139};
    static constexpr int kRows = 4;
    static constexpr int kColumns = 5;

    explicit TableSizePicker(QWidget* parent = nullptr);

    // Opens at `globalPos`; columns x rows as width x height, or nothing.
    std::optional<QSize> pick(QPoint globalPos);
    std::optional<QSize> chosen() const { return chosen_; }

    // The cell under `pos` as (column, row) counted from 1, or nothing.
    static std::optional<QSize> cellAt(QPoint pos);
    static constexpr QRect kCancelBand{4, 118, 138, 17};

protected:
    const QImage& picture() const override;
    QRect hotArea(QPoint pos) const override;
    void clicked(QPoint pos) override;
    void moveHighlight(int dx, int dy) override;
    void enterPressed() override;

private:
    static QRect blockUpTo(QSize cell);

    std::optional<QSize> chosen_;
    QSize keyboardCell_; // invalid until an arrow key is pressed
};

} // namespace oxlin::app
