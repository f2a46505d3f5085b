// Pictures and kept objects: document resources, placeholders and their formats.
#include "richtext/text_objects.h"

#include <QAtomicInt>
#include <QPainter>
#include <QPixmap>
#include <QTextDocument>
#include <QUrl>

namespace oxlin::richtext {

namespace {

QAtomicInt resourceCounter;

QString newResourceName() {
    return QStringLiteral("oxlin-picture:%1").arg(resourceCounter.fetchAndAddRelaxed(1) + 1);
}

// Keeps absurd sizes from damaged input from turning into huge allocations.
QSizeF boundedSize(QSizeF size) {
    constexpr double kMax = 20000.0;
    return QSizeF(std::clamp(size.width(), 1.0, kMax), std::clamp(size.height(), 1.0, kMax));
}

} // namespace

QImage placeholderImage(QSize size) {
    const QSize bounded(std::clamp(size.width(), 8, 1024), std::clamp(size.height(), 8, 1024));
    QImage image(bounded, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, bounded.width() - 1, bounded.height() - 1);
    painter.setPen(QColor(0xd0, 0xd0, 0xd0));
    painter.drawLine(1, 1, bounded.width() - 2, bounded.height() - 2);
    painter.drawLine(1, bounded.height() - 2, bounded.width() - 2, 1);
    return image;
}

QTextImageFormat makePictureFormat(QTextDocument& document, const QImage& image,
                                   const QByteArray& encoded, PictureKind kind,
                                   QSizeF displaySize) {
    const QString name = newResourceName();
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    const QSizeF size = boundedSize(displaySize.isEmpty() ? QSizeF(image.size()) : displaySize);
    format.setWidth(size.width());
    format.setHeight(size.height());
    if (!encoded.isEmpty()) {
        format.setProperty(kPictureDataProperty, encoded);
        format.setProperty(kPictureKindProperty, int(kind));
    }
    return format;
}

QTextImageFormat makeKeptObjectFormat(QTextDocument& document, const QByteArray& rtfGroup,
                                      QSizeF displaySize, const QImage& shown) {
    const QSizeF size = boundedSize(displaySize.isEmpty() ? QSizeF(32, 32) : displaySize);
    const QImage image = shown.isNull() ? placeholderImage(size.toSize()) : shown;
    const QString name = newResourceName();
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    format.setProperty(kKeptRtfProperty, rtfGroup);
    return format;
}

QImage pictureImage(const QTextDocument& document, const QTextImageFormat& format) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    if (resource.canConvert<QImage>() && resource.typeId() == QMetaType::QImage)
        return resource.value<QImage>();
    if (resource.typeId() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    if (resource.typeId() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    return {};
}

} // namespace oxlin::richtext
