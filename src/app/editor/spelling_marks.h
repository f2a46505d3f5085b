#pragma once

// Misspelt words get a red wavy underline as the user types. The marks are
// drawn over the text (the edit's extra selections), never put into the
// document: what is stored is the same with checking on or off, and a mark
// costs no layout. Only the paragraphs on screen are checked, when the text,
// the view or the dictionary changes, so a key in a long topic costs what
// the screen holds.

#include <QObject>
#include <QPointer>

class QTextEdit;

namespace oxlin::app {

class SpellService;

class SpellingMarks final : public QObject {
    Q_OBJECT
public:
    // Watches `edit` (borrowed); `spelling` outlives this object.
    SpellingMarks(QTextEdit* edit, SpellService& spelling, QObject* parent = nullptr);

    // Checks what is on screen now; the triggers call it from the event loop.
    void markVisible();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs markVisible once when control returns to the event loop, however
    // many changes asked for it meanwhile.
    void scheduleMarking();

    QPointer<QTextEdit> edit_;
    SpellService& spelling_;
    bool pending_ = false;
};

} // namespace oxlin::app
