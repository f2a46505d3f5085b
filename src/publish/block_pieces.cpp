#include "publish/block_pieces.h"

#include "core/tree/links.h"
#include "richtext/text_objects.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace oxlin::publish {

namespace {

constexpr QChar kObjectCharacter = QChar::ObjectReplacementCharacter;

// The link each character of the paragraph belongs to, from typed links.
std::vector<QString> typedLinks(const QString& text) {
    std::vector<QString> links(std::size_t(text.size()));
    for (const tree::LinkSpan& span : tree::findLinks(text)) {
        const QString link = text.mid(span.start, span.length);
        for (int i = span.start; i < span.start + span.length; ++i)
            links[std::size_t(i)] = link;
    }
    return links;
}

} // namespace

std::vector<BlockPiece> blockPieces(const QTextBlock& block) {
    std::vector<BlockPiece> pieces;
    const QString blockText = block.text();
    const std::vector<QString> typed = typedLinks(blockText);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        const QString text = fragment.text();
        const int start = fragment.position() - block.position();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool picture = text[i] == kObjectCharacter && format.isImageFormat();
            const QString link =
                format.isAnchor() ? format.anchorHref() : typed[std::size_t(start + i)];
            // A new piece at a picture, after one, and where the link changes.
            if (picture || pieces.empty() || pieces.back().isPicture() ||
                pieces.back().link != link || pieces.back().format != format)
                pieces.push_back({{}, format, link});
            if (!picture)
                pieces.back().text.append(text[i]);
        }
    }
    return pieces;
}

QString exportedHref(const QString& link, const std::function<QString(const QString&)>& topicPath) {
    const tree::ParsedLink parsed = tree::parseLink(link);
    switch (parsed.kind) {
    case tree::LinkKind::Topic:
        return topicPath(parsed.target);
    case tree::LinkKind::File: {
        QString path = parsed.target;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!path.startsWith(QLatin1Char('/')))
            path.prepend(QLatin1Char('/')); // a drive letter: file:///C:/...
        return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
    }
    case tree::LinkKind::Web:
    case tree::LinkKind::None:
        break;
    }
    if (link.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QStringLiteral("http://") + link;
    // Only schemes that open a document: a page needs no script, and a
    // "javascript:" anchor read from a file must not become one.
    const QUrl url(link, QUrl::TolerantMode);
    static const QStringList kSchemes{QStringLiteral("http"), QStringLiteral("https"),
                                      QStringLiteral("ftp"), QStringLiteral("mailto")};
    return url.isValid() && kSchemes.contains(url.scheme().toLower())
               ? QString::fromLatin1(url.toEncoded())
               : QString();
}

PictureFile pictureFile(const QTextDocument& document, const QTextImageFormat& format) {
    const QByteArray kept = format.property(richtext::kPictureDataProperty).toByteArray();
    if (!kept.isEmpty()) {
        const bool jpeg =
            format.intProperty(richtext::kPictureKindProperty) == int(richtext::PictureKind::Jpeg);
        return {kept, jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png")};
    }
    const QImage image = richtext::pictureImage(document, format);
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {png, QStringLiteral(".png")};
}

} // namespace oxlin::publish
