// Damaged and hostile input: the reader never crashes or hangs and keeps what it can.

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include "test_support.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

QString read(const QByteArray& rtf, RtfReadReport* report = nullptr) {
    QTextDocument document;
    const RtfReadReport r = readRtf(rtf, document);
    if (report)
        *report = r;
    return documentText(document);
}

TEST(Robustness, HundredThousandNestedGroups) {
    const int depth = 100000;
    const QByteArray rtf = "{\\rtf1 " + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + " after}";
    EXPECT_EQ(read(rtf), QStringLiteral("deep after"));
    // Unclosed, too.
    RtfReadReport report;
    EXPECT_EQ(read("{\\rtf1 " + QByteArray(depth, '{') + "open", &report), QStringLiteral("open"));
    EXPECT_EQ(report.unclosedGroups, depth + 1);
}

TEST(Robustness, TruncatedFileKeepsTextBeforeTheCut) {
    EXPECT_EQ(read("{\\rtf1\\ansi {\\b bold} and more"), QStringLiteral("bold and more"));
    EXPECT_EQ(read("{\\rtf1 text\\'e"), QStringLiteral("texte")); // a broken escape keeps the rest
    EXPECT_EQ(read("{\\rtf1 text\\"), QStringLiteral("text"));
    EXPECT_EQ(read("{\\rtf1 x{\\pict\\pngblip 89504e"), QStringLiteral("x"));
}

TEST(Robustness, StrayClosingBracesDoNotEndTheDocument) {
    RtfReadReport report;
    EXPECT_EQ(read("{\\rtf1 one}} two}", &report), QStringLiteral("one two"));
    EXPECT_EQ(report.strayGroupEnds, 2);
}

TEST(Robustness, HugeAndNegativeNumbersAreClamped) {
    EXPECT_EQ(read("{\\rtf1\\fs99999999999999999999 big \\fs-5 neg \\li-2147483648\\fi99999999999 x"
                   "\\u99999999 y\\u-99999999 z\\cf-3 \\highlight2147483647 w\\f-1 v}"),
              QStringLiteral("big neg xyzwv"));
    // \ucN is bounded, so a huge count cannot swallow the rest of the file.
    EXPECT_EQ(read("{\\rtf1\\uc99999 \\u65 abcdefghijklmnopqrstuvwxyz}"), QStringLiteral("Aqrstuvwxyz"));
    EXPECT_EQ(read("{\\rtf1 a\\bin99999999999 }"), QStringLiteral("a"));
    EXPECT_EQ(read("{\\rtf1 a\\bin-5 b}"), QStringLiteral("ab"));
    EXPECT_EQ(read("{\\rtf1 {\\pict\\picwgoal2147483647\\pichgoal-7\\wmetafile8 0102}x}"),
              QString(QChar::ObjectReplacementCharacter).remove(QChar::ObjectReplacementCharacter) + u'x');
}

TEST(Robustness, BinaryPayloadMayHoldBraces) {
    QByteArray rtf = "{\\rtf1 a{\\pict\\wmetafile8\\bin4 ";
    rtf += QByteArray("}{\x00\xFF", 4);
    rtf += "}b}";
    RtfReadReport report;
    EXPECT_EQ(read(rtf, &report), QStringLiteral("ab"));
    EXPECT_EQ(report.keptObjects, 1);
    EXPECT_EQ(report.strayGroupEnds, 0);
}

TEST(Robustness, RandomGarbageDoesNotCrash) {
    QRandomGenerator random(4);
    const QByteArray alphabet = "{}\\'0123456789abcdefuxbinpictcellrowtrowdintblpar -;*";
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1";
        const int length = int(random.bounded(2000));
        for (int i = 0; i < length; ++i)
            rtf += random.bounded(4) == 0 ? char(random.bounded(256))
                                           : alphabet[int(random.bounded(alphabet.size()))];
        QTextDocument document;
        readRtf(rtf, document);
        // Whatever was read can be written and read again.
        QTextDocument back;
        readRtf(writeRtf(document), back);
        EXPECT_EQ(documentText(back).toStdString(), documentText(document).toStdString())
            << rtf.toHex().toStdString();
    }
}

TEST(Robustness, UnpairedSurrogatesAndSkippedFallbacks) {
    // \uc2 skips two fallback characters, a \'xx counting as one.
    EXPECT_EQ(read("{\\rtf1\\uc2 \\u233\\'e9x y}"), QStringLiteral("é y"));
    EXPECT_EQ(read("{\\rtf1\\uc1 {\\uc0 \\u65}B}"), QStringLiteral("AB"));
    // A fallback cut short by a group end does not eat text after it.
    EXPECT_EQ(read("{\\rtf1\\uc3 {\\u65?}bc}"), QStringLiteral("Abc"));
    // \binN with its bytes is one whole unit that ends the fallback: neither
    // its bytes nor the text after it are lost or shown.
    EXPECT_EQ(read("{\\rtf1\\uc2 \\u8364\\bin1 X rest}"), QString::fromUtf8("€ rest"));
    EXPECT_EQ(read("{\\rtf1\\uc1 \\u8364\\bin3 X}Z rest}"), QString::fromUtf8("€ rest"));
}

TEST(Robustness, FuzzRegressions) {
    // The inputs the RTF fuzz target keeps: what they read, written and read
    // again, holds the same text.
    const QDir dir(QStringLiteral(OXLIN_RTF_FUZZ_REGRESSIONS));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << "no inputs in " << dir.path().toStdString();
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QTextDocument document;
        loadTopicStream(bytes, document);
        QTextDocument back;
        readRtf(writeRtf(document), back);
        // RTF carries no control characters but the tab: the writer leaves
        // the others out on purpose.
        QString expected = documentText(document);
        expected.removeIf([](QChar c) { return c < u'\x20' && c != u'\t' && c != u'\n'; });
        EXPECT_EQ(documentText(back), expected);
    }
}

// The table row fragment the Insert Table command builds, without its closing brace.
QByteArray tableRowFragment(int columns) {
    QByteArray row = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 "
                     "Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}{\\*\\generator Msftedit "
                     "5.41.15.1503;}\\viewkind4\\uc1\\trowd\\trgaph108\\trleft8\\trbrdrl\\brdrs\\brdrw10 "
                     "\\trbrdrt\\brdrs\\brdrw10 \\trbrdrr\\brdrs\\brdrw10 \\trbrdrb\\brdrs\\brdrw10 "
                     "\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddfr3";
    for (int k = 1; k <= columns; ++k)
        row += "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs\\clbrdrr\\brdrw10\\brdrs\\clbrdrb"
               "\\brdrw10\\brdrs\\cellx" + QByteArray::number(2200 * k);
    row += "\\pard\\intbl";
    for (int k = 0; k < columns; ++k)
        row += "\\cell";
    row += "\\row\\pard\\lang2052\\kerning0\\b\\f1\\fs24\\par";
    return row;
}

TEST(Fragments, InsertedTableRowsFormOneBorderedTable) {
    QTextDocument document;
    document.setPlainText(QStringLiteral("above\nbelow"));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::NextBlock);
    for (int r = 0; r < 2; ++r)
        insertRtf(tableRowFragment(3), cursor);
    const auto frames = document.rootFrame()->childFrames();
    ASSERT_EQ(frames.size(), 1);
    auto* table = qobject_cast<QTextTable*>(frames.first());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_GT(table->format().border(), 0);
    EXPECT_NEAR(table->format().columnWidthConstraints().value(1).rawValue(), 2200 / 15.0, 0.01);
    EXPECT_EQ(documentText(document), QStringLiteral("above\n\t\t\n\t\t\n\nbelow"));
}

} // namespace
} // namespace oxlin::richtext
