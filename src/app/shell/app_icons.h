#pragma once

#include <QIcon>
#include <QPixmap>

namespace oxlin::app {

// The application's own pictures, drawn in code so they scale cleanly and
// need no resource files. Where the desktop theme has a folder or document
// icon, the tree uses the theme's; these are the fallbacks and the brand.
QIcon applicationIcon();
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
