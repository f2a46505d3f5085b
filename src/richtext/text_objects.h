// Pictures and kept objects as image characters of a QTextDocument.
#pragma once

// Pictures and kept objects inside a QTextDocument.
//
// A picture is an image character (QTextImageFormat) whose image is a
// resource of the document. Pictures read from a topic also keep their encoded
// bytes (PNG or JPEG), so saving writes the very bytes that were read.
// Content that Qt cannot draw (metafiles, OLE objects, device bitmaps) is kept
// as its original RTF group and shown as a framed placeholder of its size; the
// writer puts the group back unchanged.

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QTextFormat>
#include <QTextImageFormat>

class QTextDocument;

namespace oxlin::richtext {

enum class PictureKind { Png = 1, Jpeg = 2 };

// Properties set on the QTextImageFormat of pictures and kept objects.
enum TextObjectProperty {
    kPictureDataProperty = QTextFormat::UserProperty + 0x4f00, // QByteArray, encoded image
    kPictureKindProperty,                                      // int, a PictureKind
    kKeptRtfProperty, // QByteArray, an RTF group ({...}) written back verbatim
    // QByteArray on the root frame: the page headers and footers, page size
    // and margins of a document read, written back before its text.
    kKeptDocumentRtfProperty,
    // QString on the result text of a field other than a hyperlink (a page
    // number, a date, a table of contents): its instruction, written back
    // around the text.
    kFieldInstructionProperty,
    // bool on text read without a size of its own: it shows in the editor's
    // default font, and is written back without \fs so other programs read
    // it at their default size as before.
    kSizeUnstatedProperty,
};

// Document units are pixels at 96 dpi: 15 twips each.
constexpr double kTwipsPerPixel = 15.0;

// Adds `image` as a resource of `document` and returns the format to insert
// with QTextCursor::insertImage. `encoded` may be empty (the writer then
// encodes the image as PNG). `displaySize` in pixels; empty means the image's.
QTextImageFormat makePictureFormat(QTextDocument& document, const QImage& image,
                                   const QByteArray& encoded, PictureKind kind,
                                   QSizeF displaySize = {});

// Adds a kept object: `rtfGroup` is stored on the format and written back as
// is; `shown` is drawn (a placeholder frame when null).
QTextImageFormat makeKeptObjectFormat(QTextDocument& document, const QByteArray& rtfGroup,
                                      QSizeF displaySize, const QImage& shown = {});

// A white, framed, crossed image standing for content that cannot be drawn.
QImage placeholderImage(QSize size);

// The image a picture character shows, from the document's resources (null if none).
QImage pictureImage(const QTextDocument& document, const QTextImageFormat& format);

} // namespace oxlin::richtext
