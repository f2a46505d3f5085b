// The topic content stream, handing bytes to the plain-text or RTF codec.
#include "richtext/content_stream.h"

#include "core/store/stored_text.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace oxlin::richtext {

bool isRichText(QByteArrayView bytes) {
    return store::isRichTextStream(bytes);
}

StreamFormat detectStreamFormat(QByteArrayView bytes) {
    return isRichText(bytes) ? StreamFormat::RichText : StreamFormat::PlainText;
}

namespace {

// Reads `bytes` into `target` (a document or a cursor) with the RTF or the
// plain-text reader, as their first bytes say, and returns which it was.
template <class Target, class RtfReader, class PlainReader>
StreamFormat readStream(QByteArrayView bytes, Target& target, RtfReader rtf, PlainReader plain) {
    const StreamFormat format = detectStreamFormat(bytes);
    if (format == StreamFormat::RichText)
        rtf(bytes, target);
    else
        plain(bytes, target);
    return format;
}

} // namespace

StreamFormat loadTopicStream(QByteArrayView bytes, QTextDocument& document) {
    return readStream(bytes, document, readRtf, readPlainText);
}

StreamFormat insertTopicStream(QByteArrayView bytes, QTextCursor& cursor) {
    return readStream(bytes, cursor, insertRtf, insertPlainText);
}

QByteArray saveTopicStream(const QTextDocument& document, StreamFormat format) {
    return format == StreamFormat::RichText ? writeRtf(document) : writePlainText(document);
}

} // namespace oxlin::richtext
