#pragma once

#include "app/desktop/drop_geometry.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

namespace oxlin::app {

// The small always-on-top window that text from other programs is dragged
// onto. At rest it is an icon-sized picture near the lower right corner of
// the screen; while text is dragged over it, it grows into a miniature of
// the main window whose tree pane (new topic) and editor pane (append to the
// open topic) are the two drop zones. What a drop means is decided by
// whoever listens to `textDropped`; this class only draws, hit-tests and
// reports.
class DropWindow final : public QWidget {
    Q_OBJECT
public:
    // The label of the topic open in the editor, or nothing when none is.
    using OpenTopicLabel = std::function<std::optional<QString>()>;

    static constexpr char kToolTip[] = QT_TR_NOOP("Oxlin(Drag & Drop)");
    // Keeps it above other always-on-top windows that were raised later.
    static constexpr int kRaiseIntervalMs = 5000;

    explicit DropWindow(OpenTopicLabel openTopicLabel, QWidget* parent = nullptr);

    drop::Zone zone() const { return zone_; }
    bool isGrown() const { return grown_; }
    // Moves the window at rest off `area` (the tray icon) if it covers it.
    void keepClearOf(const QRect& area);

Q_SIGNALS:
    // Text was dropped on a zone (never Zone::None).
    void textDropped(drop::Zone zone, const QString& text);
    // Files or folders from a file manager were dropped on the new-topic zone.
    void filesDropped(const QStringList& paths);
    void showMainWindowRequested();
    void trayMenuRequested(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void grow();
    void shrink();
    drop::Zone zoneAt(const QPointF& position) const;
    // Finds the zone under `position` and accepts or refuses the drag by it.
    void track(QDragMoveEvent* event);
    void paintSmall(QPainter& painter) const;
    void paintLarge(QPainter& painter) const;

    OpenTopicLabel openTopicLabel_;
    QTimer raiseTimer_;
    QRect saved_;
    bool grown_ = false;
    drop::Zone zone_ = drop::Zone::None;
    bool textAvailable_ = false;
    std::optional<QString> topicLabel_;
    bool moving_ = false;
    QPoint lastCursor_;
};

} // namespace oxlin::app
