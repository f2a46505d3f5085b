#include "app/shell/window_placement.h"

#include <QEvent>
#include <QWidget>

namespace oxlin::app {

namespace {

QMargins frameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

// Fits the window once its frame has become known, then goes: after that the
// window is the user's to move.
class FrameFitter final : public QObject {
public:
    FrameFitter(QWidget& window, const QRect& available)
        : QObject(&window), window_(window), available_(available) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched != &window_ ||
            (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show))
            return false;
        const QMargins frame = frameMargins(window_);
        if (frame.isNull())
            return false;
        window_.removeEventFilter(this);
        window_.setGeometry(clientRectInside(available_, frame));
        deleteLater();
        return false;
    }

private:
    QWidget& window_;
    QRect available_;
};

} // namespace

QRect clientRectInside(const QRect& available, const QMargins& frame) {
    return available.marginsRemoved(frame);
}

void placeInside(QWidget& window, const QRect& available) {
    const QMargins frame = frameMargins(window);
    window.resize(clientRectInside(available, frame).size());
    // A window's move() places its frame: the window manager puts the title
    // bar at the top of the area, and the client moves down when it is framed.
    window.move(available.topLeft());
    if (frame.isNull())
        new FrameFitter(window, available);
}

} // namespace oxlin::app
