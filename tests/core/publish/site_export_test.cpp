// A notebook as a web site and as Markdown files: each page keeps what its
// topic shows, reads as valid HTML5 without script, and links where the
// topic links; a stop leaves a folder whose every link leads somewhere.

#include "core/tree/links.h"
#include "publish/site_export.h"
#include "publish_test_support.h"
#include "richtext/text_objects.h"

#include <QImage>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextList>
#include <QTextTable>

using namespace oxlin;

namespace {

QTextCharFormat anchor(const QString& href) {
    QTextCharFormat format;
    format.setAnchor(true);
    format.setAnchorHref(href);
    return format;
}

// One topic with each kind of formatting a page must keep.
void writeRichTopic(QTextDocument& document) {
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("Plain "));
    cursor.insertText(QStringLiteral("bold"), bold);
    cursor.insertText(QStringLiteral(" red"), red);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred, QTextCharFormat());
    cursor.insertText(QStringLiteral("centred"));
    QTextListFormat outer;
    outer.setStyle(QTextListFormat::ListDisc);
    outer.setIndent(1);
    cursor.insertBlock(QTextBlockFormat());
    cursor.createList(outer);
    cursor.insertText(QStringLiteral("first"));
    cursor.insertBlock();
    QTextListFormat inner;
    inner.setStyle(QTextListFormat::ListDecimal);
    inner.setIndent(2);
    cursor.createList(inner);
    cursor.insertText(QStringLiteral("nested"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("See "));
    cursor.insertText(QStringLiteral("the other"),
                      anchor(tree::topicLinkText(QStringLiteral("Sub\\Other.txt"))));
    cursor.insertText(
        QStringLiteral(" and file://$CurrentBook$\\Gone.txt and www.example.com and "),
        QTextCharFormat());
    cursor.insertText(QStringLiteral("a trap"), anchor(QStringLiteral("javascript:alert(1)")));
    cursor.insertText(QStringLiteral(" and "), QTextCharFormat());
    cursor.insertText(QStringLiteral("a file"),
                      anchor(tree::fileLinkText(QStringLiteral("C:\\My Docs\\a.txt"))));
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::blue);
    cursor.insertImage(
        richtext::makePictureFormat(document, image, {}, richtext::PictureKind::Png));
    QTextTable* table = cursor.insertTable(2, 2);
    table->mergeCells(0, 0, 1, 2);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("spanning"));
    table->cellAt(1, 1).firstCursorPosition().insertText(
        QStringLiteral("x < y") + QChar(QChar::LineSeparator) + QStringLiteral("& z"));
}

struct Exported {
    QTemporaryDir folder;
    QString target;
    publish::SiteExportReport report;
};

// Exports the whole notebook, stopping after `steps` steps when given.
void exportBook(test::TestNotebook& book, publish::SiteFormat format, Exported& out,
                int steps = -1) {
    out.target = QDir(out.folder.path()).filePath(QStringLiteral("out"));
    publish::SiteExporter exporter(book.tree(), tree::kTopLevel, book.working(), out.target, format,
                                   QStringLiteral("My Book"));
    ASSERT_TRUE(exporter.start());
    bool more = true;
    for (int done = 0; more && done != steps; ++done)
        more = exporter.step();
    out.report = exporter.finish(steps >= 0);
}

class SiteExportTest : public ::testing::Test {
protected:
    SiteExportTest() {
        QTextDocument rich;
        writeRichTopic(rich);
        book.richTopic(tree::kTopLevel, QStringLiteral("Rich.rtf"), rich);
        const tree::ItemHandle sub = book.folder(tree::kTopLevel, QStringLiteral("Sub"));
        book.topic(sub, QStringLiteral("Other.txt"), "a <tag> & \"quote\"\r\n\tindented\r\n");
        book.topic(sub, QStringLiteral("data.bin"), QByteArray("\x00\x01\x02", 3));
    }
    test::TestNotebook book;
};

} // namespace

TEST_F(SiteExportTest, PagesKeepTheFormattingAndTheLinksAndAreValidHtml5) {
    Exported out;
    exportBook(book, publish::SiteFormat::Html, out);
    EXPECT_EQ(out.report.status, publish::SiteExportStatus::Exported);
    EXPECT_EQ(
        test::filesBelow(out.target),
        (QStringList{"Rich-1.png", "Rich.html", "Sub/Other.html", "Sub/data.bin", "index.html"}));
    EXPECT_EQ(test::html5Faults(out.target), QString());

    // The font most of the topic is in goes around it once, not on every run.
    const QString page = QString::fromUtf8(test::readAll(out.target + "/Rich.html"));
    EXPECT_TRUE(page.contains(QRegularExpression(
        QStringLiteral("<main>\n<div style=\"font-family:'[^']+';font-size:[0-9.]+pt\">\n<p>"))))
        << page.toStdString();
    EXPECT_EQ(page.count(QStringLiteral("font-family:'")), 1);
    for (const char* expected :
         {"font-weight:700\">bold</span>", "color:#ff0000\"> red</span>",
          "<p style=\"text-align:center\">centred</p>", "<ul><li>first<ol", "<li>nested</li></ol>",
          "<a href=\"Sub/Other.html\">the other</a>",
          "<a href=\"http://www.example.com\">www.example.com</a>",
          "<a href=\"file:///C:/My%20Docs/a.txt\">a file</a>", "<img src=\"Rich-1.png\"",
          "colspan=\"2\"", "x &lt; y<br>&amp; z", "<a href=\"index.html\">My Book</a>"})
        EXPECT_TRUE(page.contains(QLatin1String(expected))) << expected << "\n"
                                                            << page.toStdString();
    // A link to a topic that is not exported, and script, are text only.
    EXPECT_TRUE(page.contains(QLatin1String(" and file://$CurrentBook$\\Gone.txt and ")));
    EXPECT_FALSE(page.contains(QLatin1String("javascript")));
    EXPECT_EQ(test::readAll(out.target + "/Sub/data.bin"), QByteArray("\x00\x01\x02", 3));

    const QString plain = QString::fromUtf8(test::readAll(out.target + "/Sub/Other.html"));
    EXPECT_TRUE(plain.contains(QLatin1String("a &lt;tag&gt; &amp; &quot;quote&quot;")));
    EXPECT_TRUE(plain.contains(QLatin1String("<a href=\"../index.html\">")));
    const QString index = QString::fromUtf8(test::readAll(out.target + "/index.html"));
    EXPECT_TRUE(
        index.contains(QLatin1String("<li>Sub<ul><li><a href=\"Sub/Other.html\">Other.txt</a>")));
}

TEST_F(SiteExportTest, AStoppedExportKeepsWholePagesAndNoLinkLeadsNowhere) {
    Exported out;
    exportBook(book, publish::SiteFormat::Html, out, 1); // the rich topic only
    EXPECT_EQ(out.report.status, publish::SiteExportStatus::Cancelled);
    EXPECT_EQ(test::filesBelow(out.target), (QStringList{"Rich-1.png", "Rich.html", "index.html"}));
    // The checker also follows every local link.
    EXPECT_EQ(test::html5Faults(out.target), QString());
    const QString page = QString::fromUtf8(test::readAll(out.target + "/Rich.html"));
    EXPECT_FALSE(page.contains(QLatin1String("Sub/Other.html")));
    EXPECT_TRUE(page.contains(QLatin1String("<img src=\"Rich-1.png\"")));
    const QString index = QString::fromUtf8(test::readAll(out.target + "/index.html"));
    EXPECT_TRUE(index.contains(QLatin1String("<li>Other.txt")));
}

TEST_F(SiteExportTest, MarkdownKeepsWhatMarkdownCanHold) {
    Exported out;
    exportBook(book, publish::SiteFormat::Markdown, out);
    EXPECT_EQ(test::filesBelow(out.target),
              (QStringList{"Rich-1.png", "Rich.md", "Sub/Other.md", "Sub/data.bin", "index.md"}));
    EXPECT_EQ(QString::fromUtf8(test::readAll(out.target + "/Rich.md")),
              QStringLiteral("Plain **bold** red\n\n"
                             "centred\n\n"
                             "- first\n"
                             "  1. nested\n\n"
                             "See [the other](Sub/Other.md) and file://$CurrentBook$\\\\Gone.txt "
                             "and [www.example.com](http://www.example.com) and a trap and "
                             "[a file](file:///C:/My%20Docs/a.txt)\n\n"
                             "![](Rich-1.png)\n\n"
                             "| spanning |  |\n| --- | --- |\n|  | x \\< y<br>\\& z |\n"));
    EXPECT_EQ(QString::fromUtf8(test::readAll(out.target + "/Sub/Other.md")),
              QStringLiteral("a \\<tag\\> \\& \"quote\"\n\nindented\n"));
    EXPECT_EQ(QString::fromUtf8(test::readAll(out.target + "/index.md")),
              QStringLiteral("# My Book\n\n- [Rich.rtf](Rich.md)\n- Sub\n"
                             "  - [Other.txt](Sub/Other.md)\n  - [data.bin](Sub/data.bin)\n"));
}
