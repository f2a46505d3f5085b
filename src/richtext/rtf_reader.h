// The RTF reader's public entry points: read a whole topic, or insert a fragment.
#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <functional>

class QTextCursor;
class QTextDocument;

namespace oxlin::richtext {

// What a read met. Reading never fails: damaged input gives what could be read.
struct RtfReadReport {
    int unclosedGroups = 0;   // groups still open at the end of the input (truncated file)
    int strayGroupEnds = 0;   // closing braces without a group to close
    int pictures = 0;         // pictures shown as images
    int keptObjects = 0;      // metafiles, OLE objects and other groups kept verbatim
};

// Replaces the content of `document` with the RTF in `rtf`. The document's
// undo stack is left empty. `rtf` is only read during the call.
RtfReadReport readRtf(QByteArrayView rtf, QTextDocument& document);

// Inserts the RTF at `cursor`, replacing its selection, as one undo step.
// Fragments that lack the closing brace (table rows) are read as if it were
// there; a row inserted right after a table becomes that table's next row.
// The cursor ends after the inserted content.
RtfReadReport insertRtf(QByteArrayView rtf, QTextCursor& cursor);

// Receives text in order, in pieces; returning false asks for no more.
using RtfTextPieces = std::function<bool(QStringView piece)>;

// Reads the text of `rtf` without building a document: the same reading as
// readRtf, handing on what visibleText() would give for that document (its
// text, then its notes' text), in pieces. A table's text follows the grid a
// document lays out, so at the first content in a table this stops and
// returns false: the text handed on until then is the start of the
// document's text, and the rest must come from a document. True when the
// whole text was handed on or `pieces` asked for no more. Needs no
// QGuiApplication.
bool streamRtfText(QByteArrayView rtf, const RtfTextPieces& pieces);

} // namespace oxlin::richtext
