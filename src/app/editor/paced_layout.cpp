#include "app/editor/paced_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimerEvent>

namespace oxlin::app {

namespace {

bool laidOut(const QTextBlock& block) {
    return block.layout()->lineCount() > 0;
}

// The first paragraph not laid out yet. Qt lays a document out from the top
// and an edit lays out everything before it first, so the laid-out
// paragraphs are always the first ones and a binary search finds the end.
QTextBlock firstNotLaidOut(const QTextDocument& document) {
    int low = 0;
    int high = document.blockCount() - 1; // laidOut is false at high or beyond
    if (laidOut(document.lastBlock()))
        return {};
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (laidOut(document.findBlockByNumber(middle)))
            low = middle + 1;
        else
            high = middle;
    }
    return document.findBlockByNumber(low);
}

} // namespace

PacedLayout::PacedLayout(QTextEdit* edit) : QObject(edit), edit_(edit) {
    // The control says textChanged when it takes another document, and each
    // document has a layout of its own.
    connect(edit, &QTextEdit::textChanged, this, &PacedLayout::follow);
    follow();
}

bool PacedLayout::isComplete() const {
    return !edit_ || laidOut(edit_->document()->lastBlock());
}

void PacedLayout::follow() {
    if (!edit_)
        return;
    QTextDocument* document = edit_->document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    if (layout != layout_) {
        if (layout_) {
            layout_->removeEventFilter(this);
            disconnect(layout_, nullptr, this, nullptr);
        }
        layout_ = layout;
        layout->installEventFilter(this);
        // Qt says update for every change it lays out; one that starts the
        // layout over (a new width) leaves everything after the screen to do.
        connect(layout, &QAbstractTextDocumentLayout::update, this, &PacedLayout::follow);
    }
    // No page, no layout: a control never shown lays nothing out.
    if (!slices_.isActive() && !document->pageSize().isNull() && !isComplete())
        slices_.start(0, this);
}

void PacedLayout::timerEvent(QTimerEvent* event) {
    if (event->timerId() == slices_.timerId())
        slice();
    else
        QObject::timerEvent(event);
}

void PacedLayout::slice() {
    if (!edit_ || !layout_ || layout_ != edit_->document()->documentLayout()) {
        stop();
        follow();
        return;
    }
    const QTextDocument& document = *edit_->document();
    QElapsedTimer clock;
    clock.start();
    QTextBlock next = firstNotLaidOut(document);
    bool moved = true;
    qint64 lastStepNs = 0;
    // A step is Qt's own: from the first paragraph not laid out to its next
    // check point, some two thousand pixels on. The slice ends when the next
    // step, taken to last as long as the one before, would pass the budget.
    while (next.isValid() && moved &&
           clock.nsecsElapsed() + lastStepNs < kSliceBudgetMs * 1'000'000LL) {
        const qint64 stepStart = clock.nsecsElapsed();
        layout_->blockBoundingRect(next);
        const QTextBlock after = firstNotLaidOut(document);
        moved = after != next; // not without a page to lay out on
        restarted_ = restarted_ && !moved;
        next = after;
        lastStepNs = clock.nsecsElapsed() - stepStart;
    }
    // The scroll bars follow the layout as it grows: Qt's own notice comes
    // from the timer held back. The control reads the size from the layout.
    const QTextBlock end = next.isValid() ? next.previous() : document.lastBlock();
    Q_EMIT layout_->documentSizeChanged(
        QSizeF(document.textWidth(), layout_->blockBoundingRect(end).bottom()));
    if (next.isValid() && !moved && !restarted_) {
        // Qt has ended its layout early. An edit lays out from its paragraph
        // down to the next check point past the part laid out before, and
        // paragraphs not laid out yet have no height to reach one with: the
        // edit's layout runs to the end over them, as if they had no lines,
        // and Qt takes the document for laid out. Its layout starts over
        // from the top, as for a new page width, and the slices go on.
        restarted_ = true;
        edit_->document()->setPageSize(document.pageSize());
        return;
    }
    if (!next.isValid() || !moved)
        stop();
}

void PacedLayout::stop() {
    slices_.stop();
    if (isComplete())
        Q_EMIT completed();
}

bool PacedLayout::eventFilter(QObject* watched, QEvent* event) {
    // While slices run, the layout's own timer (its steps and its size
    // notice) waits; when they stop, it runs again and finds nothing to do.
    if (watched == layout_ && event->type() == QEvent::Timer && slices_.isActive())
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace oxlin::app
