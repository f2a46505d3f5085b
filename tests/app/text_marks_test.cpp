// How the editor draws marks and lays out a large topic: links are marked
// over the paragraphs on screen only, never in the document; another kind of
// mark draws beside them; the part of a topic not on screen is laid out in
// slices after the first screen, with the scroll bar following.

#include "app/editor/link_view.h"
#include "app/editor/paced_layout.h"
#include "app/editor/text_marks.h"
#include "app/editor/topic_text_edit.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include <memory>

using namespace oxlin::app;

namespace {

// Every "todo" in a paragraph, under a wavy line: a kind that is not a link.
class ToDoMarks final : public MarkKind {
public:
    std::vector<MarkSpan> find(QStringView paragraph) const override {
        std::vector<MarkSpan> spans;
        if (off)
            return spans;
        for (qsizetype at = paragraph.indexOf(u"todo"); at >= 0;
             at = paragraph.indexOf(u"todo", at + 4))
            spans.push_back({int(at), 4});
        return spans;
    }
    QTextCharFormat look() const override {
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        return wavy;
    }
    bool off = false;
};

QString numberedLinks(int paragraphs) {
    QStringList lines;
    for (int i = 0; i < paragraphs; ++i)
        lines.append(QStringLiteral("paragraph %1 see www.example.org/%1 now").arg(i));
    return lines.join(u'\n');
}

QStringList markedTexts(const TextMarks& marks) {
    QStringList texts;
    for (const QTextEdit::ExtraSelection& mark : marks.shown())
        texts.append(mark.cursor.selectedText());
    return texts;
}

} // namespace

class TextMarksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        edit_ = std::make_unique<TopicTextEdit>();
        edit_->resize(400, 300);
        edit_->show();
    }
    void cleanup() { edit_.reset(); }

    void linksAreMarkedOnScreenOnlyAndNeverInTheDocument();
    void marksFollowTheTextAndOtherKindsDrawBesideLinks();
    void aParagraphLongerThanTheScreenIsMarkedWhereItIsShown();
    void aLargeDocumentIsLaidOutInSlicesAfterTheFirstScreen();

private:
    std::unique_ptr<TopicTextEdit> edit_;
};

void TextMarksTest::linksAreMarkedOnScreenOnlyAndNeverInTheDocument() {
    edit_->setPlainText(numberedLinks(3000));
    const QString stored = edit_->document()->toHtml();
    LinkView links(edit_.get());
    TextMarks& marks = TextMarks::of(edit_.get());

    marks.refresh();
    const QStringList top = markedTexts(marks);
    QVERIFY(!top.isEmpty());
    QVERIFY(top.size() < 100); // the screen's paragraphs, not the topic's 3,000
    QCOMPARE(top.first(), QStringLiteral("www.example.org/0"));
    const QTextCharFormat look = marks.shown().first().format;
    QVERIFY(look.fontUnderline());
    QCOMPARE(look.foreground().color(), QApplication::palette().color(QPalette::Link));

    edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
    marks.refresh();
    QCOMPARE(markedTexts(marks).last(), QStringLiteral("www.example.org/2999"));
    QVERIFY(!markedTexts(marks).contains(QStringLiteral("www.example.org/0")));

    // Nothing of the marks is in the document or its layout.
    QCOMPARE(edit_->document()->toHtml(), stored);
    QVERIFY(!edit_->document()->isModified());
    for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next())
        QVERIFY(block.layout()->formats().isEmpty());
}

void TextMarksTest::marksFollowTheTextAndOtherKindsDrawBesideLinks() {
    edit_->setPlainText(QStringLiteral("todo: call back\nnothing here"));
    LinkView links(edit_.get());
    TextMarks& marks = TextMarks::of(edit_.get());
    marks.addKind(std::make_unique<ToDoMarks>());
    QVERIFY(QTest::qWaitForWindowExposed(edit_.get())); // marks are found as the text is painted
    marks.refresh();
    QCOMPARE(markedTexts(marks), QStringList{"todo"});
    QCOMPARE(marks.shown().first().format.underlineStyle(), QTextCharFormat::WaveUnderline);

    // A link typed in is marked on the next paint; removed, it goes.
    QTextCursor end(edit_->document());
    end.movePosition(QTextCursor::End);
    edit_->setTextCursor(end);
    QTest::keyClicks(edit_.get(), " http://example.org/x todo");
    edit_->viewport()->repaint();
    QCOMPARE(markedTexts(marks), QStringList({"todo", "http://example.org/x", "todo"}));
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(edit_.get(), Qt::Key_Backspace);
    edit_->viewport()->repaint();
    QCOMPARE(markedTexts(marks), QStringList({"todo", "http://example.org/x"}));

    // Marks belong to the document shown: another one is marked instead.
    QTextDocument other;
    other.setPlainText(QStringLiteral("mailto:a@example.org"));
    edit_->setDocument(&other);
    edit_->viewport()->repaint();
    QCOMPARE(markedTexts(marks), QStringList{"mailto:a@example.org"});
    QCOMPARE(marks.shown().first().cursor.document(), &other);
    edit_->setDocument(nullptr);
}

void TextMarksTest::aParagraphLongerThanTheScreenIsMarkedWhereItIsShown() {
    // One paragraph of 6,000 links: a key typed into it must not look at all of them.
    QStringList words;
    for (int i = 0; i < 6000; ++i)
        words.append(QStringLiteral("see www.example.org/%1 todo").arg(i));
    edit_->setPlainText(words.join(u' '));
    LinkView links(edit_.get());
    TextMarks& marks = TextMarks::of(edit_.get());
    auto owned = std::make_unique<ToDoMarks>();
    ToDoMarks* todo = owned.get();
    marks.addKind(std::move(owned));
    QVERIFY(QTest::qWaitForWindowExposed(edit_.get()));

    const auto shownLinks = [&marks] {
        marks.refresh();
        return markedTexts(marks).filter(QStringLiteral("www."));
    };
    QStringList top = shownLinks();
    QCOMPARE(top.first(), QStringLiteral("www.example.org/0"));
    QVERIFY(top.size() < 200);
    // Every link on screen, whole: the view's cut never splits one.
    for (const QString& link : top)
        QVERIFY2(link.contains(QRegularExpression(QStringLiteral(R"(^www\.example\.org/\d+$)"))),
                 qPrintable(link));
    edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->maximum());
    QCOMPARE(shownLinks().last(), QStringLiteral("www.example.org/5999"));

    // A kind whose answers changed (a word added to the dictionary) finds
    // them anew, for text it has seen before, once it is forgotten.
    QVERIFY(markedTexts(marks).contains(QStringLiteral("todo")));
    todo->off = true;
    marks.forget(todo);
    marks.refresh();
    QVERIFY(!markedTexts(marks).contains(QStringLiteral("todo")));
}

void TextMarksTest::aLargeDocumentIsLaidOutInSlicesAfterTheFirstScreen() {
    auto* paced = edit_->findChild<PacedLayout*>();
    QVERIFY(paced);
    QSignalSpy completed(paced, &PacedLayout::completed);
    edit_->setPlainText(numberedLinks(9000)); // within the editable limit
    QCoreApplication::processEvents();
    // The first screen is there; most of the rest is still to do.
    QVERIFY(edit_->document()->begin().layout()->lineCount() > 0);
    QVERIFY(!paced->isComplete());

    // A key is answered in the middle of it.
    QTest::keyClick(edit_.get(), Qt::Key_X);
    QVERIFY(edit_->toPlainText().startsWith(u'x'));

    int slices = 0;
    while (!paced->isComplete() && slices < 100'000) {
        QCoreApplication::processEvents();
        ++slices;
    }
    QVERIFY(paced->isComplete());
    QVERIFY(slices > 1);
    QCOMPARE(completed.size(), 1);
    QCoreApplication::processEvents(); // Qt's own size notice, held back until now
    // The scroll bar reaches the end of the whole text.
    const qreal height = edit_->document()->documentLayout()->documentSize().height();
    QCOMPARE(edit_->verticalScrollBar()->maximum(),
             qCeil(height) - edit_->viewport()->height());

    // Another document, given while the slices run, is the one laid out.
    edit_->setPlainText(numberedLinks(9000));
    QCoreApplication::processEvents();
    QTextDocument next;
    next.setPlainText(numberedLinks(8000));
    edit_->setDocument(&next);
    for (int i = 0; i < 100'000 && !paced->isComplete(); ++i)
        QCoreApplication::processEvents();
    QVERIFY(next.lastBlock().layout()->lineCount() > 0);
    edit_->setDocument(nullptr);
}

QTEST_MAIN(TextMarksTest)
#include "text_marks_test.moc"
