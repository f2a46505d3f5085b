#pragma once

// Visual lines of a document as the editor shows them: where the caret's
// line starts and how long it is, and between line numbers and document y.
// Each asks Qt to lay out the paragraphs it walks, so it works on a document
// laid out only in part.

class QTextDocument;

namespace oxlin::app {

struct LineAt {
    int number = 0;    // visual line counted from 0 over the whole document
    int start = 0;     // document position of the line's first character
    int length = 0;    // characters on the line, without the paragraph end
};

LineAt lineAt(const QTextDocument* document, int position);

// Document y of visual line `number`, or -1 when the document is shorter.
double lineTop(const QTextDocument* document, int number);

// Visual line showing at document y, counted from 0: the first line whose
// bottom lies below y.
int lineAtY(const QTextDocument* document, double y);

} // namespace oxlin::app
