// What the writer writes, the reader reads back the same.

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_objects.h"

#include "test_support.h"

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

class CorpusRoundTrip : public ::testing::TestWithParam<QString> {};

TEST_P(CorpusRoundTrip, RewriteKeepsTextFormatsTablesPicturesAndLinks) {
    QTextDocument first;
    readRtf(test::readFixture(QStringLiteral("corpus/") + GetParam()), first);
    const QByteArray written = writeRtf(first);
    QTextDocument second;
    const RtfReadReport report = readRtf(written, second);
    EXPECT_EQ(report.unclosedGroups, 0);
    EXPECT_EQ(report.strayGroupEnds, 0);
    EXPECT_EQ(documentText(second).toStdString(), documentText(first).toStdString());
    EXPECT_EQ(test::describe(second).toStdString(), test::describe(first).toStdString());
    EXPECT_EQ(test::countImages(second), test::countImages(first));
    EXPECT_EQ(test::countImages(second, true), test::countImages(first, true));
    EXPECT_EQ(test::linkTargets(second), test::linkTargets(first));
    // Writing is stable: a second rewrite gives the same bytes.
    EXPECT_EQ(writeRtf(second), written);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusRoundTrip, ::testing::ValuesIn(test::corpusFiles()),
                         [](const auto& param) { return param.param.left(2).toStdString(); });

TEST(RoundTrip, WriterWritesAFixedHeaderAndAsciiOnly) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("Grüße {x} \\ 中文 😀"));
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl"));
    EXPECT_TRUE(rtf.contains("\\viewkind4\\uc1"));
    EXPECT_TRUE(
        rtf.contains("Gr\\u252?\\u223?e \\{x\\} \\\\ \\u20013?\\u25991? \\u-10179?\\u-8704?"));
    for (char c : rtf)
        ASSERT_LT(uchar(c), 0x80);
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(back.toPlainText(), document.toPlainText());
}

TEST(RoundTrip, UnsizedTextTakesTheDocumentsDefaultFont) {
    // Text without a size of its own is stored at the default font's size,
    // and a document that states no size shows in the reading document's
    // default font; stated sizes stay what they say.
    QFont editorFont(QStringLiteral("Arial"));
    editorFont.setPointSizeF(10.5);
    QTextDocument document;
    document.setDefaultFont(editorFont);
    document.setPlainText(QStringLiteral("plain"));
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("{\\f0\\fnil\\fcharset0 Arial;}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\fs21 plain")) << rtf.constData();

    QTextDocument back;
    back.setDefaultFont(editorFont);
    readRtf(rtf, back);
    QTextCursor cursor(&back);
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 10.5);

    QTextDocument unsized;
    unsized.setDefaultFont(editorFont);
    readRtf("{\\rtf1\\ansi one\\plain  two {\\fs30 three}}", unsized);
    QTextCursor at(&unsized);
    for (const int position : {1, 6}) {
        at.setPosition(position);
        EXPECT_FALSE(at.charFormat().hasProperty(QTextFormat::FontPointSize)) << position;
    }
    at.setPosition(10);
    EXPECT_EQ(at.charFormat().fontPointSize(), 15);
    EXPECT_EQ(unsized.toPlainText(), QStringLiteral("one two three"));

    // Written back, unsized text stays unsized for other programs too (after
    // a sized run, by \plain), and a size chosen for some of it is stated.
    readRtf("{\\rtf1\\ansi {\\fs30 big} one two\\par}", unsized);
    QTextCursor chosen(&unsized);
    chosen.setPosition(8);
    chosen.setPosition(11, QTextCursor::KeepAnchor);
    QTextCharFormat twelve;
    twelve.setFontPointSize(12);
    chosen.mergeCharFormat(twelve);
    const QByteArray written = writeRtf(unsized);
    EXPECT_FALSE(written.contains("\\fs21")) << written.constData();
    EXPECT_TRUE(written.contains("\\fs30 big\\plain  one \\fs24 two")) << written.constData();
    readRtf(written, back);
    for (const auto& [position, points] : {std::pair{1, 15.0}, {6, 0.0}, {10, 12.0}}) {
        at = QTextCursor(&back);
        at.setPosition(position);
        EXPECT_EQ(at.charFormat().fontPointSize(), points) << position;
    }
}

TEST(RoundTrip, EditorMadeDocumentWithEveryFormat) {
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLeftMargin(48);
    centred.setTextIndent(-24);
    centred.setBottomMargin(10);
    cursor.setBlockFormat(centred);
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Courier New")});
    f.setFontPointSize(14);
    f.setFontWeight(QFont::Bold);
    f.setFontItalic(true);
    f.setFontUnderline(true);
    f.setFontStrikeOut(true);
    f.setForeground(QColor(10, 20, 30));
    f.setBackground(QColor(255, 255, 0));
    cursor.insertText(QStringLiteral("all formats"), f);
    QTextCharFormat sup;
    sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    cursor.insertText(QStringLiteral("2"), sup);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("file://C:\\My%20Docs\\plan \"a\".txt"));
    cursor.insertText(QStringLiteral("a link"), link);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setRightMargin(20);
    right.setTopMargin(5);
    cursor.insertBlock(right, QTextCharFormat());
    cursor.insertText(QStringLiteral("tab\there\u2028line"));
    QTextTableFormat tf;
    tf.setBorder(1);
    tf.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, 100), QTextLength(QTextLength::FixedLength, 50)});
    QTextTable* table = cursor.insertTable(2, 2, tf);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("c00"));
    table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("c11"));
    cursor.movePosition(QTextCursor::End);
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    cursor.insertImage(makePictureFormat(document, image, {}, PictureKind::Png, QSizeF(40, 30)));
    cursor.insertBlock();

    QTextDocument back;
    readRtf(writeRtf(document), back);
    EXPECT_EQ(test::describe(back).toStdString(), test::describe(document).toStdString());
    EXPECT_EQ(documentText(back), documentText(document));
    EXPECT_EQ(test::linkTargets(back), test::linkTargets(document));
    EXPECT_EQ(test::countImages(back), 1);
}

TEST(RoundTrip, KeptObjectsAreWrittenBackByteForByte) {
    const QByteArray rtf =
        test::readFixture(QStringLiteral("corpus/17-riched20-ole-object-wmf-result.rtf"));
    QTextDocument document;
    readRtf(rtf, document);
    const QByteArray written = writeRtf(document);
    const qsizetype start = rtf.indexOf("{\\object");
    ASSERT_GE(start, 0);
    // The object group runs to its matching brace; the whole of it is in the output.
    int depth = 0;
    qsizetype end = start;
    for (; end < rtf.size(); ++end) {
        if (rtf[end] == '\\') {
            ++end;
            continue;
        }
        if (rtf[end] == '{')
            ++depth;
        if (rtf[end] == '}' && --depth == 0)
            break;
    }
    EXPECT_TRUE(written.contains(rtf.mid(start, end - start + 1)));
}

TEST(RoundTrip, EmptyParagraphsAroundATableSurvive) {
    QTextDocument document;
    readRtf("{\\rtf1 \\par\\trowd\\cellx1000\\intbl a\\cell\\row\\pard\\par x\\par\\par}",
            document);
    QTextDocument back;
    readRtf(writeRtf(document), back);
    EXPECT_EQ(documentText(back), documentText(document));
    EXPECT_EQ(back.blockCount(), document.blockCount());
}

} // namespace
} // namespace oxlin::richtext
