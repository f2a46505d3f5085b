#include "app/base/app_icons.h"

#include "app/base/palette.h"
#include <QFont>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace oxlin::app {

namespace {

using Painter = std::function<void(QPainter&)>;

// The sizes the desktop asks icons in, from menus to large views.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Draws on a 32 x 32 canvas scaled to each size the icon offers.
QIcon drawnIcon(const Painter& paint) {
    QIcon icon;
    for (int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        paint(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawPage(QPainter& p, const QColor& accent) {
    QPainterPath page;
    page.moveTo(7.5, 2.5);
    page.lineTo(19.5, 2.5);
    page.lineTo(25.5, 8.5);
    page.lineTo(25.5, 29.5);
    page.lineTo(7.5, 29.5);
    page.closeSubpath();
    p.setPen(QPen(palette::kInk, 1.2));
    p.setBrush(palette::kPaper);
    p.drawPath(page);
    p.setBrush(palette::kPageFold);
    QPainterPath fold;
    fold.moveTo(19.5, 2.5);
    fold.lineTo(19.5, 8.5);
    fold.lineTo(25.5, 8.5);
    fold.closeSubpath();
    p.drawPath(fold);
    p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap));
}

} // namespace

QIcon applicationIcon() {
    // The one picture of the program: the same file is installed as the
    // desktop's icon, so the window, the tray and the menus all agree.
    static const QIcon icon = [] {
        QIcon rendered;
        for (int size : kIconSizes) {
            QImageReader reader(QString::fromLatin1(kApplicationIconResource), "svg");
            reader.setScaledSize(QSize(size, size));
            const QImage image = reader.read();
            if (!image.isNull())
                rendered.addPixmap(QPixmap::fromImage(image));
        }
        return rendered;
    }();
    return icon;
}

QIcon folderIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) {
        p.setPen(QPen(palette::kAmberDark, 1.2));
        p.setBrush(palette::kAmberDark);
        QPainterPath back;
        back.moveTo(2.5, 7.5);
        back.lineTo(12, 7.5);
        back.lineTo(14.5, 10);
        back.lineTo(29.5, 10);
        back.lineTo(29.5, 26.5);
        back.lineTo(2.5, 26.5);
        back.closeSubpath();
        p.drawPath(back);
        QLinearGradient front(0, 12, 0, 27);
        front.setColorAt(0, palette::kAmberLight);
        front.setColorAt(1, palette::kAmber);
        p.setBrush(front);
        p.drawRoundedRect(QRectF(2.5, 12.5, 27, 14), 1.5, 1.5);
    });
    return icon;
}

QIcon textTopicIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) {
        drawPage(p, palette::kSlate);
        for (qreal y : {12.0, 16.0, 20.0, 24.0})
            p.drawLine(QPointF(11, y), QPointF(y == 24.0 ? 17 : 22, y));
    });
    return icon;
}

QIcon richTextTopicIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) {
        drawPage(p, palette::kTeal);
        p.drawLine(QPointF(11, 12), QPointF(16, 12));
        p.setPen(QPen(palette::kRed, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 16), QPointF(22, 16));
        p.setPen(QPen(palette::kTeal, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 20), QPointF(22, 20));
        p.setPen(QPen(palette::kAmberDark, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 24), QPointF(18, 24));
    });
    return icon;
}

QIcon genericTopicIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) { drawPage(p, palette::kInk); });
    return icon;
}

QIcon programTopicIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) {
        p.setPen(QPen(palette::kInk, 1.2));
        p.setBrush(palette::kPaper);
        p.drawRoundedRect(QRectF(3.5, 5.5, 25, 21), 2, 2);
        p.setBrush(palette::kInk);
        p.drawRect(QRectF(3.5, 5.5, 25, 5));
        p.setPen(QPen(palette::kTeal, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 15), QPointF(12, 18.5));
        p.drawLine(QPointF(12, 18.5), QPointF(8, 22));
        p.drawLine(QPointF(14, 22), QPointF(20, 22));
    });
    return icon;
}

QIcon topicsTabIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) {
        // A root with two branches, one of them with a child.
        p.setPen(QPen(palette::kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath links;
        links.moveTo(8, 9);
        links.lineTo(8, 24);
        links.lineTo(15, 24);
        links.moveTo(8, 15);
        links.lineTo(15, 15);
        links.moveTo(19, 15);
        links.lineTo(19, 24);
        p.drawPath(links);
        p.setPen(QPen(palette::kInk, 1.2));
        p.setBrush(palette::kAmber);
        p.drawRoundedRect(QRectF(3.5, 3.5, 10, 7), 1.5, 1.5);
        p.setBrush(palette::kTealLight);
        p.drawRoundedRect(QRectF(14.5, 11.5, 12, 7), 1.5, 1.5);
        p.setBrush(palette::kPaper);
        p.drawRoundedRect(QRectF(14.5, 20.5, 14, 7), 1.5, 1.5);
    });
    return icon;
}

QIcon indexTabIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) {
        // Index cards with a letter tab.
        p.setPen(QPen(palette::kInk, 1.2));
        p.setBrush(palette::kPaper);
        p.drawRoundedRect(QRectF(6.5, 4.5, 20, 24), 2, 2);
        p.setBrush(palette::kTeal);
        p.drawRoundedRect(QRectF(3.5, 8.5, 6, 7), 1.5, 1.5);
        p.setBrush(palette::kAmber);
        p.drawRoundedRect(QRectF(3.5, 17.5, 6, 7), 1.5, 1.5);
        p.setPen(QPen(palette::kSlate, 2, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {10.0, 15.0, 20.0, 25.0})
            p.drawLine(QPointF(13, y), QPointF(y == 25.0 ? 18 : 23, y));
    });
    return icon;
}

QIcon searchTabIcon() {
    static const QIcon icon = drawnIcon([](QPainter& p) {
        // A magnifying glass.
        p.setPen(QPen(palette::kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19.5, 19.5), QPointF(27.5, 27.5));
        p.setPen(QPen(palette::kInk, 2));
        p.setBrush(palette::kMint);
        p.drawEllipse(QPointF(13, 13), 9, 9);
        p.setPen(QPen(palette::kTealLight, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7.5, 7.5, 11, 11), 100 * 16, 70 * 16);
    });
    return icon;
}

QPixmap splashPicture() {
    const QSize size(389, 166);
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, palette::kTealDeep);
    sky.setColorAt(1, palette::kTeal);
    p.fillRect(pixmap.rect(), sky);
    // Soft ruled lines, as on a notebook page.
    p.setPen(QPen(palette::kSplashRules, 1));
    for (int y = 18; y < 126; y += 12)
        p.drawLine(0, y, size.width(), y);
    // The band the caller writes its line of text into.
    p.fillRect(QRect(0, 128, size.width(), size.height() - 128), palette::kPaper);
    p.setPen(QPen(palette::kAmber, 3));
    p.drawLine(0, 128, size.width(), 128);

    applicationIcon().paint(&p, QRect(22, 22, 84, 84));

    QFont title(QStringLiteral("Sans Serif"));
    title.setPixelSize(38);
    title.setWeight(QFont::DemiBold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(122, 28, 260, 48), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Oxlin"));
    QFont subtitle(QStringLiteral("Sans Serif"));
    subtitle.setPixelSize(17);
    p.setFont(subtitle);
    p.setPen(palette::kMint);
    p.drawText(QRect(124, 74, 260, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Notebook"));
    return pixmap;
}

} // namespace oxlin::app
