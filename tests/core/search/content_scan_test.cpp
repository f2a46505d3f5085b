#include "core/search/content_scan.h"
#include "core/search/plain_text_scan.h"
#include "core/store/byte_stream.h"
#include "core/store/stored_text.h"
#include "core/store/compressed_file.h"
#include "core/store/gzip_format.h"
#include "core/store/package.h"

#include <QDir>
#include <QString>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <mutex>

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
    ASSERT_TRUE(store::compressBuffer(content, packed).ok());
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

TEST(StreamMatcher, FindsWhatQStringFindsWithoutRegardToCase) {
    // The ASCII keyword's own search against QString's, on text that mixes
    // ASCII with characters whose fold is ASCII (Kelvin sign, long s), other
    // letters with case, and surrogate pairs.
    const char16_t alphabet[] = {u'a', u'B', u'k', u'K', u's', u'S', u'x', u' ', 0x212A,
                                 0x017F, 0x00C9, 0x0130, 0x0131, 0xD801, 0xDC00, u'e'};
    const QStringList keywords = {"k", "ks", "SK", "aBk", "kkk", "sxs", "ek", "kK s",
                                  QString(300, QLatin1Char('k'))};
    quint32 state = 7;
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int size = int(state % 40);
        for (int i = 0; i < size; ++i) {
            state = state * 1664525u + 1013904223u;
            text += QChar(alphabet[(state >> 24) % std::size(alphabet)]);
        }
        for (const QString& keyword : keywords) {
            const StreamMatcher matcher(keyword, false);
            ASSERT_EQ(matcher.find(text), text.indexOf(keyword, 0, Qt::CaseInsensitive))
                << qPrintable(keyword) << " in " << text.toStdU16String().size() << " units";
        }
    }
    EXPECT_EQ(StreamMatcher("", false).find(u"text"), -1);
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

    ASSERT_TRUE(store::packFolder(work.path(), dir.filePath("book.xzz")).ok());
    store::PackageReader reader;
    ASSERT_TRUE(reader.open(dir.filePath("book.xzz")));
    EXPECT_EQ(matchTopics(PackageTopics(reader), names, "needle", false, charByChar), expected);

    // Each match is reported once, as it is found, and progress reaches the end.
    std::mutex mutex;
    std::vector<bool> reported(expected.size(), false);
    int reports = 0;
    std::atomic<int> lastDone{0};
    ScanControl control;
    control.progress = [&](int done) { lastDone = std::max(lastDone.load(), done); };
    control.found = [&](int index) {
        const std::lock_guard lock(mutex);
        reported[std::size_t(index)] = true;
        ++reports;
    };
    EXPECT_EQ(matchTopics(PackageTopics(reader), names, "needle", false, charByChar, control),
              expected);
    EXPECT_EQ(reported, expected);
    EXPECT_EQ(reports, int(std::count(expected.begin(), expected.end(), true)));
    EXPECT_EQ(lastDone.load(), int(names.size()));

    std::atomic<bool> cancel{true};
    const std::vector<bool> none(std::size_t(names.size()), false);
    EXPECT_EQ(matchTopics(FolderTopics(work.path()), names, "needle", false, charByChar,
                          {nullptr, &cancel, {}, {}}),
              none);
}

TEST(MatchTopics, StopsReadingATopicAtItsFirstMatch) {
    QTemporaryDir dir;
    // Rich text: the streamer reads it (plain text is read in chunks here).
    writeCompressed(dir.filePath("00000001.XTZ"), "{\\rtf needle" + QByteArray(100000, 'x'));
    std::atomic<int> handed{0};
    const TextStreamer counting = [&](QByteArrayView stored, const TextPieces& pieces) {
        for (qsizetype at = 0; at < stored.size(); at += 10) {
            ++handed;
            if (!pieces(QString::fromLatin1(stored.sliced(at, std::min<qsizetype>(10, stored.size() - at)))))
                return;
        }
    };
    EXPECT_TRUE(topicMatches(FolderTopics(dir.path()), "00000001.XTZ", "needle", true, counting));
    EXPECT_EQ(handed.load(), 2);
}

namespace {

// Hands out `size` bytes of `fill` with `tail` at the end, without ever
// holding them: a member that decodes to far more than the test keeps.
class Generated final : public store::ByteSource {
public:
    Generated(qint64 size, char fill, QByteArray tail) : size_(size), fill_(fill), tail_(tail) {}
    qint64 read(char* data, qint64 size) override {
        const qint64 count = std::min(size, size_ - at_);
        const qint64 tailStart = size_ - tail_.size();
        for (qint64 i = 0; i < count; ++i, ++at_)
            data[i] = at_ >= tailStart ? tail_[at_ - tailStart] : fill_;
        return count;
    }

private:
    qint64 size_, at_ = 0;
    char fill_;
    QByteArray tail_;
};

QByteArray bomb(qint64 size, char fill, const QByteArray& tail) {
    Generated source(size, fill, tail);
    QByteArray member;
    store::BufferSink sink(member);
    EXPECT_EQ(store::compressStream(source, sink), store::CodecStatus::Ok);
    return member;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The text the editor shows for plain bytes, whole.
QString wholePlainText(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QString text = store::decodeStoredText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

TEST(MatchTopics, APlainBombIsSearchedInChunksAcrossTheirJoins) {
    QTemporaryDir dir;
    const qint64 size = qint64(64) * 1024 * 1024;
    // The keyword straddles the join of two of the decoder's chunks.
    const qint64 chunk = qint64(store::gzip_format::kOutputBlock);
    const QByteArray member = bomb(size, '\0', "NEEDLE" + QByteArray(chunk - 3, ' '));
    ASSERT_LT(member.size(), 200 * 1024);
    writeBytes(dir.filePath("00000001.XTZ"), member);
    const TextStreamer unused = [](QByteArrayView, const TextPieces&) { ADD_FAILURE(); };

    TopicScanStats stats;
    EXPECT_TRUE(topicMatches(FolderTopics(dir.path()), "00000001.XTZ", "needle", false, unused,
                             &stats));
    EXPECT_EQ(stats.decoded, size);
    EXPECT_LE(stats.largestHeld, 1024 * 1024) << "a whole topic was held";
    EXPECT_FALSE(topicMatches(FolderTopics(dir.path()), "00000001.XTZ", "needle", true, unused));
    // Past the limit a plain topic is left out too, held no more.
    EXPECT_FALSE(topicMatches(FolderTopics(dir.path()), "00000001.XTZ", "needle", false, unused,
                              &stats, size - 1));
    EXPECT_TRUE(stats.tooLarge);
    EXPECT_LE(stats.largestHeld, 1024 * 1024);
}

TEST(MatchTopics, RichTextPastTheLimitIsLeftOutUnread) {
    QTemporaryDir dir;
    const qint64 limit = 1024 * 1024;
    QByteArray rich;
    EXPECT_TRUE(store::compressBuffer("{\\rtf1 " + QByteArray(limit, 'x') + " needle}", rich).ok());
    writeBytes(dir.filePath("00000003.XTZ"), rich);
    int streamed = 0;
    const TextStreamer latin1 = [&](QByteArrayView stored, const TextPieces& pieces) {
        ++streamed;
        pieces(QString::fromLatin1(stored));
    };
    TopicScanStats stats;
    EXPECT_FALSE(topicMatches(FolderTopics(dir.path()), "00000003.XTZ", "needle", false, latin1,
                              &stats, limit));
    EXPECT_TRUE(stats.tooLarge);
    EXPECT_LE(stats.largestHeld, limit);
    EXPECT_EQ(streamed, 0);
    EXPECT_TRUE(topicMatches(FolderTopics(dir.path()), "00000003.XTZ", "needle", false, latin1,
                             &stats, limit + 15)); // exactly the limit
    EXPECT_EQ(streamed, 1);
}

TEST(PlainTextScan, ReadsAsTheWholeTextReadsInAnyChunking) {
    // Bytes that make UTF-8 valid or not, line ends of every kind, marks.
    const QList<QByteArray> atoms = {"a", "b", "A", "\r", "\n", "\r\n", "\xC3\xA9", "\xE2\x82\xAC",
                                     "\xEF\xBB\xBF", "\x80", "\xC3", "\xE9", " "};
    const QStringList keywords = {"ab", "a\nb", "\n\n", QString::fromUtf8("\xC3\xA9"),
                                  QString::fromUtf8("\xE2\x82\xAC"), QStringLiteral("\u00C3"),
                                  QStringLiteral("\u00E9a"), QStringLiteral("\uFEFFa"), "b a"};
    quint32 state = 11;
    const auto next = [&state](quint32 below) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % below;
    };
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int count = int(next(20));
        for (int i = 0; i < count; ++i)
            bytes += atoms[next(quint32(atoms.size()))];
        const QString whole = wholePlainText(bytes);
        for (const QString& keyword : keywords) {
            PlainTextScan scan(keyword, false);
            for (qsizetype at = 0; at < bytes.size();) {
                const qsizetype size = std::min<qsizetype>(1 + next(4), bytes.size() - at);
                scan.feed(QByteArrayView(bytes).sliced(at, size));
                at += size;
            }
            ASSERT_EQ(scan.finish(), whole.contains(keyword, Qt::CaseInsensitive))
                << bytes.toHex(' ').constData() << " / " << keyword.toStdString();
        }
    }
}
