#include "core/store/byte_stream.h"
#include "core/store/compressed_file.h"
#include "faulty_file_system.h"
#include "test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <cerrno>
#include <thread>
#include <vector>

using namespace oxlin::store;
using namespace oxlin::test;

namespace {

class CompressedFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

QByteArray sampleText(int lines) {
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += "Line " + QByteArray::number(i) + " of a note, with some words in it.\r\n";
    return text;
}

// Raw deflate data, for building members with hand-made headers.
QByteArray rawDeflate(const QByteArray& data) {
    z_stream stream{};
    deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

quint32 crcOf(const QByteArray& data) {
    return quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
}

QByteArray gzipMember(const QByteArray& data, unsigned char id2 = 0x8B, unsigned char flags = 0,
                      const QByteArray& optional = {}) {
    QByteArray member;
    member += char(0x1F);
    member += char(id2);
    member += char(8);
    member += char(flags);
    member += QByteArray(4, '\0');
    member += char(0);
    member += char(3);
    member += optional;
    member += rawDeflate(data);
    appendLe32(member, crcOf(data));
    appendLe32(member, quint32(data.size()));
    return member;
}

// A one-entry zip with a data descriptor after the data (general flag bit 3).
QByteArray zipWithDescriptor(const QByteArray& data, bool signedDescriptor) {
    const QByteArray compressed = rawDeflate(data);
    QByteArray zip;
    appendLe32(zip, 0x04034B50);
    appendLe16(zip, 20);
    appendLe16(zip, 0x0008);
    appendLe16(zip, 8);
    appendLe32(zip, 0);         // time, date
    appendLe32(zip, 0);         // crc: in the descriptor
    appendLe32(zip, 0);         // compressed size
    appendLe32(zip, 0);         // size
    appendLe16(zip, 5);
    appendLe16(zip, 0);
    zip += "a.txt";
    zip += compressed;
    if (signedDescriptor)
        appendLe32(zip, 0x08074B50);
    appendLe32(zip, crcOf(data));
    appendLe32(zip, quint32(compressed.size()));
    appendLe32(zip, quint32(data.size()));
    appendLe32(zip, 0x02014B50); // central directory follows
    return zip;
}

QByteArray inflateWithZlibGzipReader(const QByteArray& member) {
    z_stream stream{};
    inflateInit2(&stream, 16 + MAX_WBITS);
    QByteArray out(1 << 20, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(member.constData()));
    stream.avail_in = uInt(member.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    out.resize(result == Z_STREAM_END ? int(stream.total_out) : 0);
    inflateEnd(&stream);
    return out;
}

// Delivers one byte per read, so every header field straddles a read.
class TrickleSource final : public ByteSource {
public:
    explicit TrickleSource(const QByteArray& bytes) : bytes_(bytes) {}
    qint64 read(char* data, qint64) override {
        if (position_ >= bytes_.size())
            return 0;
        *data = bytes_[position_++];
        return 1;
    }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
};

class FailingSink final : public ByteSink {
public:
    bool write(const char*, qint64) override { return false; }
};

} // namespace

TEST_F(CompressedFileTest, WritesTheFixedHeaderAndRoundTrips) {
    const QByteArray text = sampleText(500);
    writeAll(path("a.txt"), text);
    ASSERT_TRUE(compressFile(path("a.txt"), path("a.xtz")).ok());
    const QByteArray member = readAll(path("a.xtz"));
    EXPECT_EQ(member.left(10), QByteArray("\x1F\x8B\x08\x00\x00\x00\x00\x00\x00\x0B", 10));
    EXPECT_EQ(inflateWithZlibGzipReader(member), text) << "a stock gzip reader accepts it";
    ASSERT_TRUE(decompressFile(path("a.xtz"), path("b.txt")).ok());
    EXPECT_EQ(readAll(path("b.txt")), text);
}

TEST_F(CompressedFileTest, EmptyFileGivesAnEmptyMember) {
    writeAll(path("empty"), {});
    ASSERT_TRUE(compressFile(path("empty"), path("empty.xtz")).ok());
    const QByteArray member = readAll(path("empty.xtz"));
    EXPECT_EQ(member.right(8), QByteArray(8, '\0')) << "CRC 0 and ISIZE 0";
    writeAll(path("out"), "stale");
    EXPECT_TRUE(decompressFile(path("empty.xtz"), path("out")).ok());
    EXPECT_TRUE(readAll(path("out")).isEmpty());
}

TEST_F(CompressedFileTest, LargeBinaryDataCrossesManyBlocks) {
    QByteArray data;
    quint32 state = 12345;
    for (int i = 0; i < 700000; ++i) {
        state = state * 1103515245 + 12345;
        data += char((i % 3 == 0) ? (state >> 16) : 'a' + i % 7);
    }
    writeAll(path("big"), data);
    ASSERT_TRUE(compressFile(path("big"), path("big.xtz")).ok());
    ASSERT_TRUE(decompressFile(path("big.xtz"), path("big.out")).ok());
    EXPECT_EQ(readAll(path("big.out")), data);
}

TEST_F(CompressedFileTest, ReadsMembersMadeByGzipAndZip) {
    const QByteArray text = readAll(fixture("hello.txt"));
    ASSERT_FALSE(text.isEmpty());
    for (const char* name : {"hello-named.gz", "deflated.zip", "stored.zip"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(decompressFile(fixture(name), path("out.txt")).ok());
        EXPECT_EQ(readAll(path("out.txt")), text);
    }
    EXPECT_FALSE(QFile::exists(path("hello.txt"))) << "the stored name is never used";
}

TEST_F(CompressedFileTest, SkipsOptionalHeaderFieldsAndAcceptsOldMagic) {
    const QByteArray text = sampleText(20);
    QByteArray optional;
    appendLe16(optional, 3);
    optional += "xyz";
    optional += QByteArray("name.txt", 9);
    optional += QByteArray("a comment", 10);
    struct Case {
        const char* name;
        QByteArray member;
    } cases[] = {
        {"extra, name and comment", gzipMember(text, 0x8B, 0x04 | 0x08 | 0x10 | 0x01, optional)},
        {"0x1F 0x9E", gzipMember(text, 0x9E)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("in"), c.member);
        EXPECT_TRUE(decompressFile(path("in"), path("out")).ok());
        EXPECT_EQ(readAll(path("out")), text);
    }
}

TEST_F(CompressedFileTest, RejectedHeadersLeaveAnEmptyTarget) {
    const QByteArray text = sampleText(5);
    QByteArray badMethod = gzipMember(text);
    badMethod[2] = 7;
    struct Case {
        const char* name;
        QByteArray input;
    } cases[] = {
        {"header CRC flag", gzipMember(text, 0x8B, 0x02)},
        {"encrypted flag", gzipMember(text, 0x8B, 0x20)},
        {"reserved flag 0x40", gzipMember(text, 0x8B, 0x40)},
        {"reserved flag 0x80", gzipMember(text, 0x8B, 0x80)},
        {"method 7", badMethod},
        {"plain text", "just some text that is not compressed"},
        {"one byte", "\x1F"},
        {"empty file", ""},
        {"header cut short", gzipMember(text).left(6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("in"), c.input);
        writeAll(path("out"), "previous content");
        EXPECT_FALSE(decompressFile(path("in"), path("out")).ok());
        EXPECT_TRUE(QFile::exists(path("out")));
        EXPECT_TRUE(readAll(path("out")).isEmpty());
    }
}

TEST_F(CompressedFileTest, DamagedDataKeepsWhatWasDecoded) {
    const QByteArray text = sampleText(2000);
    const QByteArray member = gzipMember(text);
    QByteArray badCrc = member;
    badCrc[badCrc.size() - 6] = char(badCrc[badCrc.size() - 6] ^ 0x55);
    QByteArray badLength = member;
    badLength[badLength.size() - 1] = 0x7F;
    struct Case {
        const char* name;
        QByteArray input;
        bool wholeText; // all of the text was decoded before the fault
    } cases[] = {
        {"last byte cut off", member.left(member.size() - 1), true},
        {"cut in the middle", member.left(member.size() / 2), false},
        {"CRC mismatch", badCrc, true},
        {"length mismatch", badLength, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("in"), c.input);
        EXPECT_FALSE(decompressFile(path("in"), path("out")).ok());
        const QByteArray out = readAll(path("out"));
        EXPECT_TRUE(text.startsWith(out));
        if (c.wholeText) {
            EXPECT_EQ(out, text);
        } else {
            EXPECT_FALSE(out.isEmpty());
        }
    }
    // A failure leaves nothing behind that affects the next call.
    writeAll(path("good"), member);
    EXPECT_TRUE(decompressFile(path("good"), path("out")).ok());
    EXPECT_EQ(readAll(path("out")), text);
}

TEST_F(CompressedFileTest, OnlyTheFirstMemberIsRead) {
    writeAll(path("two"), gzipMember("first") + gzipMember("second") + "trailing junk");
    EXPECT_TRUE(decompressFile(path("two"), path("out")).ok());
    EXPECT_EQ(readAll(path("out")), "first");
}

TEST_F(CompressedFileTest, ZipArchiveRules) {
    const QByteArray text = sampleText(30);
    QByteArray encrypted = readAll(fixture("deflated.zip"));
    encrypted[6] = char(encrypted[6] | 0x01);
    QByteArray method12 = readAll(fixture("deflated.zip"));
    method12[8] = 12;
    QByteArray storedSizes = readAll(fixture("stored.zip"));
    storedSizes[18] = char(storedSizes[18] + 1); // compressed size no longer equals size
    struct Case {
        const char* name;
        QByteArray input;
        bool read;
    } cases[] = {
        {"descriptor with signature", zipWithDescriptor(text, true), true},
        {"descriptor without signature", zipWithDescriptor(text, false), true},
        {"two entries", readAll(fixture("two-entries.zip")), false},
        {"encrypted", encrypted, false},
        {"method 12", method12, false},
        {"stored sizes differ", storedSizes, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(path("in.zip"), c.input);
        const Status status = decompressFile(path("in.zip"), path("out"));
        EXPECT_EQ(status.code(), c.read ? Status::Code::Ok : Status::Code::Corrupt);
        if (c.read) {
            EXPECT_EQ(readAll(path("out")), text);
        }
    }
}

TEST_F(CompressedFileTest, MissingSources) {
    writeAll(path("target"), "keep me");
    EXPECT_FALSE(compressFile(path("nowhere"), path("target")).ok());
    EXPECT_EQ(readAll(path("target")), "keep me") << "compress leaves the target untouched";

    EXPECT_FALSE(decompressFile(path("nowhere"), path("target")).ok());
    EXPECT_TRUE(QFile::exists(path("target")));
    EXPECT_TRUE(readAll(path("target")).isEmpty()) << "decompress leaves an empty target";

    EXPECT_FALSE(decompressFile(path("nowhere"), path("fresh")).ok());
    EXPECT_TRUE(QFile::exists(path("fresh")));
}

TEST_F(CompressedFileTest, FailedCompressionKeepsThePreviousTarget) {
    writeAll(path("a.txt"), "new text");
    writeAll(path("a.xtz"), gzipMember("old text"));
    EXPECT_FALSE(compressFile(path("a.txt"), path("missing-folder/a.xtz")).ok());
    // The last step fails, after the whole member was written: a target
    // deleted or truncated on the way would show here.
    FaultyFileSystem fs;
    fs.failOn("commit", "a.xtz");
    EXPECT_FALSE(compressFile(path("a.txt"), path("a.xtz"), fs).ok());
    EXPECT_EQ(fs.logged("commit"), QStringList{"a.xtz"});
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";

    // A sink that refuses bytes reports the failure instead of a short member.
    QByteArray data("some data");
    BufferSource source(data);
    FailingSink sink;
    EXPECT_EQ(compressStream(source, sink), CodecStatus::WriteFailed);
    EXPECT_TRUE(decompressFile(path("a.xtz"), path("check")).ok());
    EXPECT_EQ(readAll(path("check")), "old text");
}

TEST_F(CompressedFileTest, DecompressingOntoItselfLosesNothing) {
    writeAll(path("a.xtz"), gzipMember("content"));
    EXPECT_FALSE(decompressFile(path("a.xtz"), path("a.xtz")).ok());
    EXPECT_TRUE(decompressFile(path("a.xtz"), path("out")).ok());
    EXPECT_EQ(readAll(path("out")), "content");
}

TEST_F(CompressedFileTest, ByteAtATimeSourcesDecodeTheSame) {
    const QByteArray text = sampleText(50);
    QByteArray optional = QByteArray("stored-name", 12);
    for (const QByteArray& input :
         {gzipMember(text, 0x8B, 0x08, optional), zipWithDescriptor(text, true),
          readAll(fixture("stored.zip"))}) {
        TrickleSource source(input);
        QByteArray out;
        BufferSink sink(out);
        EXPECT_EQ(decompressStream(source, sink), CodecStatus::Ok);
        EXPECT_TRUE(out == text || out == readAll(fixture("hello.txt")));
    }
}

TEST_F(CompressedFileTest, MemoryVariantsMatchTheFileOperations) {
    const QByteArray text = sampleText(100);
    QByteArray member, back;
    ASSERT_TRUE(compressBuffer(text, member).ok());
    ASSERT_TRUE(decompressBuffer(member, back).ok());
    EXPECT_EQ(back, text);
    writeAll(path("m.xtz"), member);
    ASSERT_TRUE(decompressFileToBuffer(path("m.xtz"), back).ok());
    EXPECT_EQ(back, text);
    EXPECT_EQ(decompressBuffer("not compressed", back).code(), Status::Code::Corrupt);
    EXPECT_EQ(decompressFileToBuffer(path("missing"), back),
              Status(Status::Code::NotFound, path("missing"), ENOENT));
}

TEST_F(CompressedFileTest, CallsOnSeveralThreadsDoNotInterfere) {
    constexpr int kThreads = 4;
    std::vector<std::thread> threads;
    std::vector<int> ok(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const QByteArray text = sampleText(200 + 50 * t);
            const QString base = dir_.filePath(QStringLiteral("t%1").arg(t));
            int good = 0;
            for (int round = 0; round < 10; ++round) {
                writeAll(base + QStringLiteral(".txt"), text);
                good +=
                    compressFile(base + QStringLiteral(".txt"), base + QStringLiteral(".xtz")).ok();
                good += decompressFile(base + QStringLiteral(".xtz"), base + QStringLiteral(".out"))
                            .ok();
                good += readAll(base + QStringLiteral(".out")) == text;
            }
            ok[t] = good;
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(ok[t], 30) << "thread " << t;
}

TEST_F(CompressedFileTest, ContentPastTheMemoryLimitIsRefused) {
    // A member that inflates a thousandfold: the shape of a decompression bomb.
    const QByteArray zeros(3 * 1024 * 1024, '\0');
    QByteArray member, back;
    ASSERT_TRUE(compressBuffer(zeros, member).ok());
    ASSERT_LT(member.size(), 10 * 1024);
    writeAll(path("bomb.xtz"), member);

    const qint64 limit = 1024 * 1024;
    EXPECT_EQ(decompressFileToBuffer(path("bomb.xtz"), back, limit).code(), Status::Code::TooLarge);
    EXPECT_TRUE(back.isEmpty());
    EXPECT_EQ(back.capacity(), 0) << "the memory is given back";
    EXPECT_EQ(decompressBuffer(member, back, limit).code(), Status::Code::TooLarge);
    EXPECT_TRUE(back.isEmpty());

    EXPECT_TRUE(decompressFileToBuffer(path("bomb.xtz"), back, zeros.size()).ok())
        << "content of exactly the limit is read";
    EXPECT_EQ(back.size(), zeros.size());
    EXPECT_EQ(decompressFileToBuffer(path("bomb.xtz"), back, zeros.size() - 1).code(),
              Status::Code::TooLarge)
        << "one byte past the limit is refused";
    EXPECT_FALSE(decompressBuffer(member, back, zeros.size() - 1).ok());
}

TEST_F(CompressedFileTest, TheDefaultLimitIsExactly256MiB) {
    EXPECT_EQ(kMaxDecodedInMemory, qint64(256) * 1024 * 1024);
    // The calls without a limit keep to it: one byte more is refused.
    QByteArray member, back;
    {
        const QByteArray zeros(qsizetype(kMaxDecodedInMemory) + 1, '\0');
        ASSERT_TRUE(compressBuffer(zeros, member).ok());
    }
    writeAll(path("limit.xtz"), member);
    EXPECT_FALSE(decompressBuffer(member, back).ok());
    EXPECT_EQ(decompressFileToBuffer(path("limit.xtz"), back).code(), Status::Code::TooLarge);
    EXPECT_EQ(back.capacity(), 0);
}
