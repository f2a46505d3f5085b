#include "app/editor/spelling_marks.h"

#include "app/editor/spell_service.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

namespace oxlin::app {

SpellingMarks::SpellingMarks(QTextEdit* edit, SpellService& spelling, QObject* parent)
    : QObject(parent), edit_(edit), spelling_(spelling) {
    connect(edit, &QTextEdit::textChanged, this, &SpellingMarks::scheduleMarking);
    connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &SpellingMarks::scheduleMarking);
    connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &SpellingMarks::scheduleMarking);
    connect(&spelling, &SpellService::marksChanged, this, &SpellingMarks::scheduleMarking);
    edit->viewport()->installEventFilter(this);
}

bool SpellingMarks::eventFilter(QObject* watched, QEvent* event) {
    if (edit_ && watched == edit_->viewport() && event->type() == QEvent::Resize)
        scheduleMarking();
    return QObject::eventFilter(watched, event);
}

void SpellingMarks::scheduleMarking() {
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            pending_ = false;
            markVisible();
        },
        Qt::QueuedConnection);
}

void SpellingMarks::markVisible() {
    if (!edit_)
        return;
    QList<QTextEdit::ExtraSelection> marks;
    if (spelling_.isActive() && !edit_->isReadOnly()) {
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        wavy.setUnderlineColor(Qt::red);
        const QRect view = edit_->viewport()->rect();
        const int first = edit_->cursorForPosition(view.topLeft()).block().blockNumber();
        const int last = edit_->cursorForPosition(view.bottomRight()).block().blockNumber();
        QTextDocument* document = edit_->document();
        for (QTextBlock block = document->findBlockByNumber(first);
             block.isValid() && block.blockNumber() <= last; block = block.next()) {
            for (const spelling::WordSpan& word : spelling_.misspelt(block.text())) {
                QTextCursor cursor(document);
                cursor.setPosition(block.position() + word.start);
                cursor.setPosition(block.position() + word.start + word.length,
                                   QTextCursor::KeepAnchor);
                marks.append({cursor, wavy});
            }
        }
    }
    edit_->setExtraSelections(marks);
}

} // namespace oxlin::app
