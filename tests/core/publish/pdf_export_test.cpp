// One PDF of a subtree: the contents first, each topic on its own pages
// under its path, bookmarks nested as the tree; read back with poppler.

#include "publish/pdf_export.h"
#include "publish/pdf_outline.h"
#include "publish_test_support.h"

#include <QProcess>
#include <QRegularExpression>

using namespace oxlin;

namespace {

// What a poppler tool prints for the file.
QString popplerSays(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return QStringLiteral("%1 failed").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(PdfExportTest, ContentsThenAPagePerTopicWithBookmarksFollowingTheTree) {
    test::TestNotebook book;
    const tree::ItemHandle trip = book.folder(tree::kTopLevel, QStringLiteral("Trip"));
    book.topic(trip, QStringLiteral("Day one.txt"), "Sunny");
    const tree::ItemHandle photos = book.folder(trip, QStringLiteral("Photos"));
    book.topic(photos, QStringLiteral("beach.jpg"), "not really a picture");
    QByteArray longText;
    for (int i = 0; i < 200; ++i)
        longText += "line " + QByteArray::number(i) + "\r\n";
    book.topic(tree::kTopLevel, QStringLiteral("Long.txt"), longText);

    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("book.pdf"));
    publish::PdfExporter exporter(book.tree(), tree::kTopLevel, book.working(), pdf,
                                  QStringLiteral("My Book"),
                                  QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                              QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
    ASSERT_TRUE(exporter.start());
    while (exporter.step()) {
    }
    const publish::PdfExportReport& report = exporter.finish(false);
    ASSERT_EQ(report.status, publish::PdfExportStatus::Exported);
    EXPECT_EQ(report.topics, 3);
    EXPECT_TRUE(report.bookmarks);

    // Pages end in a form feed: the contents, one page each for the first
    // two topics, and more than one for the long one.
    const QStringList pages = popplerSays(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 5) << pages.join(QLatin1String("|")).toStdString();
    EXPECT_EQ(report.pages, pages.size() - 1); // the text ends with a form feed
    EXPECT_TRUE(pages[0].startsWith(QStringLiteral("My Book"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].startsWith(QStringLiteral("Trip \u203A Day one.txt\nSunny")))
        << pages[1].toStdString();
    EXPECT_TRUE(pages[2].startsWith(QStringLiteral("Trip \u203A Photos \u203A beach.jpg")));
    EXPECT_TRUE(pages[3].startsWith(QStringLiteral("Long.txt\nline 0")));
    // The contents give each item's page at the right.
    const QString contents =
        popplerSays(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-l"),
                                                  QStringLiteral("1"), pdf, QStringLiteral("-")});
    for (const char* line : {"Trip\\s+2\n", "Photos\\s+3\n", "Long.txt\\s+4\n"})
        EXPECT_TRUE(contents.contains(QRegularExpression(QLatin1String(line))))
            << line << contents.toStdString();

    const QString outline =
        popplerSays(QStringLiteral("pdftohtml"), {QStringLiteral("-xml"), QStringLiteral("-stdout"),
                                                  QStringLiteral("-i"), QStringLiteral("-q"), pdf});
    const qsizetype at = outline.indexOf(QStringLiteral("<outline>"));
    ASSERT_GE(at, 0) << outline.toStdString();
    EXPECT_EQ(outline.mid(at).remove(QLatin1Char('\n')),
              QStringLiteral("<outline><item page=\"2\">Trip</item><outline>"
                             "<item page=\"2\">Day one.txt</item><item page=\"3\">Photos</item>"
                             "<outline><item page=\"3\">beach.jpg</item></outline></outline>"
                             "<item page=\"4\">Long.txt</item></outline></pdf2xml>"));
}

TEST(PdfExportTest, ACancelledExportWritesNothingAndOddFilesGetNoBookmarks) {
    test::TestNotebook book;
    book.topic(tree::kTopLevel, QStringLiteral("a.txt"), "a");
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("book.pdf"));
    publish::PdfExporter exporter(book.tree(), tree::kTopLevel, book.working(), pdf,
                                  QStringLiteral("B"), QPageLayout());
    ASSERT_TRUE(exporter.start());
    EXPECT_EQ(exporter.finish(true).status, publish::PdfExportStatus::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(pdf));

    // Bytes that are not a file QPdfWriter wrote come back as they were.
    const std::vector<publish::OutlineEntry> entries{{QStringLiteral("x"), 0, 0}};
    for (const QByteArray& odd :
         {QByteArray(), QByteArray("%PDF-1.4\nnot much\n"),
          QByteArray("%PDF-1.4\ntrailer\n<< /Size 3 /Root 1 0 R >>\nstartxref\n9\n%%EOF\n")})
        EXPECT_EQ(publish::addOutline(odd, entries), odd);
}
