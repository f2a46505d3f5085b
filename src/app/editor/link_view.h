#pragma once

// How links look and respond in the editor: link text is drawn as a link
// (without changing the document, so topics keep links as plain text),
// hovering an escaped link or one with a text of its own shows its readable
// target, the pointer turns into a hand over links, and Ctrl+click activates
// one. A plain click places the caret, so link text stays editable like any
// other text. Pointing at a footnote mark shows the note's text.

#include "app/editor/text_marks.h"

#include <QObject>
#include <QPointer>

class QTextEdit;

namespace oxlin::app {

// The links of a paragraph, drawn in the link colour, underlined.
class LinkMarks final : public MarkKind {
public:
    std::vector<MarkSpan> find(QStringView paragraph) const override;
    QTextCharFormat look() const override;
};

class LinkView final : public QObject {
    Q_OBJECT
public:
    // Watches `edit` (borrowed); lives as long as the caller keeps it.
    explicit LinkView(QTextEdit* edit, QObject* parent = nullptr);
    ~LinkView() override;

    // The link at a viewport position, as a link's text reads (the target of
    // a link with a text of its own), or empty.
    QString linkAt(const QPoint& viewportPosition) const;

Q_SIGNALS:
    // Ctrl+click on a link: its text as it stands in the document.
    void linkActivated(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Hit {
        QString target;
        bool ownText = false; // the link shows a text of its own, not its target
    };
    Hit hitAt(const QPoint& viewportPosition) const;
    // The position of the character under a viewport position.
    int characterAt(const QPoint& viewportPosition) const;
    // The text of the footnote mark under a viewport position, or empty.
    QString noteAt(const QPoint& viewportPosition) const;
    void hover(const QPoint& viewportPosition, const QPoint& globalPosition);

    QPointer<QTextEdit> edit_;
    MarkKind* links_ = nullptr; // drawn by the control's TextMarks
    bool overLink_ = false;
};

} // namespace oxlin::app
