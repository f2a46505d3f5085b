#include "app/dialogs/about_dialog.h"

#include "app/base/app_icons.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace oxlin::app {

AboutDialog::AboutDialog(const QFont& textFont, QWidget* parent)
    : QDialog(parent), picture_(splashPicture()), textFont_(textFont) {
    setWindowTitle(tr("About"));
    setFixedSize(397, 220);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - 397) / 2, area.y() + (area.height() - 220) / 2);
    }
}

QString AboutDialog::aboutLine() {
    return tr("Oxlin Notebook, version %1").arg(QStringLiteral(OXLIN_VERSION));
}

void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QPoint at((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
    p.drawPixmap(at, picture_);
    p.setFont(textFont_);
    p.setPen(QColor(0x1f, 0x3b, 0x4d));
    p.drawText(QRect(at + QPoint(4, 133), at + QPoint(255, 160)),
               Qt::AlignLeft | Qt::AlignTop, aboutLine());
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace oxlin::app
