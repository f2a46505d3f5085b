#include "app/editor/spelling_marks.h"

#include "app/editor/spell_service.h"
#include "app/editor/text_marks.h"

namespace oxlin::app {

namespace {

class MisspeltWords final : public MarkKind {
public:
    explicit MisspeltWords(const SpellService& spelling) : spelling_(spelling) {}

    std::vector<MarkSpan> find(QStringView paragraph) const override {
        std::vector<MarkSpan> spans;
        for (const spelling::WordSpan& word : spelling_.misspelt(paragraph))
            spans.push_back({word.start, word.length});
        return spans;
    }

    QTextCharFormat look() const override {
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        wavy.setUnderlineColor(Qt::red);
        return wavy;
    }

private:
    const SpellService& spelling_;
};

} // namespace

SpellingMarks::SpellingMarks(QTextEdit* edit, SpellService& spelling, QObject* parent)
    : QObject(parent), edit_(edit) {
    kind_ = TextMarks::of(edit).addKind(std::make_unique<MisspeltWords>(spelling));
    // A dictionary loaded or changed, a word ignored or added: what is
    // misspelt changed although the text did not.
    connect(&spelling, &SpellService::marksChanged, this, &SpellingMarks::markVisible);
}

SpellingMarks::~SpellingMarks() {
    if (edit_)
        TextMarks::of(edit_).removeKind(kind_);
}

void SpellingMarks::markVisible() {
    if (!edit_)
        return;
    TextMarks::of(edit_).forget(kind_);
    TextMarks::of(edit_).refresh();
}

} // namespace oxlin::app
