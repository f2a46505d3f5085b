#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace oxlin::app {

// The client rectangle of a window whose frame, `frame` wide on each side,
// fills `available` (the screen less its panels): the title bar and the
// borders stay on the screen, where they can be grabbed.
QRect clientRectInside(const QRect& available, const QMargins& frame);

// Gives `window` the whole of `available`, frame included. The window
// manager's frame is known only once it has framed the window, so the
// window is fitted again when it learns its frame.
void placeInside(QWidget& window, const QRect& available);

} // namespace oxlin::app
