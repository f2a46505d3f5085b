// Runs of text as other word processors mark and read them: sizes, scripts,
// superscript and subscript, both ways.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include "test_support.h"

#include <QFont>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

QTextCharFormat formatAt(QTextDocument& document, int position) {
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

QString familyAt(QTextDocument& document, int position) {
    return formatAt(document, position).fontFamilies().toStringList().value(0);
}

TEST(ScriptRuns, AsciiInADoubleByteRunKeepsTheRegularFontAndFormats) {
    // The way Word-like writers end a run: \dbch last, then a Latin word.
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f14\\fnil Yu Mincho;}{\\f17\\fswiss Calibri;}}"
        "\\pard\\plain\\rtlch\\af16\\afs22\\ltrch\\f17\\fs22\\dbch\\af14 Proba \\u20013?\\par"
        "\\pard\\f17\\dbch\\af14\\ab abc\\u20013?\\par}";
    QTextDocument document;
    readRtf(rtf, document);
    ASSERT_EQ(document.toPlainText(), QString::fromUtf8("Proba 中\nabc中"));
    EXPECT_EQ(familyAt(document, 0), QStringLiteral("Calibri"));
    EXPECT_EQ(formatAt(document, 0).fontPointSize(), 11);
    EXPECT_EQ(familyAt(document, 6), QStringLiteral("Yu Mincho"));
    // Bold given only by \ab is the East Asian characters'.
    EXPECT_NE(formatAt(document, 8).fontWeight(), QFont::Bold);
    EXPECT_EQ(familyAt(document, 8), QStringLiteral("Calibri"));
    EXPECT_EQ(formatAt(document, 11).fontWeight(), QFont::Bold);
    EXPECT_EQ(familyAt(document, 11), QStringLiteral("Yu Mincho"));
}

} // namespace
} // namespace oxlin::richtext
