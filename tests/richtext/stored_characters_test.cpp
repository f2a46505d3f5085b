// Characters and link targets that notebooks made on Windows carry, read and
// written back without change.

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "core/store/stored_text.h"

#include "test_support.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

// What Windows-1252 gives for 0x80..0x9F; the five it leaves undefined read
// as the C1 control of the same number.
constexpr char16_t kHighHalf[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

TEST(StoredCharacters, EveryByteFrom0x80To0x9FReadsAsWindows1252) {
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        SCOPED_TRACE(byte);
        const QChar expected(kHighHalf[byte - 0x80]);
        // A plain-text topic that is not UTF-8 falls back to Windows-1252.
        const QByteArray plain = QByteArray("x") + char(byte);
        EXPECT_EQ(decodePlainText(plain), QString(u'x') + expected);
        // RTF names the byte by its code page.
        QTextDocument document;
        readRtf(QStringLiteral("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 x\\'%1}")
                    .arg(byte, 2, 16)
                    .toLatin1(),
                document);
        EXPECT_EQ(documentText(document), QString(u'x') + expected);
    }
}

TEST(StoredCharacters, EveryCharacterFrom0x7FTo0xFFIsWrittenAsItself) {
    // Bytes 0x80..0x9F are other characters in Windows-1252, so none of
    // these characters may be written as its own code as a byte.
    QString text;
    for (char16_t c = 0x7F; c <= 0xFF; ++c)
        text += QChar(c);
    QTextDocument document;
    QTextCursor(&document).insertText(text);
    const QByteArray rtf = writeRtf(document);
    EXPECT_FALSE(std::any_of(rtf.begin(), rtf.end(), [](char c) { return uchar(c) >= 0x80; }));
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(documentText(back), text);
}

TEST(StoredCharacters, TextDeclaredUtf8IsReadAsUtf8) {
    // A character's bytes may come as escapes, raw bytes, or both in a row.
    const QString expected = QString::fromUtf8("Café € 中 naïve");
    const QByteArray body = "Caf\\'c3\\'a9 \\'e2\\'82\\'ac \xe4\\'b8\xad na\\'efve";
    for (const QByteArray& header :
         {QByteArray("\\ansicpg65001{\\fonttbl{\\f0 Arial;}}\\f0 "),
          // Writers give Latin fonts charset 0 whatever the document's bytes are.
          QByteArray("\\ansicpg65001\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\\f0 "),
          // A font of its own code page, its name in it too.
          QByteArray("\\ansicpg1252{\\fonttbl{\\f0 Arial;}"
                     "{\\f1\\cpg65001 Caf\\'c3\\'a9 Sans;}}\\f1 ")}) {
        SCOPED_TRACE(header.toStdString());
        QTextDocument document;
        readRtf("{\\rtf1\\ansi" + header + body + "}", document);
        // The stray 0xEF in "naïve" is no UTF-8 sequence: it keeps its Windows-1252 letter.
        EXPECT_EQ(documentText(document), expected);
    }
    QTextDocument named;
    readRtf("{\\rtf1\\ansi{\\fonttbl{\\f1\\cpg65001 Caf\\'c3\\'a9 Sans;}}\\f1 x}", named);
    QTextCursor cursor(&named);
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontFamilies().toStringList(),
              QStringList({QString::fromUtf8("Café Sans")}));
}

namespace {

QTextCharFormat formatAt(QTextDocument& document, int position) {
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

TEST(StoredCharacters, EastAsianRunsTakeTheirScriptsFontAndFormats) {
    // As word processors write CJK text: the regular formats for Latin runs,
    // \af after \dbch for the East Asian font, whose charset decodes the bytes.
    const QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\froman Times New Roman;}"
        "{\\f13\\fnil\\fcharset134 SimSun;}{\\f14\\fnil\\fcharset128 MS Mincho;}}"
        "{\\rtlch\\fcs1 \\ab\\af0\\afs32 \\ltrch\\fcs0 \\b\\f0\\fs32\\hich\\af0\\dbch\\af13\\loch\\f0 Title "
        "\\dbch\\af13 \\'d6\\'d0\\'ce\\'c4}\\par"
        // A heading given only by the associated formats stays bold and large.
        "{\\rtlch\\fcs1 \\af14 \\ltrch\\fcs0 \\dbch\\af14\\ab\\afs40 \\'93\\'fa\\'96\\'7b}\\par"
        // Latin text after \ab0 keeps its regular bold.
        "{\\rtlch\\fcs1 \\ab0\\af0 \\ltrch\\fcs0 \\b\\loch\\f0 plain}}";
    QTextDocument document;
    readRtf(rtf, document);
    const QString text = documentText(document);
    const QStringList lines = text.split(u'\n');
    ASSERT_GE(lines.size(), 3) << text.toStdString();
    EXPECT_EQ(lines[0], QString::fromUtf8("Title 中文"));
    EXPECT_EQ(lines[1], QString::fromUtf8("日本"));
    EXPECT_EQ(lines[2], QStringLiteral("plain"));

    const QTextCharFormat latin = formatAt(document, 0);
    EXPECT_EQ(latin.fontWeight(), QFont::Bold);
    EXPECT_EQ(latin.fontPointSize(), 16);
    EXPECT_EQ(latin.fontFamilies().toStringList(), QStringList({"Times New Roman"}));
    const QTextCharFormat chinese = formatAt(document, int(lines[0].size()) - 1);
    EXPECT_EQ(chinese.fontWeight(), QFont::Bold);
    EXPECT_EQ(chinese.fontPointSize(), 16);
    EXPECT_EQ(chinese.fontFamilies().toStringList(), QStringList({"SimSun"}));
    const QTextCharFormat japanese = formatAt(document, int(lines[0].size()) + 1);
    EXPECT_EQ(japanese.fontWeight(), QFont::Bold);
    EXPECT_EQ(japanese.fontPointSize(), 20);
    EXPECT_EQ(japanese.fontFamilies().toStringList(), QStringList({"MS Mincho"}));
    const QTextCharFormat plain = formatAt(document, int(lines[0].size() + lines[1].size()) + 2);
    EXPECT_EQ(plain.fontWeight(), QFont::Bold);
}

TEST(StoredCharacters, LinkTargetsWithBackslashesAndQuotesSurviveARoundTrip) {
    const QStringList targets = {QStringLiteral("\\\\server\\share\\a.txt"),
                                 QStringLiteral("C:\\dir\\x.txt"),
                                 QStringLiteral("C:\\say \"hi\"\\y.txt"),
                                 QStringLiteral("file://$CurrentBook$\\Plans\\Garden.txt")};
    QTextDocument document;
    QTextCursor cursor(&document);
    for (const QString& target : targets) {
        QTextCharFormat link;
        link.setAnchor(true);
        link.setAnchorHref(target);
        cursor.insertText(QStringLiteral("link"), link);
        cursor.insertText(QStringLiteral(" "), QTextCharFormat());
    }
    QTextDocument back;
    readRtf(writeRtf(document), back);
    EXPECT_EQ(test::linkTargets(back), targets);
    QTextDocument again;
    readRtf(writeRtf(back), again);
    EXPECT_EQ(test::linkTargets(again), targets);
}

} // namespace
} // namespace oxlin::richtext
