#include "app/editor/text_marks.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace oxlin::app {

TextMarks::TextMarks(QTextEdit* edit, QObject* parent) : QObject(parent), edit_(edit) {
    // Whatever brings other paragraphs on screen, or changes their text or
    // lines, makes the marks stale; the next paint finds them again.
    const auto stale = [this] { stale_ = true; };
    connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, this, stale);
    connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, this, stale);
    edit->viewport()->installEventFilter(this);
}

void TextMarks::addKind(std::unique_ptr<MarkKind> kind) {
    kinds_.push_back(std::move(kind));
    stale_ = true;
    if (edit_)
        edit_->viewport()->update();
}

void TextMarks::watch(QTextDocument* document) {
    if (watched_ == document)
        return;
    for (const QMetaObject::Connection& connection : watching_)
        disconnect(connection);
    watched_ = document;
    stale_ = true;
    const auto stale = [this] { stale_ = true; };
    // Lines wrapped anew (a wider window, more of the topic laid out) move
    // the text as much as an edit does.
    watching_ = {connect(document, &QTextDocument::contentsChange, this, stale),
                 connect(document->documentLayout(),
                         &QAbstractTextDocumentLayout::documentSizeChanged, this, stale)};
}

void TextMarks::refresh() {
    if (!edit_)
        return;
    QTextDocument* document = edit_->document();
    watch(document);
    stale_ = false;
    QList<QTextEdit::ExtraSelection> marks;
    if (!kinds_.empty()) {
        // The paragraphs from the one at the top left corner to the one at
        // the bottom right: Qt lays out no further than the paint does.
        const QRect area = edit_->viewport()->rect();
        const int first = edit_->cursorForPosition(area.topLeft()).position();
        const int last = edit_->cursorForPosition(area.bottomRight()).position();
        for (QTextBlock block = document->findBlock(first);
             block.isValid() && block.position() <= last; block = block.next()) {
            const QString text = block.text();
            for (const auto& kind : kinds_) {
                const QTextCharFormat look = kind->look();
                for (const MarkSpan& span : kind->find(text)) {
                    QTextEdit::ExtraSelection mark{QTextCursor(block), look};
                    mark.cursor.setPosition(block.position() + span.start);
                    mark.cursor.setPosition(block.position() + span.start + span.length,
                                            QTextCursor::KeepAnchor);
                    marks.append(mark);
                }
            }
        }
    }
    // The control repaints only the marks that changed.
    edit_->setExtraSelections(marks);
}

QList<QTextEdit::ExtraSelection> TextMarks::shown() const {
    return edit_ ? edit_->extraSelections() : QList<QTextEdit::ExtraSelection>();
}

bool TextMarks::eventFilter(QObject* watched, QEvent* event) {
    if (edit_ && watched == edit_->viewport()) {
        if (event->type() == QEvent::Resize)
            stale_ = true;
        else if (event->type() == QEvent::Paint && (stale_ || watched_ != edit_->document()))
            refresh();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace oxlin::app
