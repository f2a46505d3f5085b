#include "editor/content_stream.h"

#include "store/stored_text.h"

#include <QTextDocument>

namespace oxlin::app {

bool looksLikeRichText(const QByteArray& bytes) {
    return bytes.size() >= 5 && bytes.left(5).compare("{\\rtf", Qt::CaseInsensitive) == 0;
}

void readTopicStream(const QByteArray& bytes, StreamFormat format, QTextDocument& document) {
    Q_UNUSED(format);
    QString text = store::decodeStoredText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document.setPlainText(text);
}

QByteArray writeTopicStream(const QTextDocument& document, StreamFormat format) {
    Q_UNUSED(format);
    QString text = document.toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toUtf8();
}

} // namespace oxlin::app
