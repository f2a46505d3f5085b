// The RTF reader's public entry points: read a whole topic, or insert a fragment.
#pragma once

#include <QByteArrayView>

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

} // namespace oxlin::richtext
