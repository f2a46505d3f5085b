#include "app/editor/insertions.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace oxlin::app {

namespace {

QSize fitted(QSize size) {
    const int longer = std::max(size.width(), size.height());
    if (longer <= kLargestShownSide)
        return size;
    return size.scaled(kLargestShownSide, kLargestShownSide, Qt::KeepAspectRatio);
}

QByteArray encodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

std::optional<Picture> pictureFromBytes(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return std::nullopt;
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format().toLower();
    if (format.isEmpty())
        return std::nullopt;
    const QSize full = reader.size();
    if (full.isValid() && fitted(full) != full)
        reader.setScaledSize(fitted(full)); // decode only what is shown
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;

    Picture picture;
    picture.shown = std::move(image);
    picture.displaySize = QSizeF(picture.shown.size());
    if (format == "png") {
        picture.encoded = bytes;
        picture.kind = richtext::PictureKind::Png;
    } else if (format == "jpeg" || format == "jpg") {
        picture.encoded = bytes;
        picture.kind = richtext::PictureKind::Jpeg;
    } else {
        picture.encoded = encodePng(picture.shown);
        picture.kind = richtext::PictureKind::Png;
    }
    return picture;
}

Picture pictureFromImage(const QImage& image) {
    Picture picture;
    const QSize size = fitted(image.size());
    picture.shown = size == image.size()
                        ? image
                        : image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.encoded = encodePng(picture.shown);
    picture.kind = richtext::PictureKind::Png;
    picture.displaySize = QSizeF(picture.shown.size());
    return picture;
}

void insertPicture(QTextCursor& cursor, const Picture& picture) {
    const QTextImageFormat format = richtext::makePictureFormat(
        *cursor.document(), picture.shown, picture.encoded, picture.kind, picture.displaySize);
    cursor.insertImage(format);
}

QStringList pictureFileFilters() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(suffix);
    // GIF, JPEG and BMP lead the list: the formats most pictures come in.
    for (const char* common : {"*.gif", "*.jpg", "*.bmp"}) {
        patterns.removeAll(QString::fromLatin1(common));
        patterns.prepend(QString::fromLatin1(common));
    }
    return {QCoreApplication::translate("oxlin::app::Insertions", "All image file (%1)")
                .arg(patterns.join(u' ')),
            QCoreApplication::translate("oxlin::app::Insertions", "Bitmap Files (*.bmp)"),
            QCoreApplication::translate("oxlin::app::Insertions", "JPEG Files (*.jpg *.jpeg)"),
            QCoreApplication::translate("oxlin::app::Insertions", "GIF Files (*.gif)")};
}

QByteArray rtfFromMime(const QMimeData& source) {
    for (const char* type : {"text/rtf", "application/rtf", "text/richtext"}) {
        const QString name = QString::fromLatin1(type);
        if (source.hasFormat(name)) {
            const QByteArray bytes = source.data(name);
            if (bytes.trimmed().startsWith("{\\rtf"))
                return bytes;
        }
    }
    return {};
}

} // namespace oxlin::app
