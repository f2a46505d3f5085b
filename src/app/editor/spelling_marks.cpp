#include "app/editor/spelling_marks.h"

#include "app/editor/spell_service.h"

#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>

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

namespace {

// The part of `text` from `from` to `to`, widened to the blanks around it so
// no word, link or path is cut.
std::pair<int, int> wholeWordsAround(const QString& text, int from, int to) {
    from = std::clamp(from, 0, int(text.size()));
    to = std::clamp(to, from, int(text.size()));
    while (from > 0 && !text[from - 1].isSpace())
        --from;
    while (to < text.size() && !text[to].isSpace())
        ++to;
    return {from, to};
}

} // namespace

void SpellingMarks::markVisible() {
    if (!edit_)
        return;
    QList<QTextEdit::ExtraSelection> marks;
    if (spelling_.isActive() && !edit_->isReadOnly()) {
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        wavy.setUnderlineColor(Qt::red);
        // Only what is on screen: a long paragraph is checked in the part shown.
        const QRect view = edit_->viewport()->rect();
        const int first = edit_->cursorForPosition(view.topLeft()).position();
        const int last = edit_->cursorForPosition(view.bottomRight()).position();
        QTextDocument* document = edit_->document();
        for (QTextBlock block = document->findBlock(first);
             block.isValid() && block.position() <= last; block = block.next()) {
            const QString text = block.text();
            const auto [from, to] =
                wholeWordsAround(text, first - block.position(), last - block.position() + 1);
            const QStringView shown = QStringView(text).sliced(from, to - from);
            for (const spelling::WordSpan& word : spelling_.misspelt(shown)) {
                QTextCursor cursor(document);
                cursor.setPosition(block.position() + from + word.start);
                cursor.setPosition(block.position() + from + word.start + word.length,
                                   QTextCursor::KeepAnchor);
                marks.append({cursor, wavy});
            }
        }
    }
    // The marks drawn follow the text as it is edited; the view is drawn
    // again only when what is marked changed.
    const QList<QTextEdit::ExtraSelection> drawn = edit_->extraSelections();
    const bool same = std::equal(marks.begin(), marks.end(), drawn.begin(), drawn.end(),
                                 [](const auto& a, const auto& b) {
                                     return a.cursor.anchor() == b.cursor.anchor() &&
                                            a.cursor.position() == b.cursor.position();
                                 });
    if (!same)
        edit_->setExtraSelections(marks);
}

} // namespace oxlin::app
