#pragma once

#include <QTextEdit>

namespace oxlin::app {

// The editor control: a QTextEdit that holds at most kTextLimit characters.
// Typing at the limit is refused with a beep; a paste or drop that does not
// fit is cut to the room left and reported through textCut, so the host can
// tell the user. Text typed at either end of a link or another field starts
// ordinary text rather than growing the field's result.
class TopicTextEdit final : public QTextEdit {
    Q_OBJECT
public:
    static constexpr int kTextLimit = 400 * 1024;

    explicit TopicTextEdit(QWidget* parent = nullptr);

    int textLength() const;

Q_SIGNALS:
    void textCut(int droppedCharacters);
    void contextMenuRequested(const QPoint& globalPos);
    // A paste or drop brought formatting or a picture: the topic must be
    // kept as rich text to keep it.
    void richContentInserted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Files dragged in from a file manager are not text: they go on to the
    // window, which imports them as topics.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int roomLeft() const;
    // Gives the caret the format typing should have beside a field.
    void leaveFieldForTyping();
    // RTF or a picture from another program; false when neither is offered.
    bool insertRichFromMimeData(const QMimeData& source);
};

} // namespace oxlin::app
