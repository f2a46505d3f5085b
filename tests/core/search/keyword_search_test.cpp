#include "search_fixture.h"

#include "core/store/byte_stream.h"

#include <QDir>

namespace oxlin::test {
namespace {

using search::KeywordHistory;
using search::SearchMode;
using search::SearchOptions;
using search::SortedRows;
using tree::kNoItem;
using tree::kTopLevel;

QStringList texts(const SortedRows& rows) {
    QStringList out;
    for (const auto& row : rows.rows())
        out.append(row.text);
    return out;
}

class KeywordSearchTest : public SearchFixture {
protected:
    void SetUp() override {
        work_ = folder(kTopLevel, "Work");
        old_ = folder(work_, "Old");
        lower_ = topic(old_, "a.txt", "the plan for monday");
        upper_ = topic(work_, "b.txt", "PLAN B");
        exact_ = topic(work_, "Plan.txt", "Plan as written");
        rich_ = topic(kTopLevel, "c.rtf",
                      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Pl{\\b an}ned caf\\'e9\\par}");
        doc_ = topic(work_, "old plans.doc", "plan");
        topic(kTopLevel, "empty.txt", "");
        index_.rebuildNow(tree_);
    }
    int content(const char* keyword, bool matchCase = false) {
        return search_.contentSearch(QString::fromUtf8(keyword), matchCase, rows_);
    }

    ItemHandle work_, old_, lower_, upper_, exact_, rich_, doc_;
    SortedRows rows_;
};

TEST_F(KeywordSearchTest, ContentSearchMatchesTheVisibleText) {
    EXPECT_EQ(content("plan"), 4);
    EXPECT_EQ(texts(rows_), QStringList({"c.rtf", "Work\\b.txt", "Work\\Old\\a.txt",
                                         "Work\\Plan.txt"}))
        << "sorted without regard to case; the .doc topic is never read";
    EXPECT_EQ(rows_.at(0).handle, rich_);

    EXPECT_EQ(content("Plan", true), 2);
    EXPECT_EQ(texts(rows_), QStringList({"c.rtf", "Work\\Plan.txt"}));

    EXPECT_EQ(content("par"), 0) << "control words are not text";
    EXPECT_EQ(content("Arial"), 0) << "nor is the font table";
    EXPECT_EQ(content("CAFÉ"), 1) << "non-ASCII keywords match as typed, in any case";
    EXPECT_EQ(content("café", true), 1);
    EXPECT_EQ(content("zzz"), 0);
    EXPECT_TRUE(rows_.rows().empty());
}

TEST_F(KeywordSearchTest, ATreeSnapshotListsWhatTheIndexFileDoes) {
    // The one-off search's topic list is the live index's, entry for entry.
    const std::vector<search::ContentTarget> fromTree =
        search::contentTargets(search::takeIndexSnapshot(tree_));
    const std::vector<search::ContentTarget> fromFile = search_.indexedTargets();
    ASSERT_EQ(fromTree.size(), fromFile.size());
    for (std::size_t i = 0; i < fromTree.size(); ++i) {
        EXPECT_EQ(fromTree[i].fileName, fromFile[i].fileName);
        EXPECT_EQ(fromTree[i].handle, fromFile[i].handle);
    }
    SortedRows viaTree;
    EXPECT_EQ(search_.contentSearchIn(fromTree, "plan", false, viaTree), content("plan"));
    EXPECT_EQ(texts(viaTree), texts(rows_));

    // A file named by two topics keeps its first place and its last item.
    const search::IndexSnapshot twice = {{"a.txt", 11, "00000001.XTZ"},
                                         {"b.doc", 12, {}},
                                         {"c.txt", 13, "00000002.XTZ"},
                                         {"d.txt", 14, "00000001.XTZ"}};
    const std::vector<search::ContentTarget> targets = search::contentTargets(twice);
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_EQ(targets[0].fileName, "00000001.XTZ");
    EXPECT_EQ(targets[0].handle, 14u);
    EXPECT_EQ(targets[1].handle, 13u);
}

TEST_F(KeywordSearchTest, ContentSearchSkipsDeadAndUnreadableTopics) {
    tree_.removeItem(lower_); // its file stays: a moved topic looks the same
    QFile::remove(QDir(paths_.workingFolder).filePath(fileOf(upper_)));
    QFile damaged(QDir(paths_.workingFolder).filePath(fileOf(exact_)));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not gzip at all");
    damaged.close();

    EXPECT_EQ(content("plan"), 1);
    EXPECT_EQ(texts(rows_), QStringList({"c.rtf"}));

    QFile::remove(paths_.searchIndexFile);
    EXPECT_EQ(content("plan"), 0);
    // No temporary files are left behind.
    EXPECT_TRUE(QDir(paths_.workingFolder).entryList({"*.tmp"}, QDir::Files).isEmpty());
}

TEST_F(KeywordSearchTest, TreeOnlySearchListsFoldersInBrackets) {
    EXPECT_EQ(search_.treeOnlySearch(QStringLiteral("old"), false, rows_), 2);
    EXPECT_EQ(texts(rows_), QStringList({"[Work\\Old]", "Work\\old plans.doc"}));
    EXPECT_EQ(rows_.at(0).handle, old_);
    EXPECT_EQ(search_.treeOnlySearch(QStringLiteral("Old"), true, rows_), 1);
    EXPECT_EQ(search_.treeOnlySearch(QStringLiteral("a.txt"), false, rows_), 1)
        << "labels are searched, not paths";
}

TEST_F(KeywordSearchTest, SearchInResultReSearchesTheListedTopics) {
    search_.treeOnlySearch(QStringLiteral("t"), false, rows_); // folders and topics
    ASSERT_GT(rows_.size(), 4);
    EXPECT_EQ(search_.searchInResult(QStringLiteral("plan"), false, rows_), 4)
        << "the .doc topic matches and counts, without a SearchIndex entry";
    EXPECT_EQ(texts(rows_), QStringList({"c.rtf", "Work\\b.txt", "Work\\Old\\a.txt",
                                         "Work\\Plan.txt"}))
        << "folder rows and the .doc topic have no row";

    const ItemHandle later = topic(kTopLevel, "later.txt", "PLAN");
    rows_.add(QStringLiteral("later.txt"), later);
    rows_.add(QStringLiteral("dead.txt"), 99999);
    EXPECT_EQ(search_.searchInResult(QStringLiteral("PLAN"), true, rows_), 2);
    EXPECT_EQ(texts(rows_), QStringList({"Work\\b.txt"}))
        << "a topic created after the load counts but has no row";

    rows_.clear();
    EXPECT_EQ(search_.searchInResult(QStringLiteral("plan"), false, rows_), 0);
}

TEST_F(KeywordSearchTest, RunChoosesTheModeByPrecedence) {
    EXPECT_EQ(search::chooseMode({true, false, true}), SearchMode::InResult);
    EXPECT_EQ(search::chooseMode({false, false, true}), SearchMode::TreeOnly);
    EXPECT_EQ(search::chooseMode({false, true, false}), SearchMode::Content);
    EXPECT_EQ(search::chooseMode(SearchOptions{}), SearchMode::TreeOnly) << "check box defaults";

    EXPECT_EQ(search_.run(QString(), {}, rows_), std::nullopt);
    EXPECT_EQ(search_.run(QStringLiteral("old"), {}, rows_), 2);
    EXPECT_EQ(search_.run(QStringLiteral("monday"), {true, false, true}, rows_), 0);
    EXPECT_EQ(search_.run(QStringLiteral("monday"), {false, false, false}, rows_), 1);
}

TEST(KeywordHistoryTest, KeepsTwentyDistinctKeywordsAndRoundTrips) {
    KeywordHistory history;
    EXPECT_FALSE(history.noteFound(QStringLiteral("nothing"), 0));
    EXPECT_TRUE(history.noteFound(QStringLiteral("Plan"), 3));
    EXPECT_FALSE(history.noteFound(QStringLiteral("plan"), 1));
    EXPECT_FALSE(history.noteFound(QStringLiteral("PLAN"), 1));
    for (int i = 1; i <= 20; ++i)
        history.noteFound(QStringLiteral("k%1").arg(i), 1);
    ASSERT_EQ(history.entries().size(), 20);
    EXPECT_EQ(history.entries().first(), QStringLiteral("k1")) << "the oldest was pushed out";
    EXPECT_EQ(history.entries().last(), QStringLiteral("k20"));

    QTemporaryDir dir;
    const QString z = dir.filePath(QStringLiteral("Z.ini"));
    store::ProfileService profiles;
    profiles.writeString(z, QStringLiteral("RunTimeData"), QStringLiteral("FileIDCount"),
                         QStringLiteral("7"));
    ASSERT_TRUE(history.save(profiles, z));
    KeywordHistory loaded;
    loaded.load(profiles, z);
    EXPECT_EQ(loaded.entries(), history.entries());
    EXPECT_EQ(profiles.readString(z, QStringLiteral("SearchHistory"), QStringLiteral("19")),
              QStringLiteral("k20"));

    // Loading stops at the first missing or empty key.
    profiles.writeString(z, QStringLiteral("SearchHistory"), QStringLiteral("3"), QString());
    loaded.load(profiles, z);
    EXPECT_EQ(loaded.entries().size(), 3);
    loaded.load(profiles, dir.filePath(QStringLiteral("missing.ini")));
    EXPECT_TRUE(loaded.entries().isEmpty());

    // A shorter history saved over a longer one does not bring the rest back.
    KeywordHistory shorter;
    shorter.noteFound(QStringLiteral("only"), 1);
    ASSERT_TRUE(shorter.save(profiles, z));
    loaded.load(profiles, z);
    EXPECT_EQ(loaded.entries(), QStringList(QStringLiteral("only")));
}

TEST(SortedRowsTest, SortsWithoutCaseAndFindsPrefixes) {
    SortedRows rows;
    rows.add(QStringLiteral("b.txt"), 3);
    rows.add(QStringLiteral("About.txt"), 2);
    rows.add(QStringLiteral("a.txt"), 1);
    rows.add(QStringLiteral("A.TXT"), 4);
    EXPECT_EQ(texts(rows), QStringList({"a.txt", "A.TXT", "About.txt", "b.txt"}));

    EXPECT_EQ(rows.findPrefix(QStringLiteral("a")), 0);
    EXPECT_EQ(rows.findPrefix(QStringLiteral("ab")), 2);
    EXPECT_EQ(rows.findPrefix(QStringLiteral("B.T")), 3);
    EXPECT_EQ(rows.findPrefix(QStringLiteral("z")), -1);
    EXPECT_EQ(rows.findPrefix(QString()), -1);

    EXPECT_EQ(rows.removeFirst(4), 1);
    EXPECT_EQ(rows.removeFirst(4), -1);
    EXPECT_EQ(rows.size(), 3);

    search::refillLocate(rows, {{QStringLiteral("z.txt"), 5}, {QStringLiteral("y.txt"), 6}});
    EXPECT_EQ(texts(rows), QStringList({"y.txt", "z.txt"}));
}

TEST(SortedRowsTest, ARefillSortsOnceInTheOrderOfAddsOneByOne) {
    // Equal texts (without regard to case) keep the order they came in.
    const std::vector<search::LocateRow> locate = {
        {QStringLiteral("Notes\\b"), 1}, {QStringLiteral("notes\\B"), 2},
        {QStringLiteral("Alpha"), 3},      {QStringLiteral("NOTES\\b"), 4},
        {QStringLiteral("alpha"), 5},      {QStringLiteral("\u00C9t\u00E9"), 6}};
    SortedRows oneByOne;
    for (const auto& row : locate)
        oneByOne.add(row.text, row.handle);
    SortedRows refilled;
    refilled.add(QStringLiteral("stale"), 9);
    search::refillLocate(refilled, locate);
    ASSERT_EQ(refilled.size(), oneByOne.size());
    for (int i = 0; i < refilled.size(); ++i) {
        EXPECT_EQ(refilled.at(i).text, oneByOne.at(i).text) << i;
        EXPECT_EQ(refilled.at(i).handle, oneByOne.at(i).handle) << i;
    }
}

namespace {

// Zeros, then "plan": a member of a few hundred KiB that decodes to `size`
// bytes, made without ever holding them.
class ZerosThenPlan final : public store::ByteSource {
public:
    explicit ZerosThenPlan(qint64 size) : left_(size) {}
    qint64 read(char* data, qint64 size) override {
        const qint64 count = std::min(size, left_);
        for (qint64 i = 0; i < count; ++i, --left_)
            data[i] = left_ <= 4 ? "plan"[4 - left_] : '\0';
        return count;
    }

private:
    qint64 left_;
};

} // namespace

TEST_F(KeywordSearchTest, ATopicPastTheLimitIsToldAndLeftOut) {
    const ItemHandle huge = topic(work_, "huge.txt");
    ZerosThenPlan source(store::kMaxDecodedInMemory + 1);
    QFile file(QDir(paths_.workingFolder).filePath(fileOf(huge)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store::DeviceSink sink(file);
    ASSERT_EQ(store::compressStream(source, sink), store::CodecStatus::Ok);
    file.close();
    index_.rebuildNow(tree_);

    QStringList told;
    search_.reportTopicsTooLarge([&](const QString& itemPath) { told << itemPath; });
    EXPECT_EQ(content("plan"), 4);
    EXPECT_EQ(told, QStringList{"Work\\huge.txt"});
}

} // namespace
} // namespace oxlin::test
