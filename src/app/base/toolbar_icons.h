#pragma once

#include <QIcon>

namespace oxlin::app {

// The toolbar picture of command `id`: the desktop theme's icon of that
// meaning where there is one, else our own drawing; null for a command
// without a button.
QIcon toolbarIcon(int id);

} // namespace oxlin::app
