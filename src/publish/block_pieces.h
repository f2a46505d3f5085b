#pragma once

// A paragraph cut into the pieces every export writes alike: runs of text of
// one format, each picture on its own, and for each the link it belongs to.
// Links are either anchors the topic carries (a HYPERLINK field read from
// RTF) or link text typed into it (a link is plain text in a topic); both
// come out as the link text the topic holds, for the caller to resolve.

#include <QString>
#include <QTextCharFormat>
#include <QTextImageFormat>

#include <functional>
#include <vector>

class QTextBlock;
class QTextDocument;

namespace oxlin::publish {

struct BlockPiece {
    QString text; // empty for a picture
    QTextCharFormat format;
    QString link; // the link text as the topic holds it, empty when none
    bool isPicture() const { return format.isImageFormat(); }
};

std::vector<BlockPiece> blockPieces(const QTextBlock& block);

// What a link in a topic becomes in an exported page: a topic link the
// relative link to the page or file exported for that topic (empty when the
// topic is not exported), a file link a file:// URL, a web link itself ("www."
// addresses with "http://"). Empty means: write the text without a link.
QString exportedHref(const QString& link, const std::function<QString(const QString&)>& topicPath);

// The bytes to write for a picture, and the extension they take (".png",
// ".jpg"): the encoded bytes read from the topic when it kept them, else
// what the document shows, encoded as PNG. Empty when there is no image.
struct PictureFile {
    QByteArray bytes;
    QString extension;
};
PictureFile pictureFile(const QTextDocument& document, const QTextImageFormat& format);

// What a writer asks of the export around it.
struct PageOutput {
    // The href of a link the topic holds, or empty to write its text alone.
    std::function<QString(const QString& link)> href;
    // Writes a picture of the document beside the page and gives its path
    // relative to the page, or empty to leave it out.
    std::function<QString(const QTextDocument&, const QTextImageFormat&)> picture;
};

} // namespace oxlin::publish
