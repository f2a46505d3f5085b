#include "app/desktop/drop_window.h"

#include "app/base/file_list.h"
#include "app/base/palette.h"

#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace oxlin::app {

namespace {

// Whether a drag carries text to capture. Qt reports a list of URLs as text
// too; local files and folders are not text but files to import.
bool carriesText(const QMimeData* mime) {
    if (!mime->hasText())
        return false;
    if (!mime->hasUrls())
        return true;
    const QList<QUrl> urls = mime->urls();
    return !std::all_of(urls.begin(), urls.end(),
                        [](const QUrl& url) { return url.isLocalFile(); });
}

// Takes a drag or a drop over a zone as a copy and refuses one over none;
// says whether it took it.
bool acceptAsCopy(QDropEvent* event, drop::Zone zone) {
    if (zone == drop::Zone::None) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

DropWindow::DropWindow(OpenTopicLabel openTopicLabel, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      openTopicLabel_(std::move(openTopicLabel)) {
    setObjectName(QStringLiteral("dropWindow"));
    setWindowTitle(tr(kToolTip));
    setToolTip(tr(kToolTip));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAcceptDrops(true);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    setGeometry(drop::restingRect(available));
    setFixedSize(drop::kSmallSize);

    raiseTimer_.setInterval(kRaiseIntervalMs);
    connect(&raiseTimer_, &QTimer::timeout, this, [this] {
        if (isVisible())
            raise();
    });
    raiseTimer_.start();
}

void DropWindow::keepClearOf(const QRect& area) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (grown_ || !screen)
        return;
    move(drop::restingRect(screen->availableGeometry(), drop::kSmallSize, area).topLeft());
}

void DropWindow::grow() {
    if (grown_)
        return;
    saved_ = geometry();
    grown_ = true;
    const QRect large = drop::grownRect(saved_);
    setFixedSize(large.size());
    setGeometry(large);
    raise();
    update();
}

void DropWindow::shrink() {
    if (!grown_)
        return;
    grown_ = false;
    zone_ = drop::Zone::None;
    setFixedSize(saved_.size());
    setGeometry(saved_);
    update();
}

drop::Zone DropWindow::zoneAt(const QPointF& position) const {
    return drop::zoneAt(position.toPoint(), topicLabel_.has_value(), textAvailable_);
}

void DropWindow::track(QDragMoveEvent* event) {
    const drop::Zone zone = zoneAt(event->position());
    if (zone != zone_) {
        zone_ = zone;
        update();
    }
    acceptAsCopy(event, zone);
}

void DropWindow::dragEnterEvent(QDragEnterEvent* event) {
    textAvailable_ = carriesText(event->mimeData());
    topicLabel_ = openTopicLabel_ ? openTopicLabel_() : std::nullopt;
    grow();
    track(event);
    // Entering is always accepted, so the moves that follow still arrive and
    // can find a zone; a move over no zone refuses the drop.
    event->accept();
}

void DropWindow::dragMoveEvent(QDragMoveEvent* event) {
    track(event);
}

void DropWindow::dragLeaveEvent(QDragLeaveEvent*) {
    shrink();
}

void DropWindow::dropEvent(QDropEvent* event) {
    // Text as Unicode: Qt reads text/plain;charset=utf-8 (or the locale's
    // text) into a QString, so nothing a code page cannot hold is lost.
    const drop::Zone zone = zoneAt(event->position());
    shrink();
    if (!acceptAsCopy(event, zone))
        return;
    const QMimeData* mime = event->mimeData();
    if (!carriesText(mime)) {
        // Files become topics as they would on the main window.
        if (const QStringList files = localFilePaths(mime);
            !files.isEmpty() && zone == drop::Zone::NewTopic)
            Q_EMIT filesDropped(files);
        return;
    }
    Q_EMIT textDropped(zone, mime->text());
}

void DropWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        Q_EMIT trayMenuRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton) {
        moving_ = true;
        lastCursor_ = event->globalPosition().toPoint();
        setCursor(Qt::SizeAllCursor);
    }
}

void DropWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!moving_)
        return;
    const QPoint cursor = event->globalPosition().toPoint();
    move(pos() + (cursor - lastCursor_));
    lastCursor_ = cursor;
}

void DropWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && moving_) {
        moving_ = false;
        unsetCursor();
    }
}

void DropWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT showMainWindowRequested();
}

void DropWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (grown_)
        paintLarge(painter);
    else
        paintSmall(painter);
}

void DropWindow::paintSmall(QPainter& painter) const {
    // A notebook with a tab: readable at icon size on any background.
    const QRect r = rect();
    painter.fillRect(r, palette::kDropFrame);
    painter.fillRect(r.adjusted(2, 2, -2, -2), palette::kDropEditorPane);
    painter.fillRect(QRect(2, 2, r.width() - 4, 5), palette::kDropTitleBar);
    painter.setPen(QPen(palette::kDropLines, 1));
    for (int y = 10; y < r.height() - 3; y += 3)
        painter.drawLine(5, y, r.width() - 6, y);
    painter.fillRect(QRect(r.width() - 7, r.height() - 9, 4, 6), palette::kDropHighlight);
}

void DropWindow::paintLarge(QPainter& painter) const {
    // The main window in miniature: title bar, tree pane left, editor right.
    const QRect r = rect();
    painter.fillRect(r, palette::kDropFrame);
    painter.fillRect(QRect(1, 1, r.width() - 2, 10), palette::kDropTitleBar);
    const QRect tree(QPoint(2, 13), QPoint(drop::kLeftZoneEnd - 1, r.height() - 9));
    const QRect editor(QPoint(63, 13), QPoint(r.width() - 2, r.height() - 9));
    painter.fillRect(tree, palette::kDropTreePane);
    painter.fillRect(editor, palette::kDropEditorPane);
    painter.fillRect(QRect(2, r.height() - 7, r.width() - 4, 5),
                     palette::kDropTreePane.darker(110));

    // Rows of a tree in the left pane, lines of text in the right one.
    painter.setPen(QPen(palette::kDropLines, 1));
    for (int y = tree.top() + 5, row = 0; y < tree.bottom() - 3; y += 7, ++row) {
        const int indent = tree.left() + 4 + (row % 3) * 6;
        painter.fillRect(QRect(indent, y - 2, 4, 4), palette::kDropTitleBar);
        painter.drawLine(indent + 7, y, tree.right() - 6, y);
    }
    for (int y = editor.top() + 5; y < editor.bottom() - 3; y += 5)
        painter.drawLine(editor.left() + 4, y, editor.right() - 8, y);

    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    if (zone_ == drop::Zone::None)
        return;
    painter.setPen(QPen(palette::kDropHighlight, 2));
    const QRect frame = drop::highlightFrame(zone_, r.size());
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (zone_ == drop::Zone::AppendToTopic && topicLabel_) {
        painter.setPen(Qt::black);
        painter.drawText(frame.adjusted(2, 3, -2, -3), Qt::AlignLeft | Qt::AlignTop, *topicLabel_);
    }
}

} // namespace oxlin::app
