#include "core/store/file_names.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace oxlin::store;

namespace {

class FileNamesTest : public ::testing::Test {
protected:
    QString make(const QString& name) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return QDir(dir_.path()).path() + u'/' + name;
    }
    QString path(const QString& name) const { return QDir(dir_.path()).path() + u'/' + name; }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(FileNamesTest, EverySpellingOfATopicFileResolvesToTheFileOnDisk) {
    const QString unpacked = make(QStringLiteral("0000000A.xtz"));  // the unpacker's
    const QString lower = make(QStringLiteral("0000000b.xtz"));     // all lower
    const QString odd = make(QStringLiteral("0000000c.XtZ"));       // only a listing finds it
    EXPECT_EQ(resolveInFolder(dir_.path(), topicFileName(0xA)), unpacked);
    EXPECT_EQ(resolveInFolder(dir_.path(), topicFileName(0xB)), lower);
    EXPECT_EQ(resolveInFolder(dir_.path(), topicFileName(0xC)), odd);

    EXPECT_EQ(findLikelySpelling(dir_.path(), topicFileName(0xA)), unpacked);
    EXPECT_EQ(findLikelySpelling(dir_.path(), topicFileName(0xC)), QString());

    const FolderNames names(dir_.path());
    for (quint32 id : {0xAu, 0xBu, 0xCu})
        EXPECT_TRUE(names.contains(topicFileName(id))) << id;
    EXPECT_EQ(names.resolve(topicFileName(0xC)), odd);
}

TEST_F(FileNamesTest, AMissingFileResolvesToTheNameAsAsked) {
    make(QStringLiteral("0000000A.xtz"));
    EXPECT_EQ(resolveInFolder(dir_.path(), topicFileName(0xD)), path(topicFileName(0xD)));
    const FolderNames names(dir_.path());
    EXPECT_FALSE(names.contains(topicFileName(0xD)));
    EXPECT_EQ(names.resolve(topicFileName(0xD)), path(topicFileName(0xD)));
    // A name starting with ":" stays inside the folder.
    EXPECT_EQ(names.resolve(QStringLiteral(":x.xtz")), path(QStringLiteral(":x.xtz")));
}

TEST_F(FileNamesTest, FolderNamesIsASnapshotOfTheListing) {
    const FolderNames names(dir_.path());
    make(QStringLiteral("0000000A.xtz"));
    EXPECT_FALSE(names.contains(topicFileName(0xA)));
    EXPECT_TRUE(FolderNames(dir_.path()).contains(topicFileName(0xA)));
}
