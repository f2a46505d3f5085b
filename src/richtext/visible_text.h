// The visible text of a stored topic, what the keyword search matches against.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace oxlin::richtext {

// The text a reader sees in a topic's stored bytes: the document text of rich
// text (no control words, tables as cells and rows), plain text decoded as the
// editor decodes it. What the keyword search matches against.
//
// Builds a QTextDocument for rich text, so a QGuiApplication must exist and the
// call belongs to a thread that may create documents.
QString visibleText(QByteArrayView stored);

} // namespace oxlin::richtext
