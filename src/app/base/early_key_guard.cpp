#include "app/base/early_key_guard.h"

#include <QCoreApplication>
#include <QEvent>

namespace oxlin::app {

EarlyKeyGuard::EarlyKeyGuard(QWidget& box, Clock clock)
    : QObject(&box), box_(&box), clock_(std::move(clock)) {
    steady_.start();
    shownAt_ = now();
    QCoreApplication::instance()->installEventFilter(this);
}

EarlyKeyGuard::~EarlyKeyGuard() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

qint64 EarlyKeyGuard::now() const { return clock_ ? clock_() : steady_.elapsed(); }

bool EarlyKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!box_ || !watched->isWidgetType())
        return false;
    QWidget* widget = static_cast<QWidget*>(watched);
    if (widget != box_ && !box_->isAncestorOf(widget))
        return false;
    switch (event->type()) {
    case QEvent::Show:
        // The quiet time counts from when the box can be seen.
        if (widget == box_)
            shownAt_ = now();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        return now() - shownAt_ < kQuietMs;
    default:
        return false;
    }
}

} // namespace oxlin::app
