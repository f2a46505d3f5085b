// List levels: each level of a list read with its own number format, text
// around the number, bullet and number size, its numbering going on after a
// deeper level and starting again under a new item; the same written back.

#include "richtext/list_properties.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include "test_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

// What each paragraph shows before its text: the number as Qt draws it, or
// "*" "o" "#" for the disc, circle and square bullets; then its depth and text.
QStringList labels(const QTextDocument& document) {
    QStringList out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const QTextList* list = b.textList();
        if (!list) {
            out << b.text();
            continue;
        }
        QString label;
        switch (list->format().style()) {
        case QTextListFormat::ListDisc:
            label = QStringLiteral("*");
            break;
        case QTextListFormat::ListCircle:
            label = QStringLiteral("o");
            break;
        case QTextListFormat::ListSquare:
            label = QStringLiteral("#");
            break;
        default:
            label = list->itemText(b);
            break;
        }
        out << QString::number(list->format().indent()) + u' ' + label + u' ' + b.text();
    }
    return out;
}

// A Word list of three levels: "1." decimal, "a)" lower letters whose
// number is 11 pt, a circle bullet "o" in Courier New; a second list "(i)".
const QByteArray kWordLists =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Calibri;}{\\f1 Courier New;}{\\f2 Symbol;}}"
    "{\\*\\listtable{\\list\\listtemplateid7"
    "{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}"
    "\\fi-360\\li720}"
    "{\\listlevel\\levelnfc4\\levelstartat1{\\leveltext\\'02\\'01);}{\\levelnumbers\\'01;}"
    "\\f0\\fs22\\fi-360\\li1440}"
    "{\\listlevel\\levelnfc23{\\leveltext\\'01o;}{\\levelnumbers;}\\f1\\fi-360\\li2160}"
    "\\listid10}"
    "{\\list{\\listlevel\\levelnfc2\\levelstartat3{\\leveltext\\'03(\\'00);}{\\levelnumbers\\'02;}}"
    "\\listid20}}"
    "{\\*\\listoverridetable{\\listoverride\\listid10\\ls1}{\\listoverride\\listid20\\ls2}}"
    "\\pard\\ls1\\ilvl0\\fs22 one\\par"
    "\\pard\\ls1\\ilvl0 two\\par"
    "\\pard\\ls1\\ilvl1 alpha\\par"
    "\\pard\\ls1\\ilvl1 beta\\par"
    "\\pard\\ls1\\ilvl2 dot\\par"
    "\\pard\\ls1\\ilvl0 three\\par"
    "\\pard\\ls1\\ilvl1 gamma\\par"
    "\\pard\\ls2 roman\\par}";

const QStringList kWordLabels = {"1 1. one", "1 2. two",   "2 a) alpha", "2 b) beta",
                                 "3 o dot",  "1 3. three", "2 a) gamma", "1 (iii) roman"};

TEST(RtfListLevels, EachLevelHasItsFormatAndTheOuterNumberingGoesOn) {
    QTextDocument document;
    readRtf(kWordLists, document);
    QStringList expected = kWordLabels;
    // Qt always counts from 1; the start is kept for the writer.
    expected.back() = QStringLiteral("1 (i) roman");
    EXPECT_EQ(labels(document), expected);
    const QTextList* roman = document.lastBlock().textList();
    ASSERT_TRUE(roman);
    EXPECT_EQ(roman->format().intProperty(kListStartProperty), 3);
    const QTextList* dot = document.findBlockByNumber(4).textList();
    ASSERT_TRUE(dot);
    EXPECT_EQ(dot->format().stringProperty(kListBulletFontProperty), QStringLiteral("Courier New"));
}

TEST(RtfListLevels, AfterOtherTextNumbersGoOnAndBulletsStartAList) {
    // Numbers count on over text between; a bullet item after text is a list
    // of its own (it looks the same, and long lists cost Qt the square of
    // their items), still a bullet when written back.
    const QByteArray between =
        "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}"
        "\\listid1}{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}\\listid2}}"
        "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}{\\listoverride\\listid2\\ls2}}"
        "\\pard\\ls1 a\\par\\pard\\ls2 one\\par\\pard text\\par\\pard\\ls1 b\\par"
        "\\pard\\ls1 c\\par\\pard\\ls2 two\\par}";
    QTextDocument document;
    readRtf(between, document);
    const QStringList expected{"1 * a", "1 1. one", "text", "1 * b", "1 * c", "1 2. two"};
    EXPECT_EQ(labels(document), expected);
    EXPECT_NE(document.findBlockByNumber(0).textList(), document.findBlockByNumber(3).textList());
    EXPECT_EQ(document.findBlockByNumber(3).textList(), document.findBlockByNumber(4).textList());
    QTextDocument back;
    readRtf(writeRtf(document), back);
    EXPECT_EQ(labels(back), expected);
}

TEST(RtfListLevels, ALevelWithoutNumberOrTextShowsNothing) {
    // LibreOffice puts headings in an outline list whose levels show nothing.
    const QByteArray outline =
        "{\\rtf1{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc255\\leveljc0"
        "\\levelstartat1\\levelfollow2{\\leveltext \\'00;}{\\levelnumbers;}\\fi0\\li0}"
        "\\listid1}}{\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}"
        "\\pard\\s1\\fs32\\b{\\listtext\\pard\\plain \\tab}\\ls1 \\li0\\fi0 Heading\\par"
        "\\pard\\plain Body\\par}";
    QTextDocument document;
    readRtf(outline, document);
    const QTextList* list = document.begin().textList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->format().style(), QTextListFormat::ListStyleUndefined);
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("\\levelnfc255")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\listtext\\tab}")) << rtf.constData();
    QTextDocument back;
    readRtf(rtf, back);
    ASSERT_TRUE(back.begin().textList());
    EXPECT_EQ(back.begin().textList()->format().style(), QTextListFormat::ListStyleUndefined);
    EXPECT_EQ(documentText(back), QStringLiteral("Heading\nBody"));
}

TEST(RtfListLevels, TheNumberKeepsItsOwnSize) {
    QTextDocument document;
    readRtf(kWordLists, document);
    // "1." takes the 11 pt of its paragraph mark; "a)" the level's 11 pt.
    EXPECT_EQ(document.begin().charFormat().fontPointSize(), 11);
    EXPECT_EQ(document.findBlockByNumber(2).charFormat().fontPointSize(), 11);
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("\\fs22\\fi-360\\li720\\lin720 }")) << rtf.constData();
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(back.begin().charFormat().fontPointSize(), 11);
}

TEST(RtfListLevels, WrittenBackAsLevelsOfOneList) {
    QTextDocument document;
    readRtf(kWordLists, document);
    const QByteArray rtf = writeRtf(document);
    // The three levels of the first list are one list of the table; the
    // second list is a list of its own.
    EXPECT_EQ(rtf.count("\\listoverride\\listid"), 2) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\ls1\\ilvl1")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\leveltext\\'02\\'01);}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\leveltext\\'03(\\'00);}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\levelstartat3")) << rtf.constData();
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(labels(back), labels(document));
    EXPECT_EQ(writeRtf(back), rtf);
}

TEST(RtfListLevels, ListsMadeInTheEditorNestAsLevels) {
    // Items of a list indented under another list's item, as the editor makes them.
    QTextDocument document;
    QTextCursor c(&document);
    QTextListFormat outer;
    outer.setStyle(QTextListFormat::ListDecimal);
    c.insertText("one");
    c.createList(outer);
    c.insertBlock();
    c.insertText("inner");
    QTextListFormat inner;
    inner.setStyle(QTextListFormat::ListCircle);
    inner.setIndent(2);
    c.createList(inner);
    c.insertBlock();
    c.insertText("two");
    document.firstBlock().textList()->add(c.block());
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("\\ls1\\ilvl1")) << rtf.constData();
    EXPECT_FALSE(rtf.contains("\\ls2")) << rtf.constData();
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(labels(back), (QStringList{"1 1. one", "2 o inner", "1 2. two"}));
}

TEST(RtfListLevels, OldStyleNumberingKeepsTheTextAroundTheNumber) {
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
        "\\pard{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxtb(}{\\pntxta)}}one\\par"
        "\\pard{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxtb(}{\\pntxta)}}two\\par"
        "\\pard{\\*\\pn\\pnlvlbody\\pnucrm{\\pntxta.}}upper\\par"
        "\\pard{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}dot\\par}";
    QTextDocument document;
    readRtf(rtf, document);
    EXPECT_EQ(labels(document), (QStringList{"1 (1) one", "1 (2) two", "1 I. upper", "1 * dot"}));
    QTextDocument back;
    readRtf(writeRtf(document), back);
    EXPECT_EQ(labels(back), labels(document));
}

TEST(RtfListLevels, CorpusListsKeepTheirLevelsThroughARewrite) {
    for (const char* name :
         {"01-msftedit-chinese-gbk-bullets.rtf", "12-riched20-bullets-numbering.rtf",
          "18-word2003-lists-table.rtf", "19-word-tables-merged-highlight-lists.rtf",
          "29-libreoffice-lists-cjk-font.rtf"}) {
        SCOPED_TRACE(name);
        QTextDocument document;
        readRtf(test::readFixture(QStringLiteral("corpus/") + QLatin1String(name)), document);
        QTextDocument back;
        readRtf(writeRtf(document), back);
        EXPECT_EQ(labels(back), labels(document));
    }
}

} // namespace
} // namespace oxlin::richtext
