// The RTF writer's pictures: PNG and JPEG as \pict groups, kept objects as they were read.
#include "richtext/rtf_document_writer.h"

#include "richtext/text_objects.h"

#include <QBuffer>
#include <QTextDocument>
#include <QTextFormat>

namespace oxlin::richtext::writing {

namespace {

constexpr int kHexLineLength = 128;

} // namespace

void Writer::writePicture(const QTextImageFormat& format) {
    const QByteArray kept = format.property(kKeptRtfProperty).toByteArray();
    if (!kept.isEmpty()) {
        raw(kept);
        return;
    }
    QByteArray data = format.property(kPictureDataProperty).toByteArray();
    auto kind = PictureKind(format.property(kPictureKindProperty).toInt());
    const QImage image = pictureImage(document_, format);
    if (data.isEmpty() || (kind != PictureKind::Png && kind != PictureKind::Jpeg)) {
        if (image.isNull())
            return; // nothing to write: the picture's image is not in the document
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        kind = PictureKind::Png;
    }
    const double w = format.width() > 0 ? format.width() : image.width();
    const double h = format.height() > 0 ? format.height() : image.height();
    raw("{");
    word("pict");
    word(kind == PictureKind::Jpeg ? "jpegblip" : "pngblip");
    word("picw", image.isNull() ? qRound(w) : image.width());
    word("pich", image.isNull() ? qRound(h) : image.height());
    word("picwgoal", toTwips(w));
    word("pichgoal", toTwips(h));
    raw("\r\n");
    static const char kHex[] = "0123456789abcdef";
    QByteArray hex;
    hex.reserve(data.size() * 2 + data.size() / (kHexLineLength / 2) * 2 + 4);
    for (qsizetype i = 0; i < data.size(); ++i) {
        const uchar b = uchar(data[i]);
        hex += kHex[b >> 4];
        hex += kHex[b & 15];
        if ((i + 1) % (kHexLineLength / 2) == 0)
            hex += "\r\n";
    }
    raw(hex);
    raw("}");
}

} // namespace oxlin::richtext::writing
