#include "app/editor/pickers.h"

#include "app/base/palette.h"
#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace oxlin::app {

namespace {

// A rectangle given by its edges, the right and bottom ones outside it.
constexpr QRect edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

QImage blankPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(palette::kPickerBackground);
    QPainter p(&image);
    p.setPen(palette::kPickerBorder);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return image;
}

void centredText(QPainter& p, const QRect& area, const QString& text) {
    p.setPen(Qt::black);
    p.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
}

QColor lastPickedColour = Qt::black;

} // namespace

// ---- common pop-up ---------------------------------------------------------

PickerPopup::PickerPopup(QSize size, QWidget* parent) : QDialog(parent, Qt::Popup) {
    setFixedSize(size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PickerPopup::setHighlight(const QRect& area) {
    if (area == highlight_)
        return;
    highlight_ = area;
    update();
}

int PickerPopup::openAt(QPoint globalPos) {
    // The pop-up opens at the pointer, kept wholly on its screen.
    QPoint at = globalPos;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    }
    move(at);
    return exec();
}

void PickerPopup::paintEvent(QPaintEvent*) {
    QImage shown = picture();
    if (!highlight_.isEmpty()) {
        QPainter p(&shown);
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.fillRect(highlight_, palette::kPickerHighlight);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(QColor(palette::kPickerHighlight.red() / 3, palette::kPickerHighlight.green() / 3,
                        palette::kPickerHighlight.blue() / 3));
        p.drawRect(highlight_.adjusted(0, 0, -1, -1));
    }
    QPainter(this).drawImage(0, 0, shown);
}

void PickerPopup::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    // Small movements keep the highlight as it is: the picture is not
    // copied back for every pixel the pointer moves.
    if (std::abs(pos.x() - lastRedraw_.x()) < 5 && std::abs(pos.y() - lastRedraw_.y()) <= 4)
        return;
    lastRedraw_ = pos;
    setHighlight(hotArea(pos));
}

void PickerPopup::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos)) {
        reject(); // a click outside closes the pop-up
        return;
    }
    if (event->button() == Qt::LeftButton)
        clicked(pos);
}

void PickerPopup::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enterPressed();
        return;
    case Qt::Key_Left:
        moveHighlight(-1, 0);
        return;
    case Qt::Key_Right:
        moveHighlight(1, 0);
        return;
    case Qt::Key_Up:
        moveHighlight(0, -1);
        return;
    case Qt::Key_Down:
        moveHighlight(0, 1);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// ---- colour palette --------------------------------------------------------

const std::array<QRgb, 40> ColourPicker::kPalette = {
    0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333399, 0x333333,
    0x800000, 0xFF6600, 0x808000, 0x008000, 0x008080, 0x0000FF, 0x666699, 0x808080,
    0xFF0000, 0xFF9900, 0x99CC00, 0x339966, 0x33CCCC, 0x3366FF, 0x800080, 0x999999,
    0xFF00FF, 0xFFCC00, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x00CCFF, 0x993366, 0xC0C0C0,
    0xFF99CC, 0xFFCC99, 0xFFFF99, 0xCCFFCC, 0xCCFFFF, 0x99CCFF, 0xCC99FF, 0xFFFFFF,
};

ColourPicker::ColourPicker(QWidget* parent) : PickerPopup(kSize, parent) {
    setObjectName(QStringLiteral("colourPicker"));
}

QColor ColourPicker::lastPicked() {
    return lastPickedColour;
}

std::optional<QColor> ColourPicker::pick(QPoint globalPos) {
    chosen_.reset();
    openAt(globalPos);
    return chosen_;
}

int ColourPicker::paletteIndexAt(QPoint pos) {
    for (int i = 0; i < int(kPalette.size()); ++i)
        if (paletteCell(i).contains(pos))
            return i;
    return -1;
}

QRect ColourPicker::paletteCell(int index) {
    const int row = index / 8;
    const int column = index % 8;
    return edges(4 + 18 * column, 40 + 18 * row, 22 + 18 * column, 58 + 18 * row);
}

const QImage& ColourPicker::picture() const {
    static const QImage cached = [] {
        QImage image = blankPicture(kSize);
        QPainter p(&image);
        p.fillRect(edges(2, 4, 150, 11), palette::kPickerGrip);
        for (int k = 0; k < 18; ++k) {
            const int x = 39 + 5 * k;
            p.fillRect(x, 7, 2, 2, palette::kPickerBackground);
            p.fillRect(x - 1, 6, 2, 2, palette::kPickerGripDot);
        }
        p.setPen(palette::kPickerBorder);
        p.drawRect(edges(11, 20, 22, 31).adjusted(0, 0, -1, -1));
        centredText(p, edges(23, 20, 146, 31), tr("More..."));
        centredText(p, edges(23, 142, 146, 153), tr("Cancel"));
        for (int i = 0; i < int(kPalette.size()); ++i) {
            const QRect swatch = edges(7, 43, 19, 55).translated(18 * (i % 8), 18 * (i / 8));
            p.fillRect(swatch, QColor::fromRgb(kPalette[size_t(i)]));
            p.setPen(palette::kPickerBorder);
            p.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
        return image;
    }();
    return cached;
}

QRect ColourPicker::hotArea(QPoint pos) const {
    if (kMoreBand.contains(pos))
        return kMoreBand;
    if (kCancelBand.contains(pos))
        return kCancelBand;
    const int index = paletteIndexAt(pos);
    return index >= 0 ? paletteCell(index) : QRect();
}

void ColourPicker::choose(const QColor& colour) {
    lastPickedColour = colour;
    chosen_ = colour;
    accept();
}

void ColourPicker::openMoreColours() {
    // The full dialog starts on black, with sixteen custom colours of
    // rising blue to pick from.
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, QColor(0, 0, 16 * i));
    const QColor colour = QColorDialog::getColor(Qt::black, this);
    if (colour.isValid())
        choose(colour);
    else
        reject();
}

void ColourPicker::clicked(QPoint pos) {
    if (kMoreBand.contains(pos)) {
        openMoreColours();
        return;
    }
    if (kCancelBand.contains(pos)) {
        reject();
        return;
    }
    const int index = paletteIndexAt(pos);
    if (index >= 0)
        choose(QColor::fromRgb(kPalette[size_t(index)]));
}

void ColourPicker::moveHighlight(int dx, int dy) {
    if (keyboardCell_ < 0) {
        keyboardCell_ = 0;
    } else {
        const int row = std::clamp(keyboardCell_ / 8 + dy, 0, 4);
        const int column = std::clamp(keyboardCell_ % 8 + dx, 0, 7);
        keyboardCell_ = row * 8 + column;
    }
    setHighlight(paletteCell(keyboardCell_));
}

void ColourPicker::enterPressed() {
    choose(keyboardCell_ >= 0 ? QColor::fromRgb(kPalette[size_t(keyboardCell_)]) : lastPicked());
}

// ---- table size --------------------------------------------------------------

TableSizePicker::TableSizePicker(QWidget* parent) : PickerPopup(kSize, parent) {
    setObjectName(QStringLiteral("tableSizePicker"));
}

std::optional<QSize> TableSizePicker::pick(QPoint globalPos) {
    chosen_.reset();
    openAt(globalPos);
    return chosen_;
}

std::optional<QSize> TableSizePicker::cellAt(QPoint pos) {
    for (int row = 1; row <= kRows; ++row)
        for (int column = 1; column <= kColumns; ++column)
            if (edges(3, 3, 31, 31).translated(28 * (column - 1), 28 * (row - 1)).contains(pos))
                return QSize(column, row);
    return std::nullopt;
}

QRect TableSizePicker::blockUpTo(QSize cell) {
    return edges(3, 3, 31 + 28 * (cell.width() - 1), 31 + 28 * (cell.height() - 1));
}

const QImage& TableSizePicker::picture() const {
    static const QImage cached = [] {
        QImage image = blankPicture(kSize);
        QPainter p(&image);
        p.setPen(palette::kPickerBorder);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                p.drawRect(
                    edges(4, 4, 30, 30).translated(28 * column, 28 * row).adjusted(0, 0, -1, -1));
        centredText(p, edges(4, 120, 142, 132), tr("Cancel"));
        return image;
    }();
    return cached;
}

QRect TableSizePicker::hotArea(QPoint pos) const {
    if (kCancelBand.contains(pos))
        return kCancelBand;
    const std::optional<QSize> cell = cellAt(pos);
    return cell ? blockUpTo(*cell) : QRect();
}

void TableSizePicker::clicked(QPoint pos) {
    if (kCancelBand.contains(pos)) {
        reject();
        return;
    }
    if (const std::optional<QSize> cell = cellAt(pos)) {
        chosen_ = cell;
        accept();
    }
}

void TableSizePicker::moveHighlight(int dx, int dy) {
    if (!keyboardCell_.isValid())
        keyboardCell_ = QSize(1, 1);
    else
        keyboardCell_ = QSize(std::clamp(keyboardCell_.width() + dx, 1, kColumns),
                              std::clamp(keyboardCell_.height() + dy, 1, kRows));
    setHighlight(blockUpTo(keyboardCell_));
}

void TableSizePicker::enterPressed() {
    // Enter alone closes without a table; after the arrow keys it takes
    // the block they highlighted.
    if (keyboardCell_.isValid())
        chosen_ = keyboardCell_;
    accept();
}

} // namespace oxlin::app
