#pragma once

// The drop window's geometry and zones, apart from the widget so they can be
// checked without a screen. Coordinates are logical pixels; the pictures are
// drawn at those sizes and scaled crisply by the device pixel ratio.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace oxlin::app::drop {

// The small picture (the window at rest) and the large one (during a drag).
inline constexpr QSize kSmallSize{22, 25};
inline constexpr QSize kLargeSize{130, 107};
// The left zone takes x from 0 up to, not including, this column.
inline constexpr int kLeftZoneEnd = 61;
// Distance from the right and bottom edges of the available screen area.
inline constexpr int kScreenMargin = 5;

enum class Zone { None = 0, NewTopic = 1, AppendToTopic = 2 };

// The zone under `point` (client coordinates of the large picture). The left
// strip always captures as a new topic; the rest appends to the open topic,
// and only when one is open and the drag carries text.
Zone zoneAt(QPoint point, bool topicOpen, bool textAvailable);

// The orange frame drawn around `zone` in a large picture of `size`; empty
// for Zone::None.
QRect highlightFrame(Zone zone, QSize size = kLargeSize);

// Where the window rests: its lower right corner near that of `available`,
// or just above `avoid` (the tray icon, whose panel may not be kept out of
// `available`) when it would cover it.
QRect restingRect(const QRect& available, QSize size = kSmallSize, const QRect& avoid = {});

// The large window grown from `saved` upwards and to the left, keeping the
// lower right corner; an edge that would leave the screen's origin keeps the
// saved left or top instead.
QRect grownRect(const QRect& saved, QSize large = kLargeSize);

// Captured text as a plain-text topic stores it: UTF-8, lines ending in CR LF.
QByteArray topicBytes(const QString& text);

} // namespace oxlin::app::drop
