// The visible text of a stored topic.
#include "richtext/visible_text.h"

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"

#include <QTextDocument>

#include <new>

namespace oxlin::richtext {

QString visibleText(QByteArrayView stored) {
    // A topic whose document does not fit in memory has no text to search;
    // the search goes on with the next topic.
    try {
        if (!isRichText(stored))
            return decodePlainText(stored);
        QTextDocument document;
        loadTopicStream(stored, document);
        return documentText(document);
    } catch (const std::bad_alloc&) {
        return QString();
    }
}

} // namespace oxlin::richtext
