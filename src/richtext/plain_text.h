// The plain-text codec: UTF-8 or Windows-1252 in, UTF-8 with CR LF out.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QTextCursor;
class QTextDocument;

namespace oxlin::richtext {

// Plain-text topics are UTF-8; bytes that are not valid UTF-8 (topics written
// on Windows) are read as Windows-1252. CR LF, LF and CR all end a line.
// Returns the text with every line end as '\n'.
QString decodePlainText(QByteArrayView bytes);

// Replaces the content of `document` with the plain text; undo stack left empty.
void readPlainText(QByteArrayView bytes, QTextDocument& document);

// Inserts plain text at `cursor` (replacing its selection) with the cursor's format.
void insertPlainText(QByteArrayView bytes, QTextCursor& cursor);

// The document's text as UTF-8 with CR LF line ends, without a byte-order mark.
// Pictures and other objects have no plain form and are left out; table cells
// are separated by a tab and rows end a line.
QByteArray writePlainText(const QTextDocument& document);

// The document's text with '\n' between paragraphs and table rows and '\t'
// between cells (what `oxlin rtf text` prints).
QString documentText(const QTextDocument& document);

} // namespace oxlin::richtext
