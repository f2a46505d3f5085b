#pragma once

#include "richtext/text_objects.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QStringList>

#include <optional>

class QMimeData;
class QTextCursor;

namespace oxlin::app {

// A picture ready to go into a topic: what the editor shows, and the bytes a
// topic keeps (PNG or JPEG, which every RTF reader draws).
struct Picture {
    QImage shown;
    QByteArray encoded;
    richtext::PictureKind kind = richtext::PictureKind::Png;
    QSizeF displaySize;
};

// Pictures larger than this on their longer side are shown scaled down to it
// (and decoded only at that size): a 12000 x 9000 photograph stays a picture
// the editor can lay out and paint at typing speed.
inline constexpr int kLargestShownSide = 2000;

// Decodes image file bytes in any format the installed image plugins read.
// PNG and JPEG keep their bytes; other formats are stored as PNG. Nothing
// when the bytes are not an image.
std::optional<Picture> pictureFromBytes(const QByteArray& bytes);
// A decoded image (the clipboard's), stored as PNG.
Picture pictureFromImage(const QImage& image);

// Inserts the picture at the cursor, replacing its selection.
void insertPicture(QTextCursor& cursor, const Picture& picture);

// The open-dialog filters of Insert picture: every image type Qt reads, then
// the most common ones (GIF, JPEG, BMP) by themselves.
QStringList pictureFileFilters();

// Rich text on the clipboard: RTF bytes when another program offers them.
QByteArray rtfFromMime(const QMimeData& source);

} // namespace oxlin::app
