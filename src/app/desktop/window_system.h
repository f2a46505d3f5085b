#pragma once

// What the window system lets a program do with its own windows. Wayland
// leaves stacking and placing to the compositor: a program can keep no
// window above the others and put none at a position of the screen.

#include <QString>

namespace oxlin::app {

bool isWaylandSession();
bool windowsCanStayOnTop();
bool windowsCanBePlaced();
// Why Always on Top does nothing here; empty where it works.
QString onTopRefusal();

} // namespace oxlin::app
