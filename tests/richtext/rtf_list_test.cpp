// Lists: written as list paragraphs with list tables, read back as lists,
// and read as lists from the forms other editors write (\ls with list
// tables, the old \pn numbering), never as visible marker text.

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include "test_support.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

// "p" for a paragraph outside lists, else the list's style number and the
// index of its list among the document's lists, e.g. "-1@0" (disc, first list).
std::vector<std::string> listShape(const QTextDocument& document) {
    std::vector<const QTextList*> lists;
    std::vector<std::string> shape;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const QTextList* list = b.textList();
        if (!list) {
            shape.push_back("p:" + b.text().toStdString());
            continue;
        }
        auto it = std::find(lists.begin(), lists.end(), list);
        if (it == lists.end())
            it = lists.insert(lists.end(), list);
        shape.push_back(std::to_string(int(list->format().style())) + "@" +
                        std::to_string(it - lists.begin()) + ":" + b.text().toStdString());
    }
    return shape;
}

// Three paragraphs in a bullet list, one plain, two in a numbered list.
void buildLists(QTextDocument& document) {
    QTextCursor c(&document);
    QTextListFormat bullets;
    bullets.setStyle(QTextListFormat::ListDisc);
    c.insertText("apple");
    QTextList* list = c.createList(bullets);
    c.insertBlock();
    c.insertText("pear");
    c.insertBlock();
    c.insertText("plum");
    c.insertBlock();
    list->remove(c.block());
    QTextBlockFormat plain;
    c.setBlockFormat(plain);
    c.insertText("between");
    c.insertBlock();
    QTextListFormat numbers;
    numbers.setStyle(QTextListFormat::ListDecimal);
    c.insertText("first");
    c.createList(numbers);
    c.insertBlock();
    c.insertText("second");
}

const std::vector<std::string> kBuiltShape = {"-1@0:apple", "-1@0:pear",  "-1@0:plum",
                                              "p:between",  "-4@1:first", "-4@1:second"};

TEST(RtfLists, WrittenListsReadBackAsLists) {
    QTextDocument document;
    buildLists(document);
    ASSERT_EQ(listShape(document), kBuiltShape);
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("\\listtable"));
    EXPECT_TRUE(rtf.contains("\\ls1"));
    EXPECT_TRUE(rtf.contains("\\ls2"));
    // Readers that know no lists show the marker text: a bullet for each
    // item of the bullet list, the number for each item of the numbered one.
    EXPECT_EQ(rtf.count("{\\listtext\\u8226?\\tab}"), 3) << rtf.constData();
    EXPECT_EQ(rtf.count("{\\listtext 1.\\tab}"), 1) << rtf.constData();
    EXPECT_EQ(rtf.count("{\\listtext 2.\\tab}"), 1) << rtf.constData();
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(listShape(back), kBuiltShape);
    // The markers are the list's, not text: a second rewrite is the same.
    EXPECT_EQ(documentText(back), documentText(document));
    EXPECT_EQ(writeRtf(back), rtf);
}

TEST(RtfLists, WordListTablesAndOverridesNameTheStyle) {
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
        "{\\*\\listtable{\\list\\listtemplateid7{\\listlevel\\levelnfc0\\levelnfcn0{\\leveltext"
        "\\'02\\'00.;}{\\levelnumbers\\'01;}\\fi-360\\li720}{\\listlevel\\levelnfc23{\\leveltext"
        "\\'01\\u-3913 ?;}}{\\listname ;}\\listid300}"
        "{\\list\\listtemplateid8{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}"
        "{\\levelnumbers;}}\\listid400}}"
        "{\\*\\listoverridetable{\\listoverride\\listid400\\listoverridecount0\\ls1}"
        "{\\listoverride\\listid300\\listoverridecount0\\ls2}}"
        "\\pard{\\listtext\\pard\\plain\\f1 \\'b7\\tab}\\ls1\\fi-360\\li720 dot one\\par"
        "{\\listtext\\pard\\plain\\f1 \\'b7\\tab}dot two\\par"
        "\\pard plain\\par"
        "\\pard{\\listtext 1.\\tab}\\ls2\\ilvl0 number one\\par"
        "\\pard{\\listtext\\tab}\\ls9 unknown list\\par}";
    QTextDocument document;
    readRtf(rtf, document);
    EXPECT_EQ(listShape(document),
              (std::vector<std::string>{"-1@0:dot one", "-1@0:dot two", "p:plain",
                                        "-4@1:number one", "-1@2:unknown list"}));
    // The list gives the indent; the paragraph's own is not added to it.
    EXPECT_EQ(document.begin().blockFormat().leftMargin(), 0);
}

TEST(RtfLists, LevelsWithoutANumberFormatAreToldByTheirText) {
    // Writers that leave out \levelnfc: \levelnfcn alone, or a level text with a
    // place for the number (\'00) or a fixed bullet; \listid may come first.
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\*\\listtable"
        "{\\list\\listid1{\\listlevel{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}}}"
        "{\\list\\listid2{\\listlevel{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}}"
        "{\\list{\\listlevel\\levelnfcn4{\\leveltext\\'02\\'00);}}\\listid3}"
        "{\\list{\\listlevel}\\listid4}"
        "{\\list\\listid5{\\listlevel\\levelnfc0}{\\listlevel{\\leveltext\\'01\\'b7;}}}}"
        "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}{\\listoverride\\listid2\\ls2}"
        "{\\listoverride\\listid3\\ls3}{\\listoverride\\listid4\\ls4}"
        "{\\listoverride\\listid5\\ls5}}"
        "\\pard\\ls1 bullet\\par\\pard\\ls2 number\\par\\pard\\ls3 letter\\par"
        "\\pard\\ls4 bare\\par\\pard\\ls5 second level ignored\\par}";
    QTextDocument document;
    readRtf(rtf, document);
    EXPECT_EQ(listShape(document),
              (std::vector<std::string>{"-1@0:bullet", "-4@1:number", "-5@2:letter", "-1@3:bare",
                                        "-4@4:second level ignored"}));
}

TEST(RtfLists, OldParagraphNumberingGroupsConsecutiveParagraphs) {
    // As the platform's rich edit control writes bullets and numbers.
    const QByteArray rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}"
        "\\pard{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
        "\\fi-720\\li720 one\\par"
        "{\\pntext\\f1\\'b7\\tab}two\\par"
        "\\pard between\\par"
        "\\pard{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec"
        "{\\pntxta.}}\\fi-360\\li360 first\\par"
        "{\\pntext\\f0 2.\\tab}second\\par"
        "\\pard{\\pntext\\f0 a)\\tab}{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta)}}letter\\par}";
    QTextDocument document;
    readRtf(rtf, document);
    EXPECT_EQ(listShape(document),
              (std::vector<std::string>{"-1@0:one", "-1@0:two", "p:between", "-4@1:first",
                                        "-4@1:second", "-5@2:letter"}));
    EXPECT_FALSE(documentText(document).contains(QChar(0x00B7)));
}

TEST(RtfLists, CorpusListsAreListsAndSurviveARewrite) {
    for (const char* name : {"12-riched20-bullets-numbering.rtf", "29-libreoffice-lists-cjk-font.rtf",
                             "19-word-tables-merged-highlight-lists.rtf"}) {
        SCOPED_TRACE(name);
        QTextDocument document;
        readRtf(test::readFixture(QStringLiteral("corpus/") + QLatin1String(name)), document);
        const std::vector<std::string> shape = listShape(document);
        EXPECT_TRUE(std::any_of(shape.begin(), shape.end(),
                                [](const std::string& s) { return s.rfind("p:", 0) != 0; }));
        QTextDocument back;
        readRtf(writeRtf(document), back);
        EXPECT_EQ(listShape(back), shape);
    }
}

TEST(RtfLists, LibreOfficeReadsOurListsAsLists) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    QTemporaryDir dir;
    QTextDocument document;
    buildLists(document);
    QFile file(dir.filePath("lists.rtf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writeRtf(document));
    file.close();
    QProcess convert;
    convert.start(soffice, {"--headless", "-env:UserInstallation=file://" + dir.filePath("profile"),
                            "--convert-to", "html", "--outdir", dir.path(), file.fileName()});
    ASSERT_TRUE(convert.waitForFinished(120000));
    QFile html(dir.filePath("lists.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QByteArray page = html.readAll();
    EXPECT_TRUE(page.contains("<ul")) << page.constData();
    EXPECT_TRUE(page.contains("<ol")) << page.constData();
}

} // namespace
} // namespace oxlin::richtext
