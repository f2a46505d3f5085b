// Reading a topic's bytes into a document the editor has not shown yet.
#pragma once

#include "richtext/content_stream.h"

#include <QByteArray>

class QObject;
class QTextDocument;

namespace oxlin::app {

// How a topic's working copy is read and written, and the editor's record of
// whether the topic carries formatting.
using richtext::StreamFormat;

// Replaces the document's content with the stream read in `format` (PlainText or RichText).
void readTopicStream(const QByteArray& bytes, StreamFormat format, QTextDocument& document);

// A new document, child of `parent`, set up as `like` is (default font,
// margin, wrapping and tab stops, undo on or off) and holding the stream read
// in `format`, unmodified and with nothing to undo. Nothing shows it yet, so
// the read lays out and shapes no text: that waits until an editor shows it
// and then covers only what is on screen.
QTextDocument* readTopicDocument(const QByteArray& bytes, StreamFormat format,
                                 const QTextDocument& like, QObject* parent);

} // namespace oxlin::app
