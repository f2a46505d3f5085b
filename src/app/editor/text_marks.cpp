#include "app/editor/text_marks.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace oxlin::app {

TextMarks& TextMarks::of(QTextEdit* edit) {
    if (auto* marks = edit->findChild<TextMarks*>(QString(), Qt::FindDirectChildrenOnly))
        return *marks;
    return *new TextMarks(edit);
}

TextMarks::TextMarks(QTextEdit* edit) : QObject(edit), edit_(edit) {
    // Whatever brings other paragraphs on screen, or changes their text or
    // lines, makes the marks stale; the next paint finds them again.
    const auto stale = [this] { stale_ = true; };
    connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, this, stale);
    connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, this, stale);
    edit->viewport()->installEventFilter(this);
}

MarkKind* TextMarks::addKind(std::unique_ptr<MarkKind> kind) {
    kinds_.push_back(std::move(kind));
    stale_ = true;
    if (edit_)
        edit_->viewport()->update();
    return kinds_.back().get();
}

void TextMarks::removeKind(const MarkKind* kind) {
    std::erase_if(kinds_, [kind](const auto& owned) { return owned.get() == kind; });
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
                         &QAbstractTextDocumentLayout::documentSizeChanged, this, stale),
                 // The marks hold cursors into the document, which the control
                 // still reads when it is given others: they go with it.
                 connect(document, &QObject::destroyed, this, [this] {
                     if (edit_)
                         edit_->setExtraSelections({});
                 })};
}

std::pair<QTextBlock, QTextBlock> TextMarks::visibleBlocks() const {
    // From the paragraph at the bottom right corner (which has Qt lay out no
    // further than a paint does) back and forth to the paragraphs whose
    // boxes reach into the view. Qt's hit test for the top corner can land
    // below the view while the part beneath is not laid out yet.
    const QTextDocument& document = *edit_->document();
    const QAbstractTextDocumentLayout& layout = *document.documentLayout();
    const QRect area = edit_->viewport()->rect();
    const qreal top = edit_->verticalScrollBar()->value();
    const qreal bottom = top + area.height();
    const QTextBlock anchor =
        document.findBlock(edit_->cursorForPosition(area.bottomRight()).position());
    QTextBlock first = anchor;
    while (first.previous().isValid() && layout.blockBoundingRect(first.previous()).bottom() > top)
        first = first.previous();
    QTextBlock last = anchor;
    while (last.next().isValid() && last.next().layout()->lineCount() > 0 &&
           layout.blockBoundingRect(last.next()).top() < bottom)
        last = last.next();
    return {first, last};
}

void TextMarks::refresh() {
    if (!edit_)
        return;
    QTextDocument* document = edit_->document();
    watch(document);
    stale_ = false;
    QList<QTextEdit::ExtraSelection> marks;
    if (!kinds_.empty()) {
        const auto [first, last] = visibleBlocks();
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
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
            if (block == last)
                break;
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
