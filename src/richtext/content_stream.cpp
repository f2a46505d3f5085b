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

StreamFormat loadTopicStream(QByteArrayView bytes, QTextDocument& document) {
    const StreamFormat format = detectStreamFormat(bytes);
    if (format == StreamFormat::RichText)
        readRtf(bytes, document);
    else
        readPlainText(bytes, document);
    return format;
}

StreamFormat insertTopicStream(QByteArrayView bytes, QTextCursor& cursor) {
    const StreamFormat format = detectStreamFormat(bytes);
    if (format == StreamFormat::RichText)
        insertRtf(bytes, cursor);
    else
        insertPlainText(bytes, cursor);
    return format;
}

QByteArray saveTopicStream(const QTextDocument& document, StreamFormat format) {
    return format == StreamFormat::RichText ? writeRtf(document) : writePlainText(document);
}

} // namespace oxlin::richtext
