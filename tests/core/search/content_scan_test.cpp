#include "core/search/content_scan.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace oxlin;
using namespace oxlin::search;

namespace {

bool foundInPieces(const QString& keyword, bool matchCase, const QStringList& pieces) {
    StreamMatcher matcher(keyword, matchCase);
    for (const QString& piece : pieces)
        matcher.feed(piece);
    return matcher.found();
}

// Hands the stored bytes on as Latin-1 text, one character per piece, so
// every match crosses joins.
void charByChar(QByteArrayView stored, const TextPieces& pieces) {
    const QString text = QString::fromLatin1(stored);
    for (QChar c : text)
        if (!pieces(QStringView(&c, 1)))
            return;
}

void writeCompressed(const QString& path, const QByteArray& content) {
    QByteArray packed;
    ASSERT_EQ(store::compressBuffer(content, packed), 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(packed);
}

} // namespace

TEST(StreamMatcher, FindsTheKeywordAcrossJoinsAndNothingElse) {
    EXPECT_TRUE(foundInPieces("needle", false, {"hay ne", "e", "DLE hay"}));
    EXPECT_TRUE(foundInPieces("needle", true, {"", "need", "", "le"}));
    EXPECT_FALSE(foundInPieces("needle", true, {"need", "LE"}));
    EXPECT_FALSE(foundInPieces("needle", false, {"nee", "xdle", "needl"}));
    EXPECT_TRUE(foundInPieces("ab", false, {"xxxxxxxa", "b"}));
    EXPECT_TRUE(foundInPieces("Straße", false, {"STRA", "SSE nein, ", "straß", "E"}));
    EXPECT_FALSE(foundInPieces("", false, {"anything"}));
}

TEST(MatchTopics, GivesOneFlagPerNameInOrderFromAFolderOrAPackage) {
    QTemporaryDir dir;
    const QDir work(dir.filePath("work"));
    ASSERT_TRUE(QDir().mkpath(work.path()));
    QStringList names;
    for (int i = 0; i < 40; ++i) {
        names << store::topicFileName(quint32(i + 1));
        // The unpacker's spelling on disk; every third topic holds the keyword.
        writeCompressed(work.filePath(names.last().left(8) + ".xtz"),
                        QByteArray(5000, 'x') + (i % 3 == 0 ? "Needle" : "nothing"));
    }
    QFile damaged(work.filePath("00000002.xtz"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("\x1f\x8b not gzip");
    damaged.close();
    names << "00000099.XTZ" << "../00000001.XTZ" << "";

    std::vector<bool> expected;
    for (int i = 0; i < names.size(); ++i)
        expected.push_back(i < 40 && i % 3 == 0);

    EXPECT_EQ(matchTopics(FolderTopics(work.path()), names, "needle", false, charByChar), expected);

    ASSERT_EQ(store::packFolder(work.path(), dir.filePath("book.xzz")), 1);
    store::PackageReader reader;
    ASSERT_TRUE(reader.open(dir.filePath("book.xzz")));
    EXPECT_EQ(matchTopics(PackageTopics(reader), names, "needle", false, charByChar), expected);

    std::atomic<bool> cancel{true};
    const std::vector<bool> none(std::size_t(names.size()), false);
    EXPECT_EQ(matchTopics(FolderTopics(work.path()), names, "needle", false, charByChar,
                          {nullptr, &cancel}),
              none);
}

TEST(MatchTopics, StopsReadingATopicAtItsFirstMatch) {
    QTemporaryDir dir;
    writeCompressed(dir.filePath("00000001.XTZ"), "needle" + QByteArray(100000, 'x'));
    std::atomic<int> handed{0};
    const TextStreamer counting = [&](QByteArrayView stored, const TextPieces& pieces) {
        for (qsizetype at = 0; at < stored.size(); at += 10) {
            ++handed;
            if (!pieces(QString::fromLatin1(stored.sliced(at, std::min<qsizetype>(10, stored.size() - at)))))
                return;
        }
    };
    EXPECT_TRUE(topicMatches(FolderTopics(dir.path()), "00000001.XTZ", "needle", true, counting));
    EXPECT_EQ(handed.load(), 1);
}
