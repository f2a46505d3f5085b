// Markdown files read in: their formatting, their pictures embedded, links
// between them turned into topic links; every other file left for the
// importer as it is.

#include "core/tree/links.h"
#include "publish/markdown_import.h"
#include "publish_test_support.h"
#include "richtext/rtf_reader.h"
#include "richtext/text_objects.h"

#include <QFileInfo>
#include <QImage>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>

using namespace oxlin;

namespace {

void writeText(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every anchor and picture format of the document, in order.
struct DocumentObjects {
    QStringList anchors;
    std::vector<QTextImageFormat> pictures;
};

DocumentObjects objectsOf(const QTextDocument& document) {
    DocumentObjects found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                found.pictures.push_back(format.toImageFormat());
            else if (format.isAnchor() && !found.anchors.contains(format.anchorHref()))
                found.anchors.append(format.anchorHref());
        }
    return found;
}

} // namespace

TEST(MarkdownImportTest, FilesBecomeRichTextWithTopicLinksAndEmbeddedPictures) {
    QTemporaryDir source;
    const QString docs = QDir(source.path()).filePath(QStringLiteral("Docs"));
    writeText(docs + "/Start.md",
              "# Title\n\nSome **bold** and *italic* and `code`.\n\n"
              "- one\n  - one.a\n- two\n\n"
              "| A | B |\n|---|---|\n| 1 | 2 |\n\n"
              "[next](Sub/Next%20page.markdown#part) [away](https://example.com) "
              "[file](notes.txt) ![pic](pic.png)\n");
    writeText(docs + "/Sub/Next page.markdown", "[back](../Start.md)\n");
    writeText(docs + "/notes.txt", "plain");
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(docs + "/pic.png"));

    QTemporaryDir mirror;
    const publish::MarkdownConversion result =
        publish::convertMarkdownForImport({docs}, QStringLiteral("Imported"), mirror.path());
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.converted, 2);
    EXPECT_EQ(result.paths, QStringList{mirror.path() + "/Docs"});
    EXPECT_EQ(test::filesBelow(mirror.path()),
              (QStringList{"Docs/Start.rtf", "Docs/Sub/Next page.rtf", "Docs/notes.txt",
                           "Docs/pic.png"}));
    // Every other file is the original, reached through a link.
    EXPECT_EQ(QFileInfo(mirror.path() + "/Docs/notes.txt").symLinkTarget(), docs + "/notes.txt");

    QTextDocument start;
    richtext::readRtf(test::readAll(mirror.path() + "/Docs/Start.rtf"), start);
    const QString text = start.toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Title\nSome bold and italic and code.")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("one\none.a\ntwo"))) << text.toStdString();
    const QTextCharFormat title = start.find(QStringLiteral("Title")).charFormat();
    EXPECT_EQ(title.fontPointSize(), 20);
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(start.find(QStringLiteral("bold")).charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(start.find(QStringLiteral("italic")).charFormat().fontItalic());
    EXPECT_EQ(start.find(QStringLiteral("two")).currentList()->format().indent(), 1);
    EXPECT_EQ(start.find(QStringLiteral("one.a")).currentList()->format().indent(), 2);
    EXPECT_TRUE(
        start.find(QStringLiteral("B"), 0, QTextDocument::FindCaseSensitively).currentTable());

    const DocumentObjects objects = objectsOf(start);
    EXPECT_EQ(objects.anchors,
              (QStringList{
                  tree::topicLinkText(QStringLiteral("Imported\\Docs\\Sub\\Next page.rtf")),
                  QStringLiteral("https://example.com"), tree::fileLinkText(docs + "/notes.txt")}));
    ASSERT_EQ(objects.pictures.size(), 1u);
    EXPECT_EQ(richtext::pictureImage(start, objects.pictures[0]).size(), QSize(5, 4));
    EXPECT_FALSE(
        objects.pictures[0].property(richtext::kPictureDataProperty).toByteArray().isEmpty());

    QTextDocument next;
    richtext::readRtf(test::readAll(mirror.path() + "/Docs/Sub/Next page.rtf"), next);
    EXPECT_EQ(objectsOf(next).anchors,
              QStringList{tree::topicLinkText(QStringLiteral("Imported\\Docs\\Start.rtf"))});
}

TEST(MarkdownImportTest, ANamesakeGetsANameOfItsOwnAndWindowsTextIsRead) {
    QTemporaryDir source;
    // A byte-order mark and Windows-1252 text, as editors on Windows write.
    writeText(source.path() + "/a.md", "\xEF\xBB\xBF[self](a.md)\r\n");
    writeText(source.path() + "/b.md", "caf\xE9\r\n");
    writeText(source.path() + "/a.rtf", "{\\rtf1 kept}");
    QTemporaryDir mirror;
    const publish::MarkdownConversion result = publish::convertMarkdownForImport(
        {source.path() + "/a.rtf", source.path() + "/a.md"}, QString(), mirror.path());
    EXPECT_EQ(result.paths, (QStringList{mirror.path() + "/a.rtf", mirror.path() + "/a (2).rtf"}));
    QTextDocument document;
    richtext::readRtf(test::readAll(mirror.path() + "/a (2).rtf"), document);
    EXPECT_EQ(objectsOf(document).anchors,
              QStringList{tree::topicLinkText(QStringLiteral("a (2).rtf"))});
    EXPECT_EQ(test::readAll(mirror.path() + "/a.rtf"), "{\\rtf1 kept}");
}
