// The visible text of a stored topic.
#include "richtext/visible_text.h"

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/text_objects.h"

#include <QTextBlock>
#include <QTextDocument>

#include <new>

namespace oxlin::richtext {

QString visibleText(const QTextDocument& document) {
    QString text = documentText(document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.hasProperty(kKeptRtfProperty))
                continue;
            // A kept object with a tooltip is a note; a note shows its text there.
            const QString note = format.toolTip();
            if (note.isEmpty())
                continue;
            for (qsizetype marks = it.fragment().text().count(QChar::ObjectReplacementCharacter);
                 marks > 0; --marks) {
                text += u'\n';
                text += note;
            }
        }
    return text;
}

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
        const QString text = visibleText(document);
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
