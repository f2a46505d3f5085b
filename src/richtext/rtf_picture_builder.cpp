// Pictures and objects put into the document, as images or as kept RTF groups.
#include "richtext/rtf_picture_builder.h"

#include "richtext/text_objects.h"
#include "richtext/visible_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace oxlin::richtext::reading {

namespace {

QImage imageFromDib(const QByteArray& dib) {
    if (dib.size() < 40)
        return {};
    // A DIB is a BMP file without its 14-byte file header.
    const auto u32 = [&](int at) {
        return quint32(uchar(dib[at])) | quint32(uchar(dib[at + 1])) << 8 |
               quint32(uchar(dib[at + 2])) << 16 | quint32(uchar(dib[at + 3])) << 24;
    };
    const quint32 headerSize = u32(0);
    const quint16 bitCount = quint16(uchar(dib[14]) | uchar(dib[15]) << 8);
    quint32 colours = u32(32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    const quint32 offset = 14 + headerSize + 4 * std::min<quint32>(colours, 256);
    QByteArray file("BM");
    const quint32 fileSize = quint32(14 + dib.size());
    for (quint32 v : {fileSize, 0u, offset})
        for (int b = 0; b < 4; ++b)
            file.append(char((v >> (8 * b)) & 0xff));
    file.append(dib);
    return QImage::fromData(file, "BMP");
}

QSizeF pictureSize(const PictureData& p, const QImage& image) {
    double w = 0, h = 0; // twips
    if (p.goalW > 0 && p.goalH > 0) {
        w = p.goalW;
        h = p.goalH;
    } else if (!image.isNull()) {
        w = image.width() * kTwipsPerPixel;
        h = image.height() * kTwipsPerPixel;
    } else if (p.picW > 0 && p.picH > 0) {
        // Metafile extents are in hundredths of a millimetre.
        const bool metafile = p.kind == PictureData::Opaque;
        w = metafile ? p.picW * 1440.0 / 2540.0 : p.picW * kTwipsPerPixel;
        h = metafile ? p.picH * 1440.0 / 2540.0 : p.picH * kTwipsPerPixel;
    }
    if (w <= 0 || h <= 0)
        return {};
    const double sx = p.scaleX > 0 ? p.scaleX / 100.0 : 1.0;
    const double sy = p.scaleY > 0 ? p.scaleY / 100.0 : 1.0;
    return QSizeF(w * std::min(sx, 100.0) / kTwipsPerPixel,
                  h * std::min(sy, 100.0) / kTwipsPerPixel);
}

} // namespace

ReadPicture decodePicture(PictureData data) {
    ReadPicture picture;
    if (data.kind == PictureData::Png || data.kind == PictureData::Jpeg)
        picture.image = QImage::fromData(data.data, data.kind == PictureData::Png ? "PNG" : "JPEG");
    else if (data.kind == PictureData::Dib)
        picture.image = imageFromDib(data.data);
    picture.size = pictureSize(data, picture.image);
    picture.data = std::move(data);
    return picture;
}

void PictureBuilder::insertPicture(QTextCursor& cursor, const ReadPicture& picture,
                                   qsizetype groupStart, qsizetype groupEnd) {
    const PictureData& p = picture.data;
    // A device bitmap is shown as an image but written back as it came.
    if (!picture.image.isNull() && p.kind != PictureData::Dib) {
        const PictureKind kind = p.kind == PictureData::Png ? PictureKind::Png : PictureKind::Jpeg;
        cursor.insertImage(makePictureFormat(document_, picture.image, p.data, kind, picture.size));
        ++report_.pictures;
    } else {
        cursor.insertImage(makeKeptObjectFormat(document_, keptGroup(groupStart, groupEnd),
                                                picture.size, picture.image));
        ++report_.keptObjects;
    }
}

void PictureBuilder::insertObject(QTextCursor& cursor, const ObjectDestination& object,
                                  qsizetype groupStart, qsizetype groupEnd) {
    cursor.insertImage(makeKeptObjectFormat(document_, keptGroup(groupStart, groupEnd),
                                            object.displaySize(), object.image()));
    ++report_.keptObjects;
}

namespace {

// Longer notes are kept whole but give no tooltip.
constexpr qsizetype kMaxNoteText = 1 << 20;

} // namespace

void PictureBuilder::insertFootnote(QTextCursor& cursor, qsizetype groupStart, qsizetype groupEnd,
                                    int number, const QFont& font) {
    const QByteArray group = keptGroup(groupStart, groupEnd);
    // The mark as word processors show it: the number, smaller, raised.
    QFont small(font);
    small.setPointSizeF(std::max(4.0, font.pointSizeF() * 0.65));
    const QString mark = QString::number(number);
    const QFontMetricsF metrics(small);
    const QFontMetricsF full(font);
    QImage image(QSize(qCeil(metrics.horizontalAdvance(mark)) + 2, qCeil(full.ascent())),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(small);
        painter.drawText(QPointF(1, metrics.ascent()), mark);
    }
    QTextImageFormat format = makeKeptObjectFormat(document_, group, image.size(), image);
    // Its text, read as a document of its own, shows when the mark is pointed
    // at, without the spaces word processors put after the number.
    if (const QByteArray text = noteTextRtf(group); !text.isEmpty())
        format.setToolTip(visibleText(text).trimmed());
    cursor.insertImage(format);
    ++report_.keptObjects;
}

QByteArray PictureBuilder::keptGroup(qsizetype groupStart, qsizetype groupEnd) const {
    return cutGroup(input_, groupStart, groupEnd);
}

QByteArray cutGroup(QByteArrayView input, qsizetype groupStart, qsizetype groupEnd) {
    const qsizetype start = std::clamp<qsizetype>(groupStart, 0, input.size());
    const qsizetype end = std::clamp<qsizetype>(groupEnd + 1, start, input.size());
    QByteArray group = input.sliced(start, end - start).toByteArray();
    if (!group.endsWith('}'))
        group.append('}'); // a truncated group is closed so the written file stays sound
    return group;
}

QByteArray noteTextRtf(QByteArrayView group) {
    const qsizetype word = group.indexOf("\\footnote");
    if (word < 0 || group.indexOf("\\footnote", word + 9) >= 0 || group.size() > kMaxNoteText)
        return {};
    return "{\\rtf1{" + group.sliced(word + 9).toByteArray();
}

} // namespace oxlin::richtext::reading
