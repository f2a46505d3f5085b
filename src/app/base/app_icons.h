#pragma once

#include <QIcon>
#include <QPixmap>

namespace oxlin::app {

// The application's own pictures. The small ones are drawn in code; where
// the desktop theme has a folder or document icon, the tree uses the
// theme's, and these are the fallbacks.
// The program's icon, rendered from the SVG compiled in as
// kApplicationIconResource (desktop/oxlin-notebook.svg, also the installed
// icon). Empty when the platform cannot read SVG.
QIcon applicationIcon();
inline constexpr char kApplicationIconResource[] = ":/icons/oxlin-notebook.svg";
QIcon folderIcon();
QIcon textTopicIcon();
QIcon richTextTopicIcon();
QIcon genericTopicIcon();
QIcon programTopicIcon();

// The side pane's tabs: the topic tree, the Locate list, the keyword search.
QIcon topicsTabIcon();
QIcon indexTabIcon();
QIcon searchTabIcon();

// The picture of the loading banner and the About box. Text is drawn by the
// caller in the band from y = 133 to y = 160, x = 4 to x = 255.
QPixmap splashPicture();

} // namespace oxlin::app
