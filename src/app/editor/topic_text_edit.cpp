#include "app/editor/topic_text_edit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace oxlin::app {

TopicTextEdit::TopicTextEdit(QWidget* parent) : QTextEdit(parent) {}

int TopicTextEdit::textLength() const { return document()->characterCount() - 1; }

int TopicTextEdit::roomLeft() const {
    const QTextCursor c = textCursor();
    const int selected = c.selectionEnd() - c.selectionStart();
    return kTextLimit - (textLength() - selected);
}

void TopicTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool inserts = !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\r' ||
                                             text.at(0) == u'\t');
    if (inserts && !(event->modifiers() & Qt::ControlModifier) && roomLeft() < text.size()) {
        QApplication::beep();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void TopicTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || isReadOnly())
        return;
    const QString plain = source->text();
    const int room = std::max(0, roomLeft());
    if (plain.size() <= room) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    // Too long: insert what fits, as plain text, and say how much was left out.
    textCursor().insertText(plain.left(room));
    ensureCursorVisible();
    Q_EMIT textCut(int(plain.size() - room));
}

void TopicTextEdit::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT contextMenuRequested(event->globalPos());
    event->accept();
}

} // namespace oxlin::app
