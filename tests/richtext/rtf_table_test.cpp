// Tables as real producers write them: rows that disagree on their cells,
// merged cells, and tables separated by paragraphs or not.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include "test_support.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

QString outlineOf(const QByteArray& body) {
    QTextDocument document;
    readRtf("{\\rtf1\\ansi " + body + "}", document);
    return test::outline(document);
}

QString outlineOfFixture(const QString& name) {
    QTextDocument document;
    readRtf(test::readFixture(QStringLiteral("corpus/") + name), document);
    return test::outline(document);
}

const QByteArray kRow = "\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row ";
const QString kTable = QStringLiteral("table 1x2\n  0,0 1x1: a\n  0,1 1x1: b");

TEST(RtfTables, WhatSeparatesTwoTables) {
    // Rows one after another are one table.
    EXPECT_EQ(outlineOf(kRow + kRow).toStdString(),
              "p: \ntable 2x2\n  0,0 1x1: a\n  0,1 1x1: b\n  1,0 1x1: a\n  1,1 1x1: b\np: ");
    // An empty paragraph between them, as Word writes it, keeps two tables.
    const QString two = QStringLiteral("p: \n") + kTable + QStringLiteral("\np: \n") + kTable +
                        QStringLiteral("\np: ");
    EXPECT_EQ(outlineOf(kRow + "\\pard\\par " + kRow).toStdString(), two.toStdString());
    EXPECT_EQ(outlineOf(kRow + "\\pard text\\par " + kRow).toStdString(),
              (QStringLiteral("p: \n") + kTable + QStringLiteral("\np: text\n") + kTable +
               QStringLiteral("\np: "))
                  .toStdString());
    EXPECT_EQ(outlineOf("before\\par " + kRow + "\\pard after\\par").toStdString(),
              (QStringLiteral("p: before\n") + kTable + QStringLiteral("\np: after")).toStdString());

    // What the writer makes of two tables reads back as two tables.
    QTextDocument document;
    readRtf("{\\rtf1\\ansi " + kRow + "\\pard\\par " + kRow + "}", document);
    QTextDocument back;
    readRtf(writeRtf(document), back);
    EXPECT_EQ(test::outline(back).toStdString(), two.toStdString());
}

TEST(RtfTables, RowsThatDisagreeShareOneGridOfColumns) {
    // A wide cell over two narrow ones, then a row split elsewhere.
    const QString outline = outlineOf("\\trowd\\cellx2000\\cellx3000\\pard\\intbl wide\\cell c\\cell\\row "
                                      "\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl x\\cell y\\cell z\\cell\\row "
                                      "\\trowd\\cellx1000\\cellx3000\\pard\\intbl p\\cell q\\cell\\row ");
    EXPECT_EQ(outline.toStdString(),
              "p: \ntable 3x3\n"
              "  0,0 1x2: wide\n  0,2 1x1: c\n"
              "  1,0 1x1: x\n  1,1 1x1: y\n  1,2 1x1: z\n"
              "  2,0 1x1: p\n  2,1 1x2: q\n"
              "p: ");
    // Edges a few twips apart are the same edge.
    EXPECT_EQ(outlineOf("\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row "
                        "\\trowd\\cellx1004\\cellx1995\\pard\\intbl c\\cell d\\cell\\row ")
                  .count(QStringLiteral("1x1")),
              4);
}

TEST(RtfTables, MergedCellsBecomeSpans) {
    // Vertical merge: the continuing cells' (empty) text goes into the first.
    EXPECT_EQ(outlineOf("\\trowd\\clvmgf\\cellx1000\\cellx2000\\pard\\intbl tall\\cell r0\\cell\\row "
                        "\\trowd\\clvmrg\\cellx1000\\cellx2000\\pard\\intbl\\cell r1\\cell\\row "
                        "\\trowd\\clvmrg\\cellx1000\\cellx2000\\pard\\intbl\\cell r2\\cell\\row ")
                  .toStdString(),
              "p: \ntable 3x2\n  0,0 3x1: tall\n  0,1 1x1: r0\n  1,1 1x1: r1\n  2,1 1x1: r2\np: ");
    // The old horizontal merge words.
    EXPECT_EQ(outlineOf("\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000"
                        "\\pard\\intbl joined\\cell\\cell last\\cell\\row ")
                  .toStdString(),
              "p: \ntable 1x3\n  0,0 1x2: joined\n  0,2 1x1: last\np: ");
    // A continuation with nothing of its width above stays a cell of its own.
    EXPECT_EQ(outlineOf("\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row "
                        "\\trowd\\clvmrg\\cellx2000\\pard\\intbl c\\cell\\row ")
                  .toStdString(),
              "p: \ntable 2x2\n  0,0 1x1: a\n  0,1 1x1: b\n  1,0 1x2: c\np: ");
    // A later row splitting the column left of a cell merged down.
    EXPECT_EQ(outlineOf("\\trowd\\cellx1000\\clvmgf\\cellx2000\\pard\\intbl a\\cell tall\\cell\\row "
                        "\\trowd\\cellx1000\\clvmrg\\cellx2000\\pard\\intbl b\\cell\\cell\\row "
                        "\\trowd\\cellx500\\cellx1000\\cellx2000\\pard\\intbl c\\cell d\\cell e\\cell\\row ")
                  .toStdString(),
              "p: \ntable 3x3\n  0,0 1x2: a\n  0,2 2x1: tall\n  1,0 1x2: b\n"
              "  2,0 1x1: c\n  2,1 1x1: d\n  2,2 1x1: e\np: ");
    // In the first row there is nothing to continue.
    EXPECT_EQ(outlineOf("\\trowd\\clvmrg\\cellx1000\\pard\\intbl a\\cell\\row ").toStdString(),
              "p: \ntable 1x1\n  0,0 1x1: a\np: ");
}

TEST(RtfTables, MergedTablesFromOtherProgramsReadAndRoundTrip) {
    const QString word = outlineOfFixture(QStringLiteral("19-word-tables-merged-highlight-lists.rtf"));
    EXPECT_TRUE(word.contains(QStringLiteral("table 3x3\n  0,0 1x1: 1,1\n  0,1 1x2: 1,2\n"
                                             "  1,0 2x1: 2,1\n  1,1 1x1: 2,2\n  1,2 1x1: 2,3\n"
                                             "  2,1 1x1: 3,2\n  2,2 1x1: 3,3\np: \n")))
        << word.toStdString();
    EXPECT_TRUE(word.contains(QStringLiteral("  1,1 2x2: 2,2\n  2,0 1x1: 3,1\n"))) << word.toStdString();
    EXPECT_EQ(word.count(QStringLiteral("table ")), 3);

    const QString php = outlineOfFixture(QStringLiteral("26-phprtflite-merged-cells.rtf"));
    EXPECT_TRUE(php.contains(QStringLiteral("table 5x5\n  0,0 3x1: Vertical merged cells.\n")));
    EXPECT_TRUE(php.contains(QStringLiteral("  0,2 1x3: Horizontal merged cells\n")));
    EXPECT_TRUE(php.contains(QStringLiteral("  2,2 3x3: Horizontal and vertical merged cells\n")));

    for (const QString& name : {QStringLiteral("19-word-tables-merged-highlight-lists.rtf"),
                                QStringLiteral("26-phprtflite-merged-cells.rtf")}) {
        QTextDocument first;
        readRtf(test::readFixture(QStringLiteral("corpus/") + name), first);
        QTextDocument second;
        readRtf(writeRtf(first), second);
        EXPECT_EQ(test::outline(second).toStdString(), test::outline(first).toStdString()) << name.toStdString();
    }
}

TEST(RtfTables, MalformedRowDefinitionsKeepEveryWord) {
    // Edges that go backwards, cells beyond the definition, no definition at all.
    for (const QByteArray& body :
         {QByteArray("\\trowd\\cellx2000\\cellx1000\\pard\\intbl one\\cell two\\cell three\\cell\\row "),
          QByteArray("\\trowd\\cellx1000\\pard\\intbl one\\cell two\\cell three\\cell\\row "),
          QByteArray("\\pard\\intbl one\\cell two\\cell three\\cell\\row ")}) {
        const QString outline = outlineOf(body);
        for (const char* word : {"one", "two", "three"})
            EXPECT_TRUE(outline.contains(QLatin1String(word))) << body.constData() << outline.toStdString();
    }
    // Edges at the ends of the integers.
    EXPECT_TRUE(outlineOf("\\trowd\\cellx2147483647\\cellx-2147483647\\pard\\intbl one\\cell two\\cell"
                          " three\\cell\\row \\trowd\\cellx2147483646\\pard\\intbl four\\cell\\row ")
                    .contains(QStringLiteral("four")));
    // Far more columns than a table keeps: the rest shares the last cell.
    QByteArray wide = "\\trowd";
    for (int c = 1; c <= 80; ++c)
        wide += "\\cellx" + QByteArray::number(c * 100);
    wide += "\\pard\\intbl";
    for (int c = 1; c <= 80; ++c)
        wide += " w" + QByteArray::number(c) + "\\cell";
    wide += "\\row ";
    const QString outline = outlineOf(wide);
    EXPECT_TRUE(outline.contains(QStringLiteral("table 1x63")));
    EXPECT_TRUE(outline.contains(QStringLiteral("w80")));
}

TEST(RtfTables, TablesInsideCellsAsWordWritesThem) {
    // The nested rows' definitions come after their cells, in \nesttableprops;
    // \nonesttables holds what readers without nesting show instead.
    const QByteArray word =
        "\\trowd\\trgaph108\\trleft-108\\cellx4320\\cellx8640\r\n"
        "\\pard\\intbl\\itap1 Outer A\\cell\r\n"
        "\\pard\\intbl\\itap1 Before\\par\r\n"
        "\\pard\\intbl\\itap2 in1\\nestcell in2\\nestcell\r\n"
        "{\\*\\nesttableprops\\trowd\\trgaph108\\trbrdrt\\brdrs\\brdrw10 \\cellx1500\\cellx3000\\nestrow}"
        "{\\nonesttables\\par}\r\n"
        "\\pard\\intbl\\itap2 in3\\nestcell in4\\nestcell\r\n"
        "{\\*\\nesttableprops\\trowd\\trgaph108\\cellx1500\\cellx3000\\nestrow}{\\nonesttables\\par}\r\n"
        "\\pard\\intbl\\itap1 After\\cell\r\n"
        "{\\trowd\\trgaph108\\trleft-108\\cellx4320\\cellx8640\\row}\r\n"
        "\\pard Text after\\par\r\n";
    const std::string expected = "p: \ntable 1x2\n  0,0 1x1: Outer A\n"
                                 "  0,1 1x1: Before|{in1/in2;in3/in4}|After\np: Text after";
    QTextDocument document;
    readRtf("{\\rtf1\\ansi " + word + "}", document);
    EXPECT_EQ(test::outline(document).toStdString(), expected);

    // Written back the same way, and read back the same.
    const QByteArray written = writeRtf(document);
    EXPECT_TRUE(written.contains("\\pard\\intbl\\itap2 in1\\nestcell")) << written.constData();
    EXPECT_TRUE(written.contains("\\cellx3000\\nestrow}{\\nonesttables\\par}")) << written.constData();
    QTextDocument back;
    readRtf(written, back);
    EXPECT_EQ(test::outline(back).toStdString(), expected);
    EXPECT_EQ(writeRtf(back), written);

    // A table inside a cell inside a cell.
    QTextDocument deep;
    readRtf("{\\rtf1 \\trowd\\cellx5000\\pard\\intbl\\itap3 x\\nestcell"
            "{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}"
            "\\pard\\intbl\\itap2 \\nestcell{\\*\\nesttableprops\\trowd\\cellx2000\\nestrow}"
            "\\pard\\intbl\\itap1 \\cell\\row}",
            deep);
    EXPECT_EQ(test::outline(deep).toStdString(), "p: \ntable 1x1\n  0,0 1x1: |{|{x}|}|\np: ");
}

TEST(RtfTables, NestingWordsOutOfPlaceKeepEveryWord) {
    for (const QByteArray& body :
         {QByteArray("one\\nestcell two\\nestrow three\\par"),
          QByteArray("\\pard\\intbl\\itap99 one\\nestcell two\\nestcell\\nestrow three\\cell\\row"),
          QByteArray("\\trowd\\cellx1000\\pard\\intbl\\itap2 one\\cell two\\row three\\par"),
          QByteArray("{\\*\\nesttableprops one\\nestrow} two\\nestcell three")}) {
        const QString outline = outlineOf(body);
        for (const char* word : {"two", "three"})
            EXPECT_TRUE(outline.contains(QLatin1String(word))) << body.constData() << outline.toStdString();
    }
}

} // namespace
} // namespace oxlin::richtext
