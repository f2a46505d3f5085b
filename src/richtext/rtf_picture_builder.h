// The picture/object builder: pictures and objects read from RTF, put into the document.
#pragma once

#include "richtext/rtf_picture_reader.h"
#include "richtext/rtf_reader.h"

#include <QByteArrayView>
#include <QImage>
#include <QSizeF>

class QTextCursor;
class QTextDocument;

class QFont;

namespace oxlin::richtext::reading {

// A picture's bytes with the image they decode to (null when Qt cannot draw
// them) and the size it is shown at, in pixels.
struct ReadPicture {
    PictureData data;
    QImage image;
    QSizeF size;
};

ReadPicture decodePicture(PictureData data);

// The bytes of `input` from `groupStart` to `groupEnd`, closed if it was cut.
QByteArray cutGroup(QByteArrayView input, qsizetype groupStart, qsizetype groupEnd);

// A footnote or endnote group's own text as an RTF document of its own, the
// text its tooltip shows and a search finds; empty for a note holding notes
// (each would read the ones inside it again, as deep as a hostile file nests
// them) and for one too long to show.
QByteArray noteTextRtf(QByteArrayView group);

// A PNG or JPEG picture becomes an image that keeps its bytes; anything else
// (metafiles, device bitmaps, objects) is kept as its original RTF group
// behind what it shows. The input, document and report must outlive the builder.
class PictureBuilder {
public:
    PictureBuilder(QByteArrayView input, QTextDocument& document, RtfReadReport& report)
        : input_(input), document_(document), report_(report) {}

    // The group that held the picture spans `groupStart` to `groupEnd` of the input.
    void insertPicture(QTextCursor& cursor, const ReadPicture& picture, qsizetype groupStart,
                       qsizetype groupEnd);
    void insertObject(QTextCursor& cursor, const ObjectDestination& object, qsizetype groupStart,
                      qsizetype groupEnd);

    // A footnote or endnote: a kept group shown as its number `number` in
    // superscript, its text in the tooltip.
    void insertFootnote(QTextCursor& cursor, qsizetype groupStart, qsizetype groupEnd, int number,
                        const QFont& font);

    // The input from `groupStart` to `groupEnd`, closed if it was cut.
    QByteArray keptGroup(qsizetype groupStart, qsizetype groupEnd) const;

private:
    QByteArrayView input_;
    QTextDocument& document_;
    RtfReadReport& report_;
};

} // namespace oxlin::richtext::reading
