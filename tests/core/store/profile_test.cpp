#include "core/store/profile.h"
#include "test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace oxlin::store;
using namespace oxlin::test;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    QString file() const { return dir_.filePath(QStringLiteral("Z.ini")); }
    QString text() const { return QString::fromUtf8(readAll(file())); }

    QTemporaryDir dir_;
    ProfileService profile_;
};

const QString kRunTime = QStringLiteral("RunTimeData");

} // namespace

TEST_F(ProfileTest, WritesKeysWhereTheDesktopFunctionsPutThem) {
    ASSERT_TRUE(profile_.writeString(file(), kRunTime, QStringLiteral("FileIDCount"), QStringLiteral("1")));
    EXPECT_EQ(text(), QStringLiteral("[RunTimeData]\r\nFileIDCount=1\r\n"));

    profile_.writeString(file(), QStringLiteral("SearchHistory"), QStringLiteral("0"), QStringLiteral("plan"));
    profile_.writeString(file(), QStringLiteral("runtimedata"), QStringLiteral("LastEdit"), QStringLiteral("Work\\a.txt"));
    profile_.writeString(file(), kRunTime, QStringLiteral("fileidcount"), QStringLiteral("7"));
    EXPECT_EQ(text(), QStringLiteral("[RunTimeData]\r\nfileidcount=7\r\nLastEdit=Work\\a.txt\r\n"
                                     "[SearchHistory]\r\n0=plan\r\n"));
}

TEST_F(ProfileTest, ReadsAsTheDesktopFunctionsDo) {
    writeAll(file(), "; notes\n[ RunTimeData ]\n  FileIDCount =  12 \n\nLastEdit=a=b\n"
                     "[Other]\nFileIDCount=99\n[RunTimeData]\nLater=ignored\n");
    EXPECT_EQ(profile_.readString(file(), QStringLiteral("runtimedata"), QStringLiteral("FILEIDCOUNT")),
              QStringLiteral("12"));
    EXPECT_EQ(profile_.readString(file(), kRunTime, QStringLiteral("LastEdit")), QStringLiteral("a=b"));
    EXPECT_EQ(profile_.readString(file(), kRunTime, QStringLiteral("Later"), QStringLiteral("none")),
              QStringLiteral("none")) << "only the first section of a name is read";
    EXPECT_FALSE(profile_.find(file(), QStringLiteral("Missing"), QStringLiteral("x")));
    EXPECT_FALSE(profile_.find(dir_.filePath(QStringLiteral("no.ini")), kRunTime, QStringLiteral("x")));
    EXPECT_EQ(profile_.readSection(file(), kRunTime),
              QStringList({QStringLiteral("FileIDCount=12"), QStringLiteral("LastEdit=a=b")}));
    EXPECT_TRUE(profile_.readSection(file(), QStringLiteral("Missing")).isEmpty());
}

TEST_F(ProfileTest, EditsKeepTheRestOfTheFile) {
    writeAll(file(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nfree text line\r\n");
    profile_.writeString(file(), QStringLiteral("A"), QStringLiteral("z"), QStringLiteral("3"));
    profile_.writeString(file(), QStringLiteral("B"), QStringLiteral("y"), QStringLiteral("4"));
    EXPECT_EQ(text(), QStringLiteral("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=4\r\nfree text line\r\n"));
}

TEST_F(ProfileTest, TextIsUtf8AndWindowsBytesStillRead) {
    profile_.writeString(file(), QStringLiteral("Notebook"), QStringLiteral("LastBook"),
                         QStringLiteral("Caf\u00E9 \u65E5\u8A18"));
    EXPECT_EQ(readAll(file()), QByteArray("[Notebook]\r\nLastBook=Caf\xC3\xA9 \xE6\x97\xA5\xE8\xA8\x98\r\n"));
    EXPECT_EQ(profile_.readString(file(), QStringLiteral("Notebook"), QStringLiteral("LastBook")),
              QStringLiteral("Caf\u00E9 \u65E5\u8A18"));

    writeAll(file(), "[Notebook]\r\nLastBook=Caf\xE9 \x80\r\n");
    EXPECT_EQ(profile_.readString(file(), QStringLiteral("Notebook"), QStringLiteral("LastBook")),
              QStringLiteral("Caf\u00E9 \u20AC"));
    profile_.writeString(file(), QStringLiteral("Notebook"), QStringLiteral("Other"), QStringLiteral("1"));
    EXPECT_EQ(profile_.readString(file(), QStringLiteral("Notebook"), QStringLiteral("LastBook")),
              QStringLiteral("Caf\u00E9 \u20AC")) << "untouched lines keep their bytes";
}

TEST_F(ProfileTest, ManyKeysInOneRewrite) {
    QList<std::pair<QString, QString>> entries;
    for (int i = 0; i < 1000; ++i)
        entries.append({QStringLiteral("Key%1").arg(i), QString::number(i)});
    entries.append({QStringLiteral("key5"), QStringLiteral("replaced")});
    ASSERT_TRUE(profile_.writeStrings(file(), QStringLiteral("TopicIndex"), entries));
    const QStringList lines = profile_.readSection(file(), QStringLiteral("TopicIndex"));
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines[5], QStringLiteral("key5=replaced"));
    EXPECT_EQ(lines[999], QStringLiteral("Key999=999"));
}

TEST_F(ProfileTest, ManyKeysInOneRewriteEqualOneWriteEach) {
    // An existing file with blank lines, a repeated key and a later section:
    // the batch must put every key exactly where single writes would.
    const QByteArray start = "[Other]\r\nx=1\r\n[TopicIndex]\r\na=1\r\n\r\nA=2\r\nb=3\r\n\r\n"
                             "[Last]\r\ny=2\r\n";
    const QList<std::pair<QString, QString>> entries = {
        {"new", "1"}, {"A", "9"}, {"NEW", "2"}, {"b", "0"}, {"c", "4"}};
    const QString single = dir_.filePath(QStringLiteral("single.ini"));
    writeAll(single, start);
    for (const auto& [key, value] : entries)
        profile_.writeString(single, QStringLiteral("TopicIndex"), key, value);
    writeAll(file(), start);
    ASSERT_TRUE(profile_.writeStrings(file(), QStringLiteral("topicindex"), entries));
    EXPECT_EQ(text(), QString::fromUtf8(readAll(single)));

    // A missing section is added at the end, once.
    writeAll(single, "[Other]\r\nx=1\r\n");
    for (const auto& [key, value] : entries)
        profile_.writeString(single, QStringLiteral("TopicIndex"), key, value);
    writeAll(file(), "[Other]\r\nx=1\r\n");
    profile_.writeStrings(file(), QStringLiteral("TopicIndex"), entries);
    EXPECT_EQ(text(), QString::fromUtf8(readAll(single)));
}

TEST_F(ProfileTest, ConcurrentWritersLoseNothing) {
    constexpr int kThreads = 4, kKeys = 40;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int k = 0; k < kKeys; ++k) {
                profile_.writeString(file(), QStringLiteral("TopicIndex"),
                                     QStringLiteral("t%1k%2").arg(t).arg(k), QString::number(k));
                (void)profile_.readSection(file(), QStringLiteral("TopicIndex"));
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(profile_.readSection(file(), QStringLiteral("TopicIndex")).size(), kThreads * kKeys);
}

TEST_F(ProfileTest, FailedWritesAreReportedAndFilesDeleted) {
    EXPECT_FALSE(profile_.writeString(dir_.filePath(QStringLiteral("missing/Z.ini")), kRunTime,
                                      QStringLiteral("k"), QStringLiteral("v")));
    profile_.writeString(file(), kRunTime, QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_TRUE(profile_.deleteFile(file()));
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_FALSE(profile_.deleteFile(file()));
}

TEST(LeadingInteger, ConvertsLikeAtoi) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"12", 12}, {"-1", -1}, {"+7", 7}, {"  42abc", 42}, {"abc", 0}, {"", 0},
                 {"-", 0},   {"0x1F", 0}, {"2147483647", 2147483647}, {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
    for (const Case& c : cases)
        EXPECT_EQ(leadingInteger(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(LeadingInteger, ValuesPastThe32BitRangeAreNotTakenForItsEnds) {
    EXPECT_EQ(leadingInteger32(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(leadingInteger32(QStringLiteral("-2147483648")), -2147483647 - 1);
    EXPECT_EQ(leadingInteger32(QStringLiteral("12x")), 12);
    EXPECT_EQ(leadingInteger32(QStringLiteral("x")), 0);
    EXPECT_FALSE(leadingInteger32(QStringLiteral("2147483648")));
    EXPECT_FALSE(leadingInteger32(QStringLiteral("-2147483649")));
    EXPECT_FALSE(leadingInteger32(QStringLiteral("4294967306")));
    EXPECT_FALSE(leadingInteger32(QString(400, QLatin1Char('9'))));
}
