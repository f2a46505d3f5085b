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
    forget(kind);
    std::erase_if(kinds_, [kind](const auto& owned) { return owned.get() == kind; });
    stale_ = true;
    if (edit_)
        edit_->viewport()->update();
}

void TextMarks::forget(const MarkKind* kind) {
    std::erase_if(found_, [kind](const Found& found) { return found.kind == kind; });
    stale_ = true;
}

const std::vector<MarkSpan>& TextMarks::spansOf(const MarkKind& kind, const QString& text) {
    // A few screens of paragraphs are worth keeping; past that, typing and
    // scrolling have moved on and the oldest count for little.
    constexpr qsizetype kKeptTexts = 2048;
    auto found = std::find_if(found_.begin(), found_.end(),
                              [&kind](const Found& f) { return f.kind == &kind; });
    if (found == found_.end())
        found = found_.insert(found_.end(), Found{&kind, {}});
    auto known = found->byText.constFind(text);
    if (known != found->byText.constEnd())
        return *known;
    if (found->byText.size() >= kKeptTexts)
        found->byText.clear();
    return *found->byText.insert(text, kind.find(text));
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

std::pair<int, int> TextMarks::visibleSpan(const QTextBlock& block, const QString& text) const {
    // Short paragraphs are looked at whole, so a mark never depends on
    // where the view cuts the text.
    constexpr int kWholeUpTo = 4096;
    // Links and words hold no spaces: a cut at a space splits neither. A
    // run without spaces longer than this is no word, and is cut anyway.
    constexpr int kWidenAtMost = 512;
    const int length = int(text.size());
    const QTextLayout* lines = block.layout();
    if (length <= kWholeUpTo || !lines || lines->lineCount() == 0)
        return {0, length};
    const QAbstractTextDocumentLayout& layout = *edit_->document()->documentLayout();
    const qreal blockTop = layout.blockBoundingRect(block).top();
    const qreal top = edit_->verticalScrollBar()->value() - blockTop;
    const qreal bottom = top + edit_->viewport()->height();
    int from = -1, to = 0;
    for (int i = 0; i < lines->lineCount(); ++i) {
        const QTextLine line = lines->lineAt(i);
        if (line.y() + line.height() <= top)
            continue;
        if (line.y() >= bottom)
            break;
        if (from < 0)
            from = line.textStart();
        to = line.textStart() + line.textLength();
    }
    if (from < 0)
        return {0, 0};
    for (int n = 0; from > 0 && !text.at(from - 1).isSpace() && n < kWidenAtMost; ++n)
        --from;
    for (int n = 0; to < length && !text.at(to).isSpace() && n < kWidenAtMost; ++n)
        ++to;
    return {from, to};
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
            const QString whole = block.text();
            const auto [from, to] = visibleSpan(block, whole);
            const QString text = whole.mid(from, to - from);
            const int start = block.position() + from;
            for (const auto& kind : kinds_) {
                const QTextCharFormat look = kind->look();
                for (const MarkSpan& span : spansOf(*kind, text)) {
                    QTextEdit::ExtraSelection mark{QTextCursor(block), look};
                    mark.cursor.setPosition(start + span.start);
                    mark.cursor.setPosition(start + span.start + span.length,
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
