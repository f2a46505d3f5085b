// Reading a topic's file for the editor: the limit, and the copy kept of a
// damaged file before a save replaces it.

#include "core/session/topic_reading.h"
#include "core/store/compressed_file.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace oxlin::session {
namespace {

using test::readAll;
using test::writeAll;

class TopicReadingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(working())); }
    QString working() const { return root.filePath("Data/Book"); }
    QString topicFile() const { return QDir(working()).filePath("0000000A.xtz"); }
    QString keptCopy(const QString& suffix = {}) const {
        return root.filePath("Data/Book.0000000A.xtz.damaged" + suffix);
    }
    void writeTopic(const QByteArray& text) {
        QByteArray compressed;
        EXPECT_TRUE(store::compressBuffer(text, compressed).ok());
        writeAll(topicFile(), compressed);
    }

    QTemporaryDir root;
};

TEST_F(TopicReadingTest, AWholeTopicIsReadAndNothingIsKept) {
    writeTopic("the whole topic");
    const TopicRead read = readTopicFile(topicFile(), working(), 1024);
    EXPECT_TRUE(read.status.ok());
    EXPECT_EQ(read.bytes, "the whole topic");
    EXPECT_FALSE(read.damaged);
    EXPECT_TRUE(read.keptCopy.isEmpty());
}

TEST_F(TopicReadingTest, AMissingOrEmptyFileIsAnEmptyTopicNotADamagedOne) {
    for (const bool exists : {false, true}) {
        if (exists)
            writeAll(topicFile(), "");
        const TopicRead read = readTopicFile(topicFile(), working(), 1024);
        EXPECT_TRUE(read.bytes.isEmpty());
        EXPECT_FALSE(read.damaged) << exists;
    }
    EXPECT_FALSE(QFileInfo::exists(keptCopy()));
}

TEST_F(TopicReadingTest, ATopicPastTheLimitIsNotReadAndNeedsNoCopy) {
    writeTopic(QByteArray(4096, 'x'));
    const TopicRead read = readTopicFile(topicFile(), working(), 1024);
    EXPECT_TRUE(read.tooLarge());
    EXPECT_TRUE(read.bytes.isEmpty());
    EXPECT_FALSE(read.damaged);
    EXPECT_FALSE(QFileInfo::exists(keptCopy()));
}

TEST_F(TopicReadingTest, ADamagedFileIsKeptBesideThePackageEachTimeUnderANewName) {
    writeTopic(QByteArray(2000, 'a') + QByteArray(2000, 'b'));
    QByteArray cut = readAll(topicFile());
    cut.chop(8); // the trailer: the data may all be there, its check is not
    writeAll(topicFile(), cut);

    const TopicRead first = readTopicFile(topicFile(), working(), 1 << 20);
    EXPECT_TRUE(first.damaged);
    EXPECT_EQ(first.status.code(), store::Status::Code::Corrupt);
    EXPECT_EQ(first.keptCopy, keptCopy());
    EXPECT_EQ(readAll(keptCopy()), cut);

    // Still damaged at the next open: an earlier copy is never replaced.
    const TopicRead second = readTopicFile(topicFile(), working(), 1 << 20);
    EXPECT_EQ(second.keptCopy, keptCopy("1"));
    EXPECT_EQ(readAll(keptCopy()), cut);
}

} // namespace
} // namespace oxlin::session
