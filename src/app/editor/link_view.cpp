#include "app/editor/link_view.h"

#include "core/tree/links.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>

namespace oxlin::app {

std::vector<MarkSpan> LinkMarks::find(QStringView paragraph) const {
    std::vector<MarkSpan> spans;
    for (const tree::LinkSpan& link : tree::findLinks(paragraph))
        spans.push_back({link.start, link.length});
    return spans;
}

QTextCharFormat LinkMarks::look() const {
    QTextCharFormat link;
    link.setForeground(QApplication::palette().color(QPalette::Link));
    link.setFontUnderline(true);
    return link;
}

LinkView::LinkView(QTextEdit* edit, QObject* parent) : QObject(parent), edit_(edit) {
    // Drawn at paint time over the paragraphs on screen, whatever document
    // the control shows: each topic comes in a document of its own.
    links_ = TextMarks::of(edit).addKind(std::make_unique<LinkMarks>());
    edit->viewport()->installEventFilter(this);
    edit->viewport()->setMouseTracking(true);
}

LinkView::~LinkView() {
    if (edit_)
        TextMarks::of(edit_).removeKind(links_);
}

QString LinkView::linkAt(const QPoint& viewportPosition) const {
    return hitAt(viewportPosition).target;
}

int LinkView::characterAt(const QPoint& viewportPosition) const {
    const QTextCursor at = edit_->cursorForPosition(viewportPosition);
    // The cursor lands between characters, on the nearer side of the one
    // under the pointer.
    const QRect caret = edit_->cursorRect(at);
    return at.position() - (viewportPosition.x() < caret.left() ? 1 : 0);
}

QString LinkView::noteAt(const QPoint& viewportPosition) const {
    if (!edit_)
        return {};
    const int position = characterAt(viewportPosition);
    const QTextBlock block = edit_->document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(position))
            return it.fragment().charFormat().toolTip();
    return {};
}

LinkView::Hit LinkView::hitAt(const QPoint& viewportPosition) const {
    if (!edit_)
        return {};
    // A link is under the pointer only when its text covers the character
    // there, not just touches it.
    const int position = characterAt(viewportPosition);
    const QTextBlock block = edit_->document()->findBlock(position);
    if (!block.isValid())
        return {};
    // A link with a text of its own carries its target in its format.
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(position) && fragment.charFormat().isAnchor())
            if (const QString target = fragment.charFormat().anchorHref(); !target.isEmpty())
                return {target, true};
    }
    const QString text = block.text();
    const int offset = position - block.position();
    for (const tree::LinkSpan& span : tree::findLinks(text))
        if (offset >= span.start && offset < span.start + span.length)
            return {text.mid(span.start, span.length), false};
    return {};
}

void LinkView::hover(const QPoint& viewportPosition, const QPoint& globalPosition) {
    const Hit hit = hitAt(viewportPosition);
    const bool over = !hit.target.isEmpty();
    if (over != overLink_) {
        overLink_ = over;
        if (over)
            edit_->viewport()->setCursor(Qt::PointingHandCursor);
        else
            edit_->viewport()->setCursor(Qt::IBeamCursor);
    }
    if (!over) {
        QToolTip::hideText();
        return;
    }
    // The readable target, where the text shown is not already that.
    const tree::UnescapedLink readable = tree::unescapeLinkText(hit.target);
    if (readable.wasEscaped || hit.ownText)
        QToolTip::showText(globalPosition + QPoint(16, 16), readable.text, edit_->viewport());
    else
        QToolTip::hideText();
}

bool LinkView::eventFilter(QObject* watched, QEvent* event) {
    if (!edit_ || watched != edit_->viewport())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        hover(mouse->position().toPoint(), mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::ControlModifier)) {
            const QString link = linkAt(mouse->position().toPoint());
            if (!link.isEmpty()) {
                Q_EMIT linkActivated(link);
                return true; // the caret stays where it was
            }
        }
        break;
    }
    case QEvent::ToolTip: {
        // A footnote mark's text, over the whole mark: the control's own
        // tooltip takes the character before the caret position nearest the
        // pointer, which misses the mark's left half.
        auto* help = static_cast<QHelpEvent*>(event);
        if (const QString note = noteAt(help->pos()); !note.isEmpty())
            QToolTip::showText(help->globalPos(), note, edit_->viewport());
        else if (!overLink_)
            QToolTip::hideText();
        return true;
    }
    case QEvent::Leave:
        QToolTip::hideText();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace oxlin::app
