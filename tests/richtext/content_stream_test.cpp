#include "richtext/content_stream.h"
#include "richtext/plain_text.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

struct DetectionCase {
    const char* name;
    QByteArray bytes;
    bool rich;
};

class Detection : public ::testing::TestWithParam<DetectionCase> {};

TEST_P(Detection, FirstFiveBytesDecide) {
    EXPECT_EQ(isRichText(GetParam().bytes), GetParam().rich);
}

INSTANTIATE_TEST_SUITE_P(
    ContentStream, Detection,
    ::testing::Values(DetectionCase{"lower", "{\\rtf1\\ansi x}", true},
                      DetectionCase{"upper", "{\\RTF1 x}", true},
                      DetectionCase{"mixed", "{\\RtF", true},
                      DetectionCase{"four_bytes", "{\\rt", false},
                      DetectionCase{"empty", "", false},
                      DetectionCase{"leading_space", " {\\rtf1}", false},
                      DetectionCase{"bom_then_rtf", "\xEF\xBB\xBF{\\rtf1}", false},
                      DetectionCase{"plain", "hello world", false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PlainText, AllLineEndsBreakLinesAndSaveWritesCrLf) {
    QTextDocument document;
    EXPECT_EQ(loadTopicStream("one\r\ntwo\nthree\rfour", document), StreamFormat::PlainText);
    EXPECT_EQ(document.blockCount(), 4);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("one\ntwo\nthree\nfour"));
    EXPECT_EQ(saveTopicStream(document, StreamFormat::PlainText),
              QByteArray("one\r\ntwo\r\nthree\r\nfour"));
}

TEST(PlainText, Utf8IsKeptAndInvalidUtf8IsReadAsWindows1252) {
    QTextDocument document;
    loadTopicStream("gr\xC3\xBC\xC3\x9F \xE4\xB8\xAD", document);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("grüß 中"));
    loadTopicStream("caf\xE9 \x80 \x96", document); // a Windows topic
    EXPECT_EQ(document.toPlainText(), QStringLiteral("café € –"));
    // Saved back it becomes UTF-8 and reads the same.
    const QByteArray saved = saveTopicStream(document, StreamFormat::PlainText);
    EXPECT_EQ(saved, QByteArray("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x93"));
}

TEST(PlainText, FormattingIsDroppedButTextKeptWhenSavedAsPlain) {
    QTextDocument document;
    loadTopicStream("{\\rtf1 {\\b bold}\\par next\\tab x}", document);
    EXPECT_EQ(saveTopicStream(document, StreamFormat::PlainText), QByteArray("bold\r\nnext\tx"));
}

TEST(ContentStream, RichTopicLoadsAsRichAndClearsUndo) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("old"));
    EXPECT_EQ(loadTopicStream("{\\RTF1 new}", document), StreamFormat::RichText);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("new"));
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_FALSE(document.isModified());
}

TEST(ContentStream, InsertingAFileReplacesTheSelectionOnly) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("before XX after"));
    QTextCursor cursor(&document);
    cursor.setPosition(7);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    EXPECT_EQ(insertTopicStream("{\\rtf1 {\\b mid}}", cursor), StreamFormat::RichText);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("before mid after"));
    EXPECT_EQ(cursor.position(), 10);
    cursor.setPosition(0);
    insertTopicStream("plain\r\n", cursor);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("plain\nbefore mid after"));
}

} // namespace
} // namespace oxlin::richtext
