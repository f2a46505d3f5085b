// The plain-text codec.
#include "richtext/plain_text.h"

#include "core/store/stored_text.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace oxlin::richtext {

QString decodePlainText(QByteArrayView bytes) {
    // A UTF-8 byte-order mark is not part of the text.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QString text = store::decodeStoredText(bytes);
    // CR LF and a lone CR each end a line as LF: one pass in place, from the
    // first CR on (a topic saved here has one in every line).
    qsizetype in = text.indexOf(u'\r');
    if (in < 0)
        return text;
    QChar* chars = text.data();
    const qsizetype size = text.size();
    qsizetype out = in;
    for (; in < size; ++in) {
        if (chars[in] != u'\r') {
            chars[out++] = chars[in];
            continue;
        }
        chars[out++] = u'\n';
        if (in + 1 < size && chars[in + 1] == u'\n')
            ++in;
    }
    text.truncate(out);
    return text;
}

void readPlainText(QByteArrayView bytes, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.setPlainText(decodePlainText(bytes));
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
}

void insertPlainText(QByteArrayView bytes, QTextCursor& cursor) {
    if (cursor.isNull())
        return;
    cursor.insertText(decodePlainText(bytes));
}

QString documentText(const QTextDocument& document) {
    QString out;
    out.reserve(document.characterCount());
    bool first = true;
    QTextTable* lastTable = nullptr;
    int lastRow = -1;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCursor at(block);
        QTextTable* table = at.currentTable();
        QString text = block.text();
        text.remove(QChar::ObjectReplacementCharacter);
        text.replace(QChar::LineSeparator, u'\n');
        if (table) {
            const QTextTableCell cell = table->cellAt(block.position());
            if (table == lastTable && cell.row() == lastRow) {
                // Same row: a new cell starts with a tab, a new paragraph in a cell with a space.
                out += cell.firstPosition() == block.position() ? u'\t' : u' ';
                out += text;
                continue;
            }
            lastTable = table;
            lastRow = cell.row();
            // The first cell of a row may start after empty leading columns.
            if (!first)
                out += u'\n';
            out += QString(cell.column(), u'\t');
            out += text;
            first = false;
            continue;
        }
        lastTable = nullptr;
        lastRow = -1;
        // A document cannot begin with a table, so one that does holds an
        // empty paragraph before it that nobody wrote.
        if (first && text.isEmpty() && block.next().isValid() &&
            QTextCursor(block.next()).currentTable())
            continue;
        if (!first)
            out += u'\n';
        out += text;
        first = false;
    }
    return out;
}

QByteArray writePlainText(const QTextDocument& document) {
    QString text = documentText(document);
    text.replace(u'\n', QLatin1String("\r\n"));
    return text.toUtf8();
}

} // namespace oxlin::richtext
