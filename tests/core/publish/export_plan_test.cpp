// The names an export plans: whatever a label holds, every file lands
// inside the target under a name of its own, and links between them are
// relative.

#include "publish/export_plan.h"
#include "publish/site_export.h"
#include "publish_test_support.h"

#include <QDir>
#include <QSet>

using namespace oxlin;
using publish::ExportPlan;
using publish::PlannedKind;

TEST(ExportPlanTest, UnsafeLabelsStayInsideTheTargetWithNamesOfTheirOwn) {
    test::TestNotebook book;
    const tree::ItemHandle dots = book.folder(tree::kTopLevel, QStringLiteral(".."));
    book.topic(dots, QStringLiteral("../../escape.txt"), "a");
    book.topic(dots, QStringLiteral("a/b.rtf"), "b");
    book.topic(dots, QStringLiteral("a\\b.rtf"), "c");
    book.topic(tree::kTopLevel, QStringLiteral("CON.txt"), "d");
    book.topic(tree::kTopLevel, QStringLiteral("Notes.rtf"), "e");
    book.topic(tree::kTopLevel, QStringLiteral("Notes.rtf"), "f");
    book.topic(tree::kTopLevel, QStringLiteral("notes.TXT"), "g");
    book.topic(tree::kTopLevel, QStringLiteral("index.rtf"), "h");
    book.topic(tree::kTopLevel, QStringLiteral("photo.jpg"), "i");

    const ExportPlan plan(book.tree(), tree::kTopLevel, QStringLiteral(".html"),
                          {QStringLiteral("index.html")});
    QSet<QString> names;
    for (const publish::PlannedItem& item : plan.items()) {
        SCOPED_TRACE(item.relativePath.toStdString());
        EXPECT_FALSE(item.relativePath.contains(QLatin1Char('\\')));
        EXPECT_FALSE(item.relativePath.startsWith(QLatin1Char('/')));
        for (const QString& part : item.relativePath.split(QLatin1Char('/'))) {
            EXPECT_NE(part, QStringLiteral(".."));
            EXPECT_NE(part, QStringLiteral("."));
            EXPECT_NE(part.toUpper(), QStringLiteral("CON.HTML"));
        }
        EXPECT_FALSE(names.contains(item.relativePath.toUpper())) << "a name used twice";
        names.insert(item.relativePath.toUpper());
    }
    EXPECT_FALSE(names.contains(QStringLiteral("INDEX.HTML"))); // kept for the index
    EXPECT_EQ(plan.topicCount(), 9);
    // Pages take the page extension, other topics keep their names.
    EXPECT_EQ(plan.pathOfItem(QStringLiteral("Notes.rtf")), QStringLiteral("Notes.html"));
    EXPECT_EQ(plan.pathOfItem(QStringLiteral("Notes.rtf")), QStringLiteral("Notes.html"));
    EXPECT_EQ(plan.pathOfItem(QStringLiteral("NOTES.TXT")), QStringLiteral("notes (3).html"));
    EXPECT_EQ(plan.pathOfItem(QStringLiteral("photo.jpg")), QStringLiteral("photo.jpg"));
    EXPECT_TRUE(plan.pathOfItem(QStringLiteral("..")).isEmpty()); // a folder has no page

    // Written out, nothing appears beside the target.
    QTemporaryDir out;
    const QString target = QDir(out.path()).filePath(QStringLiteral("site"));
    publish::SiteExporter exporter(book.tree(), tree::kTopLevel, book.working(), target,
                                   publish::SiteFormat::Html, QStringLiteral("Book"));
    ASSERT_TRUE(exporter.start());
    while (exporter.step()) {
    }
    const publish::SiteExportReport& report = exporter.finish(false);
    EXPECT_TRUE(report.failed.isEmpty()) << report.failed.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("site")});
    EXPECT_EQ(test::filesBelow(target).size(), 10); // nine topics and the index
    EXPECT_EQ(test::html5Faults(target), QString());
}

TEST(ExportPlanTest, RelativeLinksClimbOnlyAsFarAsNeededAndEncodeTheirNames) {
    EXPECT_EQ(ExportPlan::relativeLink(QStringLiteral("a/b/p.html"), QStringLiteral("a/c/q.html")),
              QStringLiteral("../c/q.html"));
    EXPECT_EQ(ExportPlan::relativeLink(QStringLiteral("a/p.html"), QStringLiteral("a/q.html")),
              QStringLiteral("q.html"));
    EXPECT_EQ(ExportPlan::relativeLink(QStringLiteral("a/b/p.html"), QStringLiteral("index.html")),
              QStringLiteral("../../index.html"));
    EXPECT_EQ(ExportPlan::relativeLink(QStringLiteral("index.html"),
                                       QStringLiteral("My notes/50% #1.html")),
              QStringLiteral("My%20notes/50%25%20%231.html"));
    // A folder named like the start of another is not a common part.
    EXPECT_EQ(ExportPlan::relativeLink(QStringLiteral("ab/p.html"), QStringLiteral("a/q.html")),
              QStringLiteral("../a/q.html"));
}
