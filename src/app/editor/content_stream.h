#pragma once

#include <QByteArray>

class QTextDocument;

namespace oxlin::app {

// How a topic's working copy is read and written, and the editor's record of
// whether the topic carries formatting.
enum class StreamFormat { Unknown = 0, Plain = 1, Rich = 2 };

// Rich text exactly when the first five bytes are "{\rtf" in any letter case.
bool looksLikeRichText(const QByteArray& bytes);

// Replaces the document's content with the stream read in `format` (Plain or Rich).
void readTopicStream(const QByteArray& bytes, StreamFormat format, QTextDocument& document);

// The document as topic bytes in `format` (Plain or Rich).
QByteArray writeTopicStream(const QTextDocument& document, StreamFormat format);

} // namespace oxlin::app
