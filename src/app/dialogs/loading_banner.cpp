#include "app/dialogs/loading_banner.h"

#include "app/base/app_icons.h"

#include <QApplication>
#include <QPainter>

namespace oxlin::app {

LoadingBanner::LoadingBanner(const QString& text) : QSplashScreen(splashPicture()), text_(text) {
    setObjectName(QStringLiteral("loadingBanner"));
}

void LoadingBanner::drawContents(QPainter* painter) {
    painter->setPen(QColor(0x1f, 0x3b, 0x4d));
    painter->setFont(QApplication::font());
    painter->drawText(QRect(QPoint(4, 133), QPoint(255, 160)), Qt::AlignLeft | Qt::AlignVCenter,
                      text_);
}

} // namespace oxlin::app
