// The topic content stream: format detection and the one load/insert/save entry point.
#pragma once

// The topic content stream: the bytes of a topic once decompressed, either
// plain text or RTF, with no header of its own. This is the one entry point
// the editor needs: detect, load into a QTextDocument, save from it.
//
// All functions are synchronous and keep no state between calls. The caller
// owns the document and the cursor; the functions only read the bytes given
// and never keep a reference to them. Documents must be used on the thread
// that owns them (the UI thread in the editor); a QGuiApplication must exist.

#include <QByteArray>
#include <QByteArrayView>

class QTextCursor;
class QTextDocument;

namespace oxlin::richtext {

// The editor's stream format (0 means "not known yet, detect on load").
enum class StreamFormat { Unknown = 0, PlainText = 1, RichText = 2 };

// True exactly when the first five bytes are "{\rtf" in any letter case.
bool isRichText(QByteArrayView bytes);

// RichText or PlainText by isRichText.
StreamFormat detectStreamFormat(QByteArrayView bytes);

// Replaces the document's content with the stream, detected by its first
// five bytes, and returns the detected format. The document's undo stack is
// emptied and its modified flag cleared. Never fails: damaged RTF gives what
// could be read.
StreamFormat loadTopicStream(QByteArrayView bytes, QTextDocument& document);

// Inserts a stream (a file, an RTF fragment such as a table row) at the
// cursor, replacing its selection, as one undo step. Returns the format the
// bytes were read as; the caller decides whether that changes the topic's.
StreamFormat insertTopicStream(QByteArrayView bytes, QTextCursor& cursor);

// The bytes to store for the document: RTF when `format` is RichText,
// otherwise UTF-8 plain text with CR LF line ends (formatting is dropped).
QByteArray saveTopicStream(const QTextDocument& document, StreamFormat format);

} // namespace oxlin::richtext
