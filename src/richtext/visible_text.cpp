// The visible text of a stored topic.
#include "richtext/visible_text.h"

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"

#include <QTextDocument>

namespace oxlin::richtext {

QString visibleText(QByteArrayView stored) {
    if (!isRichText(stored))
        return decodePlainText(stored);
    QTextDocument document;
    loadTopicStream(stored, document);
    return documentText(document);
}

} // namespace oxlin::richtext
