#include "app/editor/text_lines.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace oxlin::app {

namespace {

// Makes sure the block has been laid out, so its lines can be counted.
QTextLayout* laidOut(const QTextDocument* document, const QTextBlock& block) {
    document->documentLayout()->blockBoundingRect(block);
    return block.layout();
}

} // namespace

LineAt lineAt(const QTextDocument* document, int position) {
    LineAt result;
    const QTextBlock target = document->findBlock(position);
    for (QTextBlock b = document->begin(); b.isValid() && b != target; b = b.next())
        result.number += std::max(1, laidOut(document, b)->lineCount());
    if (!target.isValid())
        return result;
    QTextLayout* layout = laidOut(document, target);
    const QTextLine line = layout->lineForTextPosition(position - target.position());
    if (line.isValid()) {
        result.number += line.lineNumber();
        result.start = target.position() + line.textStart();
        result.length = line.textLength();
    } else {
        result.start = target.position();
        result.length = target.length() - 1;
    }
    return result;
}

double lineTop(const QTextDocument* document, int number) {
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        QTextLayout* layout = laidOut(document, b);
        const int count = std::max(1, layout->lineCount());
        if (number < count) {
            const qreal top = document->documentLayout()->blockBoundingRect(b).top();
            return layout->lineCount() ? top + layout->lineAt(number).y() : top;
        }
        number -= count;
    }
    return -1;
}

int lineAtY(const QTextDocument* document, double y) {
    int number = 0;
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        QTextLayout* layout = laidOut(document, b);
        const qreal top = document->documentLayout()->blockBoundingRect(b).top();
        for (int i = 0; i < layout->lineCount(); ++i, ++number)
            if (top + layout->lineAt(i).rect().bottom() > y + 0.5)
                return number;
        if (layout->lineCount() == 0)
            ++number;
    }
    return std::max(0, number - 1);
}

} // namespace oxlin::app
