#pragma once

// Marks drawn over an editor's text without touching its document: links
// today, and any other kind that finds its spans paragraph by paragraph (a
// spelling checker's words, say). Only the paragraphs on screen are looked
// at, when the editor paints them, so a topic of any length opens at the
// same cost, and the marks are drawn as the control's extra selections:
// formats applied at paint time, which never change what is stored and never
// make Qt lay the document out again (formats put into the layout would:
// each paragraph marked relays the document from there on).

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextEdit>

#include <memory>
#include <utility>
#include <vector>

namespace oxlin::app {

struct MarkSpan {
    int start = 0; // in the paragraph's text
    int length = 0;
};

// One kind of mark: where it lies in a paragraph and how it is drawn.
class MarkKind {
public:
    virtual ~MarkKind() = default;
    // The spans to mark in one paragraph's text, in order.
    virtual std::vector<MarkSpan> find(QStringView paragraph) const = 0;
    // Drawn over the text as it is laid out, so it may change colours and
    // lines but not the metrics (no font, size or weight).
    virtual QTextCharFormat look() const = 0;
};

// Draws the marks of every kind added over one editor control. There is one
// per control, its child, since it owns the control's extra selections: each
// kind of mark adds itself to that one.
class TextMarks final : public QObject {
    Q_OBJECT
public:
    // The marks of `edit`, made on first use.
    static TextMarks& of(QTextEdit* edit);

    // Returns the kind, which stays the marks' until removed.
    MarkKind* addKind(std::unique_ptr<MarkKind> kind);
    void removeKind(const MarkKind* kind);
    // Finds the marks of the paragraphs on screen now, as a paint does when
    // something changed (text, scrolling, size, another document).
    void refresh();
    // Forgets what `kind` found so far: what it marks changed although the
    // text did not (a word added to a dictionary, say).
    void forget(const MarkKind* kind);
    // The marks on screen after the last paint or refresh: the control's
    // extra selections.
    QList<QTextEdit::ExtraSelection> shown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TextMarks(QTextEdit* edit);
    void watch(QTextDocument* document);
    // The first and last paragraph on screen.
    std::pair<QTextBlock, QTextBlock> visibleBlocks() const;
    // The part of `block` (whose text is `text`) to look at: all of it, or for
    // a paragraph far longer than a screen, the lines on screen widened to
    // whole words.
    std::pair<int, int> visibleSpan(const QTextBlock& block, const QString& text) const;
    // What `kind` finds in `text`, from the spans found before when the
    // same text was on screen: a key typed looks again at one paragraph only.
    const std::vector<MarkSpan>& spansOf(const MarkKind& kind, const QString& text);

    struct Found {
        const MarkKind* kind;
        QHash<QString, std::vector<MarkSpan>> byText;
    };

    QPointer<QTextEdit> edit_;
    std::vector<std::unique_ptr<MarkKind>> kinds_;
    QPointer<QTextDocument> watched_; // the document whose changes make the marks stale
    std::vector<QMetaObject::Connection> watching_;
    bool stale_ = true;
    std::vector<Found> found_;
};

} // namespace oxlin::app
