#include "app/editor/content_stream.h"

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"

#include <QTextDocument>
#include <QTextOption>

namespace oxlin::app {

void readTopicStream(const QByteArray& bytes, StreamFormat format, QTextDocument& document) {
    if (format == StreamFormat::RichText)
        richtext::readRtf(bytes, document);
    else
        richtext::readPlainText(bytes, document);
}

QTextDocument* readTopicDocument(const QByteArray& bytes, StreamFormat format,
                                 const QTextDocument& like, QObject* parent) {
    auto* document = new QTextDocument(parent);
    document->setDefaultFont(like.defaultFont());
    document->setDocumentMargin(like.documentMargin());
    document->setDefaultTextOption(like.defaultTextOption());
    document->setIndentWidth(like.indentWidth());
    document->setUseDesignMetrics(like.useDesignMetrics());
    document->setDefaultStyleSheet(like.defaultStyleSheet());
    document->setUndoRedoEnabled(like.isUndoRedoEnabled());
    // No page yet: nothing is laid out until the editor showing the document
    // gives it its width (a document's default page would have the first
    // lines laid out once for no width and then again for the editor's).
    document->setPageSize(QSizeF(0, 0));
    readTopicStream(bytes, format, *document);
    document->clearUndoRedoStacks();
    document->setModified(false);
    return document;
}

} // namespace oxlin::app
