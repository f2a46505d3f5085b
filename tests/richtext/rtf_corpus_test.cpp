// Real files written by other programs.

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/text_objects.h"

#include "test_support.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

using test::readFixture;

QString textOf(const char* file) {
    QTextDocument document;
    readRtf(readFixture(QStringLiteral("corpus/") + QLatin1String(file)), document);
    return documentText(document);
}

struct TextCase {
    const char* file;
    const char* expected; // UTF-8, a part of the document's text
};

class CorpusText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CorpusText, ContainsExpectedText) {
    EXPECT_TRUE(textOf(GetParam().file).contains(QString::fromUtf8(GetParam().expected)))
        << textOf(GetParam().file).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    CodePagesAndUnicode, CorpusText,
    ::testing::Values(
        TextCase{"01-msftedit-chinese-gbk-bullets.rtf", "\n实验功能 - 队列窗鼠标右键菜单"},
        TextCase{"02-riched20-cjk-fcharset128-134-dbcs.rtf", "要やフぎば要立クモフ刑香カルオ洋8宮"},
        TextCase{"03-riched20-550-cp932-dbcs-fontname.rtf", "お元気ですか？"},
        TextCase{"04-riched20-14-cp949-korean.rtf", "MS Project Addin ProjectPlus"},
        TextCase{"05-msftedit-cp1250-fname.rtf", "zażółć gęślą jaźń\nZAŻÓŁĆ GĘŚLĄ JAŹŃ"},
        TextCase{"06-msftedit-unicode-multiscript-simsun.rtf", "Johann Strauß\nBelgië\tRené Magritte"},
        TextCase{"07-msftedit-wordpad-czech-fcharset238.rtf", "Článek týdne"},
        TextCase{"08-msftedit-unicode-gothic-surrogates.rtf", "𐌲𐌿𐍄𐌹𐍃𐌺"},
        TextCase{"09-riched20-emoji-surrogates.rtf", "Iñtërnâtiônàlizætiøn☃💩"},
        TextCase{"14-msftedit-hyperlink-negative-unicode.rtf", "F700\uf700\uf701"},
        TextCase{"24-word2002-cp1251-align-strike.rtf", "{ some text inside curly brackets }"},
        TextCase{"25-unknown-chinese-unicode-table-hyperlinks.rtf", "就诊时间:\t 2018年9月12日"},
        TextCase{"28-textedit-cocoa-cp950.rtf", "Test Text\nCopyright © 2004-2013 Test Project"},
        TextCase{"30-txrtf32-styles-unicode-skip.rtf",
                 "different ways: [A] == [A] == [A] == [A]\nmore unicode: Unicode: [Γ] - "
                 "ANSI-fallback: [G]"}),
    [](const auto& param) { return std::string(param.param.file).substr(0, 2); });

INSTANTIATE_TEST_SUITE_P(
    ListsTablesFields, CorpusText,
    ::testing::Values(
        TextCase{"12-riched20-bullets-numbering.rtf", "Paragraph\nBullet\nBullet 2\nParagraph 2\nList 1"},
        TextCase{"10-msftedit-formatting-alignment-linebreak.rtf", "with a\nline break and it is centered."},
        TextCase{"13-msftedit-hyperlink.rtf", "a hyperlink to this project."},
        TextCase{"15-msftedit-table-borders.rtf", "a\tb\nc\td\nä\të\nö\tü"},
        TextCase{"18-word2003-lists-table.rtf", "Cell 1\tCell 2 More in cell 2\tCell 3\nNext row\tNext row \tNext row"},
        TextCase{"19-word-tables-merged-highlight-lists.rtf", "1,1\t1,2\t1,3\n2,1\t2,2\t2,3"},
        TextCase{"20-word-hyperlink-to-file.rtf", "Hyperlink with email mailto:phthenry@earthlink.net"},
        TextCase{"27-phprtflite-png-jpeg-wmf-in-table.rtf", "Images (as files) with PHPRtfLite.\nJPEG\t"},
        TextCase{"29-libreoffice-lists-cjk-font.rtf", "A short ordered list:\none"}),
    [](const auto& param) { return std::string(param.param.file).substr(0, 2); });

TEST(Corpus, TextOfALeadingTableStartsWithItsFirstRow) {
    // The empty paragraph a document needs before a leading table is not text.
    EXPECT_TRUE(textOf("15-msftedit-table-borders.rtf").startsWith(QStringLiteral("a\tb\n")));
}

TEST(Corpus, SymbolFontShowsItsOwnCharacters) {
    // Word's and RichEdit's bullets and Greek letters set in the Symbol font,
    // as bytes and as private-use \u: read as the characters they show, in
    // the default family, which has those glyphs where Symbol may not.
    QTextDocument document;
    readRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}"
            "{\\f1\\'b7}\\tab x {\\f1 a\\'b3b\\u-3913?} {\\f0 a}}",
            document);
    EXPECT_EQ(documentText(document), QStringLiteral("\u2022\tx \u03B1\u2265\u03B2\u2022 a"));
    EXPECT_FALSE(test::describe(document).contains(QStringLiteral("Symbol")));
}

TEST(Corpus, CharacterAndParagraphFormats) {
    QTextDocument document;
    readRtf(readFixture(QStringLiteral("corpus/10-msftedit-formatting-alignment-linebreak.rtf")), document);
    const QString d = test::describe(document);
    EXPECT_TRUE(d.contains(QStringLiteral(" b")));
    EXPECT_TRUE(d.contains(QStringLiteral(" i")));
    EXPECT_TRUE(d.contains(QStringLiteral(" u")));
    EXPECT_TRUE(d.contains(QStringLiteral("22pt"))); // \fs44
    QStringList alignments;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        alignments << QString::number(int(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask));
    // left, centred, left, right, left
    EXPECT_EQ(alignments.join(u','), QStringLiteral("1,4,1,2,1"));
}

TEST(Corpus, ColoursAndHighlight) {
    QTextDocument document;
    readRtf(readFixture(QStringLiteral("corpus/11-riched20-colour-highlight.rtf")), document);
    const QString d = test::describe(document);
    EXPECT_TRUE(d.contains(QStringLiteral("fg=#00ff00 bg= va=0 href=}Colored Line"))) << d.toStdString();
    EXPECT_TRUE(d.contains(QStringLiteral("bg=#ff0000 va=0 href=}Highlighted Line")));
    EXPECT_TRUE(d.contains(QStringLiteral("fg=#ffffff bg=#0000ff va=0 href=}Colored & Highlighted")));
}

TEST(Corpus, TableWithBordersBecomesOneQTextTable) {
    QTextDocument document;
    readRtf(readFixture(QStringLiteral("corpus/15-msftedit-table-borders.rtf")), document);
    QTextTable* table = nullptr;
    for (QTextFrame* f : document.rootFrame()->childFrames())
        if ((table = qobject_cast<QTextTable*>(f)))
            break;
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(document.rootFrame()->childFrames().size(), 1);
    EXPECT_EQ(table->rows(), 4);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_GT(table->format().border(), 0);
    const auto widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 2);
    EXPECT_NEAR(widths[0].rawValue(), (4680 + 108) / 15.0, 8); // \cellx4680 from \trleft-108
    EXPECT_EQ(table->cellAt(2, 1).firstCursorPosition().block().text(), QStringLiteral("ë"));
}

TEST(Corpus, HyperlinksBecomeAnchorsWithTheShownText) {
    QTextDocument document;
    readRtf(readFixture(QStringLiteral("corpus/20-word-hyperlink-to-file.rtf")), document);
    const QStringList links = test::linkTargets(document);
    EXPECT_TRUE(links.contains(QStringLiteral("../../Desktop/any_document.rtf"))) << links.join(u' ').toStdString();
    EXPECT_TRUE(links.contains(QStringLiteral("http://www.cnn.com/")));
    EXPECT_TRUE(links.contains(QStringLiteral("mailto:phthenry@earthlink.net?subject=subject%20line")));
    EXPECT_TRUE(links.contains(QStringLiteral("#bookmark_1")));

    readRtf(readFixture(QStringLiteral("corpus/14-msftedit-hyperlink-negative-unicode.rtf")), document);
    EXPECT_EQ(test::linkTargets(document),
              QStringList{QStringLiteral("http://unicode-table.com/en/#private-use-area")});
}

struct PictureCase {
    const char* file;
    int images;     // every picture character
    int kept;       // of which kept verbatim
};

class CorpusPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(CorpusPictures, PicturesShownOrKept) {
    QTextDocument document;
    const RtfReadReport report =
        readRtf(readFixture(QStringLiteral("corpus/") + QLatin1String(GetParam().file)), document);
    EXPECT_EQ(test::countImages(document), GetParam().images);
    EXPECT_EQ(test::countImages(document, true), GetParam().kept);
    EXPECT_EQ(report.pictures + report.keptObjects, GetParam().images);
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, CorpusPictures,
    ::testing::Values(PictureCase{"16-msftedit-wmetafile8-pictures.rtf", 3, 3},
                      PictureCase{"17-riched20-ole-object-wmf-result.rtf", 1, 1},
                      PictureCase{"21-officelike-pngblip-shppict-cjk-fonts.rtf", 2, 0},
                      PictureCase{"22-word-jpegblip-wmf-fallback.rtf", 2, 0},
                      PictureCase{"23-word97-ole-bin-wmf.rtf", 1, 1},
                      PictureCase{"27-phprtflite-png-jpeg-wmf-in-table.rtf", 7, 2}),
    [](const auto& param) { return std::string(param.param.file).substr(0, 2); });

TEST(Corpus, DecodedPictureKeepsItsBytesAndGoalSize) {
    QTextDocument document;
    readRtf(readFixture(QStringLiteral("corpus/22-word-jpegblip-wmf-fallback.rtf")), document);
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat cf = it.fragment().charFormat();
            if (!cf.isImageFormat())
                continue;
            const QTextImageFormat image = cf.toImageFormat();
            EXPECT_EQ(image.intProperty(kPictureKindProperty), int(PictureKind::Jpeg));
            EXPECT_TRUE(image.property(kPictureDataProperty).toByteArray().startsWith("\xFF\xD8"));
            EXPECT_FALSE(pictureImage(document, image).isNull());
            EXPECT_GT(image.width(), 10);
        }
}

TEST(Corpus, KeptObjectHoldsItsWholeGroupIncludingBinaryPayload) {
    const QByteArray rtf = readFixture(QStringLiteral("corpus/23-word97-ole-bin-wmf.rtf"));
    QTextDocument document;
    readRtf(rtf, document);
    QByteArray kept;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().hasProperty(kKeptRtfProperty))
                kept = it.fragment().charFormat().property(kKeptRtfProperty).toByteArray();
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_TRUE(kept.startsWith("{\\object"));
    EXPECT_TRUE(kept.endsWith('}'));
    EXPECT_TRUE(rtf.contains(kept));
    EXPECT_TRUE(kept.contains("\\bin"));
}

class CorpusFile : public ::testing::TestWithParam<QString> {};

TEST_P(CorpusFile, EveryPrefixReadsWithoutHarm) {
    // Truncated copies of real files: the reader returns what it could read.
    const QByteArray rtf = readFixture(QStringLiteral("corpus/") + GetParam());
    const qsizetype step = std::max<qsizetype>(1, rtf.size() / 40);
    for (qsizetype n = 0; n < rtf.size(); n += step) {
        QTextDocument document;
        readRtf(rtf.first(n), document);
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusFile, ::testing::ValuesIn(test::corpusFiles()),
                         [](const auto& param) { return param.param.left(2).toStdString(); });

} // namespace
} // namespace oxlin::richtext
