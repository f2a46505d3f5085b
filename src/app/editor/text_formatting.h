#pragma once

#include <QFont>
#include <QTextListFormat>

class QTextCursor;
class QTextDocument;
class QTextEdit;

namespace oxlin::app {

// The formatting steps of the editing commands, on a cursor, so that the
// commands, the tests and the benchmarks run the very same code. Each change
// is one undo step.

enum class CharEffect { Bold, Italic, Underline };

// Toggles `effect` as the rich edit control does: the selection reports the
// effect of its first character, that state is inverted and the result is
// applied to the whole selection (a partly bold selection that starts bold
// becomes wholly plain; one that starts plain becomes wholly bold). Only the
// effect itself is touched. Without a selection the typing format changes.
void toggleCharEffect(QTextEdit& edit, CharEffect effect);

// The text colour of the selection (or the typing format).
void applyTextColour(QTextEdit& edit, const QColor& colour);

// Aligns the selected paragraphs. False, with nothing changed, when every one
// of them already has that alignment.
bool applyAlignment(QTextCursor cursor, Qt::Alignment alignment);

// Paragraph indentation as the control keeps it: a start indent (where the
// first line begins) and an offset (where the other lines begin, relative to
// the start), in twips.
struct Indentation {
    int start = 0;
    int offset = 0;
};
Indentation indentationOf(const QTextCursor& cursor);
// Increase: start +720, offset -720. Decrease, with the first selected
// paragraph's offset o: start changed by o and offset -o when o < 0, else
// start changed by -o and offset o. The start change applies to each selected
// paragraph's own start; the offset is set on all of them.
void changeIndentation(QTextCursor cursor, bool increase);

// Makes the selected paragraphs one list of `style`, or takes them out of
// their list when they all are in a list of that style already.
void toggleList(QTextCursor cursor, QTextListFormat::Style style);

// Inserts a table of `rows` x `columns` at the cursor, one row at a time as
// bordered 2200-twip cells read from RTF, so a row typed right after a table
// joins it. False when the shape is outside 1..4 x 1..5.
bool insertTableRows(QTextCursor& cursor, int rows, int columns);

} // namespace oxlin::app
