#include "app/editor/topic_text_edit.h"

#include "app/base/file_list.h"
#include "app/editor/insertions.h"
#include "app/editor/paced_layout.h"
#include "richtext/field_typing.h"
#include "richtext/rtf_reader.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace oxlin::app {

TopicTextEdit::TopicTextEdit(QWidget* parent) : QTextEdit(parent) {
    // A large topic shows its first screen at once and is laid out further
    // in slices, each short enough for the window to answer keys.
    new PacedLayout(this);
}

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
    if (inserts && !(event->modifiers() & Qt::ControlModifier))
        leaveFieldForTyping();
    QTextEdit::keyPressEvent(event);
}

void TopicTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() || !event->preeditString().isEmpty())
        leaveFieldForTyping();
    QTextEdit::inputMethodEvent(event);
}

void TopicTextEdit::leaveFieldForTyping() {
    const QTextCursor cursor = textCursor();
    const QTextCharFormat typing = richtext::typingFormat(cursor);
    if (typing != cursor.charFormat())
        setCurrentCharFormat(typing);
}

void TopicTextEdit::insertFromMimeData(const QMimeData* source) {
    // A clipboard with nothing in it (Wayland offers one when nothing was
    // copied) has no formats, which Qt's own paste does not expect.
    if (!source || isReadOnly() || source->formats().isEmpty())
        return;
    const QString plain = source->text();
    const int room = std::max(0, roomLeft());
    if (plain.size() <= room) {
        if (insertRichFromMimeData(*source))
            return;
        QTextEdit::insertFromMimeData(source);
        // Formatting from another program makes the topic rich text; a copy
        // inside the editor (which Qt also offers as OpenDocument) does not.
        if (acceptRichText() && source->hasHtml() &&
            !source->hasFormat(QStringLiteral("application/vnd.oasis.opendocument.text")))
            Q_EMIT richContentInserted();
        return;
    }
    // Too long: insert what fits, as plain text, and say how much was left out.
    textCursor().insertText(plain.left(room));
    ensureCursorVisible();
    Q_EMIT textCut(int(plain.size() - room));
}

bool TopicTextEdit::insertRichFromMimeData(const QMimeData& source) {
    // Word processors offer RTF beside HTML; ours reads it closer to what
    // a topic can hold (tables, pictures, lists) than the HTML importer.
    if (const QByteArray rtf = rtfFromMime(source); !rtf.isEmpty()) {
        QTextCursor cursor = textCursor();
        richtext::insertRtf(rtf, cursor);
        setTextCursor(cursor);
        Q_EMIT richContentInserted();
        return true;
    }
    // A copied picture; a copied web page selection brings text with it and
    // is left to the HTML importer.
    if (source.hasImage() && source.text().isEmpty()) {
        const QImage image = qvariant_cast<QImage>(source.imageData());
        if (image.isNull())
            return false;
        QTextCursor cursor = textCursor();
        insertPicture(cursor, pictureFromImage(image));
        setTextCursor(cursor);
        Q_EMIT richContentInserted();
        return true;
    }
    return false;
}

bool TopicTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source && (source->hasImage() || !rtfFromMime(*source).isEmpty() ||
                      QTextEdit::canInsertFromMimeData(source));
}

namespace {

// Files from another program; a drag inside Oxlin is the editor's own.
bool foreignFiles(const QDropEvent* event) {
    return event->source() == nullptr && carriesLocalFiles(event->mimeData());
}

} // namespace

void TopicTextEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (foreignFiles(event)) {
        event->ignore();
        return;
    }
    QTextEdit::dragEnterEvent(event);
}

void TopicTextEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (foreignFiles(event)) {
        event->ignore();
        return;
    }
    QTextEdit::dragMoveEvent(event);
}

void TopicTextEdit::dropEvent(QDropEvent* event) {
    if (foreignFiles(event)) {
        event->ignore();
        return;
    }
    QTextEdit::dropEvent(event);
}

void TopicTextEdit::contextMenuEvent(QContextMenuEvent* event) {
    Q_EMIT contextMenuRequested(event->globalPos());
    event->accept();
}

} // namespace oxlin::app
