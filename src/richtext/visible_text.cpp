// The visible text of a stored topic.
#include "richtext/visible_text.h"

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"

#include <QTextDocument>

#include <new>

namespace oxlin::richtext {

void streamVisibleText(QByteArrayView stored, const std::function<bool(QStringView)>& pieces) {
    // A topic whose text does not fit in memory has no text to search; the
    // search goes on with the next topic.
    try {
        if (!isRichText(stored)) {
            pieces(decodePlainText(stored));
            return;
        }
        qsizetype sent = 0;
        bool wantsMore = true;
        const bool whole = streamRtfText(stored, [&](QStringView piece) {
            sent += piece.size();
            return wantsMore = pieces(piece);
        });
        if (whole || !wantsMore)
            return;
        // A table: the rest of the text comes from the document, after the
        // part already handed on (the start of the same text).
        QTextDocument document;
        loadTopicStream(stored, document);
        const QString text = documentText(document);
        if (sent < text.size())
            pieces(QStringView(text).sliced(sent));
    } catch (const std::bad_alloc&) {
    }
}

QString visibleText(QByteArrayView stored) {
    QString text;
    streamVisibleText(stored, [&](QStringView piece) {
        text += piece;
        return true;
    });
    return text;
}

} // namespace oxlin::richtext
