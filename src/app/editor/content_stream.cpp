#include "app/editor/content_stream.h"

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"

#include <QTextDocument>

namespace oxlin::app {

bool looksLikeRichText(const QByteArray& bytes) { return richtext::isRichText(bytes); }

void readTopicStream(const QByteArray& bytes, StreamFormat format, QTextDocument& document) {
    if (format == StreamFormat::Rich)
        richtext::readRtf(bytes, document);
    else
        richtext::readPlainText(bytes, document);
}

QByteArray writeTopicStream(const QTextDocument& document, StreamFormat format) {
    return richtext::saveTopicStream(document, format == StreamFormat::Rich
                                                   ? richtext::StreamFormat::RichText
                                                   : richtext::StreamFormat::PlainText);
}

} // namespace oxlin::app
