#include "app/desktop/drop_geometry.h"

#include <algorithm>

namespace oxlin::app::drop {

Zone zoneAt(QPoint point, bool topicOpen, bool textAvailable) {
    if (point.x() < kLeftZoneEnd)
        return Zone::NewTopic;
    return topicOpen && textAvailable ? Zone::AppendToTopic : Zone::None;
}

QRect highlightFrame(Zone zone, QSize size) {
    // Left, top, right and bottom edges as the picture's panes lie.
    switch (zone) {
    case Zone::NewTopic: return QRect(QPoint(2, 13), QPoint(60, size.height() - 9));
    case Zone::AppendToTopic:
        return QRect(QPoint(63, 13), QPoint(size.width() - 2, size.height() - 9));
    case Zone::None: break;
    }
    return {};
}

QRect restingRect(const QRect& available, QSize size, const QRect& avoid) {
    const int left = available.x() + available.width() - size.width() - kScreenMargin;
    const int top = available.y() + available.height() - size.height() - kScreenMargin;
    const QRect rest(QPoint(left, top), size);
    if (avoid.isEmpty() || !rest.intersects(avoid))
        return rest;
    return QRect(QPoint(left, std::max(available.y(), avoid.y() - size.height() - kScreenMargin)),
                 size);
}

QRect grownRect(const QRect& saved, QSize large) {
    const int right = saved.x() + saved.width();
    const int bottom = saved.y() + saved.height();
    int left = right - large.width();
    int top = bottom - large.height();
    if (left < 0)
        left = saved.x();
    if (top < 0)
        top = saved.y();
    return QRect(QPoint(left, top), large);
}

QByteArray topicBytes(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return lines.toUtf8();
}

} // namespace oxlin::app::drop
