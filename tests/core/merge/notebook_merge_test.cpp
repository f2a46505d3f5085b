// The merge of notebooks changed in two places, over hand-made histories.
#include "core/merge/notebook_merge.h"
#include "core/merge/runtime_merge.h"
#include "merge_fixture.h"

#include <gtest/gtest.h>

namespace oxlin::merge {
namespace {

using test::Book;
using test::Topic;

Book baseBook() {
    Book book;
    book.topics[QStringLiteral("Plan.txt")] = {1, "plan"};
    book.topics[QStringLiteral("Work\\Notes.txt")] = {2, "notes"};
    book.topics[QStringLiteral("Work\\Todo.txt")] = {3, "todo"};
    book.topics[QStringLiteral("Home\\Shop.txt")] = {4, "shop"};
    return book;
}

Book merged(const Book& base, const Book& ours, const Book& theirs, MergeReport* report = nullptr) {
    NotebookContent result;
    MergeReport ignored;
    const store::Status status =
        mergeNotebooks(test::contentOf(base), test::contentOf(ours), test::contentOf(theirs),
                       result, report ? *report : ignored);
    EXPECT_TRUE(status.ok()) << status.toString().toStdString();
    return test::bookOf(result);
}

QByteArray textAt(const Book& book, const char* path) {
    const auto found = book.topics.find(QString::fromUtf8(path));
    return found == book.topics.end() ? QByteArray("<none>") : found->second.text;
}

TEST(NotebookMerge, ChangesOnOneSideOrToDifferentTopicsAreTaken) {
    Book ours = baseBook(), theirs = baseBook();
    ours.topics[QStringLiteral("Plan.txt")].text = "plan, ours";
    theirs.topics[QStringLiteral("Work\\Notes.txt")].text = "notes, theirs";
    MergeReport report;
    const Book result = merged(baseBook(), ours, theirs, &report);
    EXPECT_EQ(textAt(result, "Plan.txt"), "plan, ours");
    EXPECT_EQ(textAt(result, "Work\\Notes.txt"), "notes, theirs");
    EXPECT_EQ(result.topics.size(), 4u);
    EXPECT_TRUE(report.keptTwice.isEmpty());
    EXPECT_TRUE(report.changed);
}

TEST(NotebookMerge, TopicChangedOnBothSidesIsKeptTwice) {
    Book ours = baseBook(), theirs = baseBook();
    ours.topics[QStringLiteral("Work\\Notes.txt")].text = "notes, ours";
    theirs.topics[QStringLiteral("Work\\Notes.txt")].text = "notes, theirs";
    theirs.topics[QStringLiteral("Plan.txt")].text = "plan, theirs";
    MergeReport report;
    const Book result = merged(baseBook(), ours, theirs, &report);
    EXPECT_EQ(textAt(result, "Work\\Notes.txt"), "notes, ours");
    EXPECT_EQ(textAt(result, "Work\\Notes (other copy).txt"), "notes, theirs");
    EXPECT_EQ(textAt(result, "Plan.txt"), "plan, theirs");
    EXPECT_EQ(report.keptTwice, QStringList{QStringLiteral("Work\\Notes.txt")});
    // The copy has a file of its own, with an id no other topic had.
    EXPECT_GT(result.topics.at(QStringLiteral("Work\\Notes (other copy).txt")).id, 100);
    EXPECT_GT(fileIdCountOf(result.runtime), 100);

    // The same change on both sides is one topic.
    theirs.topics[QStringLiteral("Work\\Notes.txt")].text = "notes, ours";
    const Book same = merged(baseBook(), ours, theirs, &report);
    EXPECT_EQ(same.topics.size(), 4u);
    EXPECT_TRUE(report.keptTwice.isEmpty());
}

TEST(NotebookMerge, TopicsAddedOnBothSidesUnderOneIdAreBothKept) {
    Book ours = baseBook(), theirs = baseBook();
    ours.topics[QStringLiteral("Work\\Ours.txt")] = {101, "added on ours"};
    theirs.topics[QStringLiteral("Home\\Theirs.txt")] = {101, "added on theirs"};
    theirs.topics[QStringLiteral("Home\\Also.txt")] = {102, "also theirs"};
    MergeReport report;
    const Book result = merged(baseBook(), ours, theirs, &report);
    EXPECT_EQ(textAt(result, "Work\\Ours.txt"), "added on ours");
    EXPECT_EQ(textAt(result, "Home\\Theirs.txt"), "added on theirs");
    EXPECT_EQ(textAt(result, "Home\\Also.txt"), "also theirs");
    EXPECT_EQ(result.topics.at(QStringLiteral("Work\\Ours.txt")).id, 101);
    EXPECT_EQ(result.topics.at(QStringLiteral("Home\\Also.txt")).id, 102);
    EXPECT_GT(result.topics.at(QStringLiteral("Home\\Theirs.txt")).id, 102);
    EXPECT_EQ(report.renumbered, 1);
}

TEST(NotebookMerge, DeleteGoesOnlyWhenTheOtherSideLeftTheTopicAlone) {
    Book ours = baseBook(), theirs = baseBook();
    theirs.topics.erase(QStringLiteral("Plan.txt"));       // unchanged on ours: goes
    theirs.topics.erase(QStringLiteral("Work\\Todo.txt")); // changed on ours: stays
    ours.topics[QStringLiteral("Work\\Todo.txt")].text = "todo, ours";
    ours.topics.erase(QStringLiteral("Home\\Shop.txt")); // changed on theirs: stays
    theirs.topics[QStringLiteral("Home\\Shop.txt")].text = "shop, theirs";
    MergeReport report;
    const Book result = merged(baseBook(), ours, theirs, &report);
    EXPECT_EQ(textAt(result, "Plan.txt"), "<none>");
    EXPECT_EQ(textAt(result, "Work\\Todo.txt"), "todo, ours");
    EXPECT_EQ(textAt(result, "Home\\Shop.txt"), "shop, theirs");
    EXPECT_EQ(report.keptDespiteDelete.size(), 2);
}

TEST(NotebookMerge, ADeleteNeverTakesTheFileOfAnotherItem) {
    Book base = baseBook();
    base.topics[QStringLiteral("Home\\Twin.txt")] = {1, "plan"}; // a hand-made tree: id 1 twice
    Book theirs = base;
    theirs.topics.erase(QStringLiteral("Plan.txt"));
    theirs.topics.erase(QStringLiteral("Home\\Twin.txt"));
    const Book result = merged(base, base, theirs);
    EXPECT_EQ(result.topics.size(), 4u);
    const auto twin = std::find_if(result.topics.begin(), result.topics.end(),
                                   [](const auto& topic) { return topic.second.id == 1; });
    ASSERT_NE(twin, result.topics.end());
    EXPECT_EQ(twin->second.text, "plan");
}

TEST(NotebookMerge, MovesAndRenamesOnOneSideApply) {
    Book ours = baseBook(), theirs = baseBook();
    theirs.topics.erase(QStringLiteral("Work\\Notes.txt"));
    theirs.topics[QStringLiteral("Home\\Notes.txt")] = {2, "notes"};
    theirs.topics.erase(QStringLiteral("Plan.txt"));
    theirs.topics[QStringLiteral("Plan 2027.txt")] = {1, "plan"};
    ours.topics[QStringLiteral("Work\\Notes.txt")].text = "notes, ours"; // edit follows the move
    ours.topics.erase(QStringLiteral("Home\\Shop.txt"));
    ours.topics[QStringLiteral("Shopping.txt")] = {4, "shop"};
    const Book result = merged(baseBook(), ours, theirs);
    EXPECT_EQ(textAt(result, "Home\\Notes.txt"), "notes, ours");
    EXPECT_EQ(textAt(result, "Plan 2027.txt"), "plan");
    EXPECT_EQ(textAt(result, "Shopping.txt"), "shop");
    EXPECT_EQ(result.topics.size(), 4u);
}

TEST(NotebookMerge, FoldersFollowTheirItems) {
    Book ours = baseBook(), theirs = baseBook();
    // Theirs renames Work to Job (its topics move) and adds an empty folder.
    for (const char* label : {"Notes.txt", "Todo.txt"}) {
        const QString old = QStringLiteral("Work\\") + QLatin1String(label);
        theirs.topics[QStringLiteral("Job\\") + QLatin1String(label)] = theirs.topics[old];
        theirs.topics.erase(old);
    }
    theirs.folders.append(QStringLiteral("Later"));
    // Theirs empties Home; ours added a topic there meanwhile, which keeps it.
    theirs.topics.erase(QStringLiteral("Home\\Shop.txt"));
    ours.topics[QStringLiteral("Home\\Garden.txt")] = {101, "garden"};
    const Book result = merged(baseBook(), ours, theirs);
    EXPECT_EQ(textAt(result, "Job\\Notes.txt"), "notes");
    EXPECT_EQ(textAt(result, "Job\\Todo.txt"), "todo");
    EXPECT_EQ(textAt(result, "Home\\Garden.txt"), "garden");
    EXPECT_FALSE(result.folders.contains(QStringLiteral("Work")));
    EXPECT_TRUE(result.folders.contains(QStringLiteral("Later")));
    EXPECT_TRUE(result.folders.contains(QStringLiteral("Home")));
}

TEST(NotebookMerge, RuntimeKeywordsAreUnitedAndTheIdCounterIsTheLarger) {
    const QByteArray ours = "[RunTimeData]\r\nFileIDCount=120\r\nLastEdit=Plan.txt\r\n"
                            "[SearchHistory]\r\n0=apple\r\n1=Pear\r\n";
    const QByteArray theirs = "[RunTimeData]\r\nFileIDCount=140\r\nLastEdit=Other.txt\r\n"
                              "[SearchHistory]\r\n0=pear\r\n1=plum\r\n[Extra]\r\nA=1\r\n";
    const QByteArray result = mergeRuntimeText(ours, theirs, 0);
    EXPECT_EQ(fileIdCountOf(result), 140);
    EXPECT_TRUE(result.contains("LastEdit=Plan.txt"));
    EXPECT_TRUE(result.contains("0=apple\r\n1=Pear\r\n2=plum\r\n"));
    EXPECT_TRUE(result.contains("[Extra]\r\nA=1"));
    EXPECT_EQ(fileIdCountOf(mergeRuntimeText(ours, theirs, 200)), 200);

    // The history holds 20 keywords: the oldest give way.
    QByteArray many = "[SearchHistory]\r\n";
    for (int i = 0; i < 20; ++i)
        many += QByteArray::number(i) + "=k" + QByteArray::number(i) + "\r\n";
    const QByteArray full = mergeRuntimeText(many, theirs, 0);
    EXPECT_TRUE(full.contains("19=plum\r\n"));
    EXPECT_FALSE(full.contains("=k0\r\n"));
}

TEST(NotebookMerge, MergingANotebookWithItselfChangesNothing) {
    Book book = baseBook();
    book.runtime = "[RunTimeData]\nFileIDCount=7\n[SearchHistory]\n0=x\n"; // LF, not ours
    const NotebookContent content = test::contentOf(book);
    NotebookContent result;
    MergeReport report;
    ASSERT_TRUE(mergeNotebooks(content, content, content, result, report).ok());
    EXPECT_FALSE(report.changed);
    for (const NotebookContent::Member& member : content.members())
        EXPECT_EQ(result.bytes(member.name), member.bytes) << member.name.toStdString();
    ASSERT_TRUE(mergeCopies(content, content, result, report).ok());
    EXPECT_FALSE(report.changed);
}

TEST(NotebookMerge, CopiesFoldIdenticalTopicsAndKeepDifferingOnes) {
    Book ours = baseBook(), theirs = baseBook();
    ours.topics[QStringLiteral("Plan.txt")].text = "plan, ours";
    theirs.topics[QStringLiteral("Plan.txt")].text = "plan, theirs";
    theirs.topics[QStringLiteral("New.txt")] = {101, "new on theirs"};
    NotebookContent result;
    MergeReport report;
    ASSERT_TRUE(mergeCopies(test::contentOf(ours), test::contentOf(theirs), result, report).ok());
    const Book book = test::bookOf(result);
    EXPECT_EQ(book.topics.size(), 6u);
    EXPECT_EQ(textAt(book, "Plan.txt"), "plan, ours");
    EXPECT_EQ(textAt(book, "Plan (other copy).txt"), "plan, theirs");
    EXPECT_EQ(textAt(book, "New.txt"), "new on theirs");
    EXPECT_EQ(report.keptTwice, QStringList{QStringLiteral("Plan.txt")});
}

TEST(NotebookMerge, ADamagedTreeStopsTheMerge) {
    const NotebookContent good = test::contentOf(baseBook());
    NotebookContent bad = good;
    bad.put(QStringLiteral("Tree"), QByteArray("not compressed"));
    NotebookContent result;
    MergeReport report;
    EXPECT_EQ(mergeNotebooks(bad, good, good, result, report).code(), store::Status::Code::Corrupt);
    EXPECT_EQ(mergeNotebooks(good, good, bad, result, report).code(), store::Status::Code::Corrupt);
    EXPECT_TRUE(result.isEmpty());
}

TEST(NotebookMerge, OtherCopyLabelKeepsTheKindAndTheLimit) {
    EXPECT_EQ(otherCopyLabel(QStringLiteral("Plan.txt")), QStringLiteral("Plan (other copy).txt"));
    EXPECT_EQ(otherCopyLabel(QStringLiteral("Plan")), QStringLiteral("Plan (other copy)"));
    const QString longLabel = QString(300, u'é') + QStringLiteral(".rtf");
    const QString copy = otherCopyLabel(longLabel);
    EXPECT_LE(copy.toUtf8().size(), 255);
    EXPECT_TRUE(copy.endsWith(QStringLiteral(" (other copy).rtf")));
}

} // namespace
} // namespace oxlin::merge
