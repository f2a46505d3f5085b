#pragma once

// Misspelt words get a red wavy underline as the user types: one more kind
// of the marks drawn over the text (`TextMarks`), never put into the
// document, so what is stored is the same with checking on or off and a
// mark costs no layout. Only the paragraphs on screen are looked at.

#include <QObject>
#include <QPointer>

class QTextEdit;

namespace oxlin::app {

class MarkKind;
class SpellService;

class SpellingMarks final : public QObject {
    Q_OBJECT
public:
    // Marks the misspelt words of `edit` (borrowed); `spelling` outlives this object.
    SpellingMarks(QTextEdit* edit, SpellService& spelling, QObject* parent = nullptr);
    ~SpellingMarks() override;

    // Finds the marks on screen now, as the next paint would.
    void markVisible();

private:
    QPointer<QTextEdit> edit_;
    MarkKind* kind_ = nullptr; // owned by the edit's TextMarks
};

} // namespace oxlin::app
