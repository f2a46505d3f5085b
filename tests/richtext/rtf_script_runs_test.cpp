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

// A document of runs, each "text" in `format`, in one paragraph.
struct Runs {
    QTextDocument document;
    QTextCursor cursor{&document};

    Runs() {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(12);
        document.setDefaultFont(font);
    }
    Runs& add(const QString& text, const QTextCharFormat& format = {}) {
        cursor.insertText(text, format);
        return *this;
    }
    // Writes, reads back and checks every run kept its formats.
    QByteArray roundTrip() {
        const QByteArray rtf = writeRtf(document);
        QTextDocument back;
        back.setDefaultFont(document.defaultFont());
        readRtf(rtf, back);
        EXPECT_EQ(test::describe(back).toStdString(), test::describe(document).toStdString());
        return rtf;
    }
};

QTextCharFormat withFont(const QString& family, double points = 0, bool bold = false) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    if (points > 0)
        format.setFontPointSize(points);
    if (bold)
        format.setFontWeight(QFont::Bold);
    return format;
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

TEST(ScriptRuns, SuperscriptAndSubscriptAreGroupsOfTheirOwn) {
    QTextCharFormat super;
    super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    QTextCharFormat sub;
    sub.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    Runs runs;
    runs.add("E=mc").add("2", super).add(" H").add("2", sub).add("O");
    const QByteArray rtf = runs.roundTrip();
    // A \super no group closes makes LibreOffice drop the text after it.
    EXPECT_TRUE(rtf.contains("{\\super 2}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\sub 2}")) << rtf.constData();
    EXPECT_FALSE(rtf.contains("\\nosupersub"));
}

TEST(ScriptRuns, TheFirstRunSaysItsSize) {
    // Readers differ in the size they assume, most for East Asian text.
    Runs runs;
    runs.add(QString::fromUtf8("中文 text"));
    const QByteArray rtf = runs.roundTrip();
    const qsizetype size = rtf.indexOf("\\fs24");
    ASSERT_GE(size, 0) << rtf.constData();
    EXPECT_LT(size, rtf.indexOf("\\u20013?"));
    EXPECT_EQ(rtf.count("\\fs24"), 1);
}

TEST(ScriptRuns, EastAsianTextNamesItsFontForOtherReaders) {
    Runs runs;
    runs.add("Latin only ")
        .add(QString::fromUtf8("中文 and "), withFont("SimSun"))
        .add(QString::fromUtf8("more 文字"), withFont("SimSun", 16))
        .add(QString::fromUtf8("日本"), withFont("MS Mincho"));
    const QByteArray rtf = runs.roundTrip();
    // Fonts: 0 Arial, 1 SimSun, 2 MS Mincho. Once per font, and back to \loch.
    EXPECT_EQ(rtf.count("\\dbch\\af1\\loch"), 1) << rtf.constData();
    EXPECT_EQ(rtf.count("\\dbch\\af2\\loch"), 1);
    EXPECT_FALSE(rtf.contains("\\dbch\\af0"));
    EXPECT_LT(rtf.indexOf("\\dbch\\af1"), rtf.indexOf("\\u20013?"));
}

TEST(ScriptRuns, ComplexScriptsGetTheAssociatedFormats) {
    const QString hebrew = QString::fromUtf8("שלום");
    Runs runs;
    runs.add("plain ")
        .add(hebrew, withFont("David", 16, true))
        .add(" bold latin", withFont("David", 16, true))
        .add(hebrew);
    const QByteArray rtf = runs.roundTrip();
    // Fonts: 0 Arial, 1 David.
    const qsizetype first = rtf.indexOf("\\af1\\afs32\\ab\\u1513?");
    ASSERT_GE(first, 0) << rtf.constData();
    EXPECT_LT(rtf.indexOf("plain"), first);
    // The plain Hebrew at the end goes back to the regular formats.
    EXPECT_TRUE(rtf.contains("\\af0\\afs24\\ab0\\u1513?")) << rtf.constData();
    EXPECT_EQ(rtf.count("\\ab"), 2);
}

} // namespace
} // namespace oxlin::richtext
