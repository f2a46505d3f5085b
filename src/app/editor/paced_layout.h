#pragma once

// Lays out the part of an editor's document that is not on screen in short
// slices from the event loop, so that a large topic shows at once and the
// window answers keys while the rest is laid out.
//
// Qt lays out the first screen itself and leaves the rest to a timer of its
// document layout, whose steps double up to 200,000 characters each: on a
// large topic one step holds the event loop for a quarter of a second. While
// a document is being laid out, the layout's own timer events are held back
// and this object lays out as much as fits in kSliceBudgetMs, then lets the
// loop run. Whatever needs more of the layout at once (a paint further down,
// Find, Ctrl+End) still has Qt lay it out on the spot, as before.

#include <QBasicTimer>
#include <QObject>
#include <QPointer>

class QAbstractTextDocumentLayout;
class QTextEdit;

namespace oxlin::app {

class PacedLayout final : public QObject {
    Q_OBJECT
public:
    // Paces the layout of every document `edit` shows; a child of `edit`.
    explicit PacedLayout(QTextEdit* edit);

    // The longest a slice runs before the event loop gets its turn: less
    // than a frame of 16 ms, so that a key and a paint still fit in one.
    static constexpr int kSliceBudgetMs = 8;

    // Whether the document shown is laid out to its end.
    bool isComplete() const;

Q_SIGNALS:
    // The document shown is laid out to its end.
    void completed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // Starts pacing when the shown document's layout has more to do.
    void follow();
    void slice();
    void stop();

    QPointer<QTextEdit> edit_;
    QPointer<QAbstractTextDocumentLayout> layout_; // the layout watched and held back
    QBasicTimer slices_;
    bool restarted_ = false; // the layout was started over and has not moved since
};

} // namespace oxlin::app
