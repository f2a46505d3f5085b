// Writes that fail part way (a full disk, a file size limit) and writes aimed
// at a symbolic link: the old file stays, the failure is reported, and a
// link's target is never written.

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace oxlin::store;
using namespace oxlin::test;

namespace {

// Text that compresses to a few kilobytes: small enough to sit in QFile's
// write buffer until the final flush, which is where a full disk shows.
QByteArray varied(int size) {
    QByteArray bytes;
    quint32 state = 1;
    while (bytes.size() < size) {
        state = state * 1664525u + 1013904223u;
        bytes += char('a' + (state >> 27));
    }
    return bytes;
}

// The writes each operation makes, checked the same way on any failing file
// system. Each failure names the file it could not write and carries
// `systemError`, the error the system gave the write, through the clean-up.
void expectWritesFailAndKeepOldFiles(const QString& folder, int systemError) {
    const auto writeFailed = [&](const QString& path) {
        return Status(Status::Code::WriteFailed, path, systemError);
    };
    const QDir dir(folder);
    const QString source = dir.filePath(QStringLiteral("source.txt"));
    const QString target = dir.filePath(QStringLiteral("T.xtz"));
    const QString plain = dir.filePath(QStringLiteral("plain.ini"));
    const QString package = dir.filePath(QStringLiteral("book.xzz"));
    EXPECT_EQ(readAll(target), "old target");
    EXPECT_EQ(compressFile(source, target), writeFailed(target));
    EXPECT_EQ(readAll(target), "old target");

    EXPECT_EQ(writeFileAtomically(plain, varied(6000)), writeFailed(plain));
    EXPECT_EQ(readAll(plain), "[S]\r\nk=old\r\n");
    ProfileService profiles;
    EXPECT_FALSE(profiles.writeString(plain, QStringLiteral("S"), QStringLiteral("k"),
                                      QString::fromLatin1(varied(6000))));
    EXPECT_EQ(readAll(plain), "[S]\r\nk=old\r\n");
    EXPECT_FALSE(profiles.replaceFile(plain, QStringLiteral("S"),
                                      {{QStringLiteral("k"), QString::fromLatin1(varied(6000))}}));
    EXPECT_EQ(readAll(plain), "[S]\r\nk=old\r\n");

    // An export over the user's file: theirs stays whole, nothing is left beside it.
    const QString exported = dir.filePath(QStringLiteral("export.txt"));
    EXPECT_EQ(decompressReplacing(dir.filePath(QStringLiteral("topic.xtz")), exported),
              writeFailed(exported));
    EXPECT_EQ(readAll(exported), "old export");
    EXPECT_TRUE(dir.entryList({QStringLiteral(".export.txt*")}, QDir::Files | QDir::Hidden).isEmpty());

    EXPECT_EQ(packFolder(dir.filePath(QStringLiteral("work")), package), writeFailed(package));
    EXPECT_EQ(readAll(package), "old package");

    UnpackReport report;
    EXPECT_TRUE(unpackPackage(dir.filePath(QStringLiteral("out")),
                              dir.filePath(QStringLiteral("good.xzz")), &report)
                    .ok());
    EXPECT_EQ(report.failed, QStringList(QStringLiteral("Big")));
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("out/Big.xtz"))), "old member");
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files).size() == 1)
        << "no temporary file is left behind";
}

// Lays out the old files expectWritesFailAndKeepOldFiles checks, in a folder
// that still has room.
void prepareOldFiles(const QString& folder) {
    const QDir dir(folder);
    ASSERT_TRUE(dir.mkpath(QStringLiteral("work")) && dir.mkpath(QStringLiteral("out")));
    writeAll(dir.filePath(QStringLiteral("source.txt")), varied(6000));
    writeAll(dir.filePath(QStringLiteral("T.xtz")), "old target");
    writeAll(dir.filePath(QStringLiteral("plain.ini")), "[S]\r\nk=old\r\n");
    writeAll(dir.filePath(QStringLiteral("book.xzz")), "old package");
    writeAll(dir.filePath(QStringLiteral("export.txt")), "old export");
    QByteArray topic;
    ASSERT_TRUE(compressBuffer(varied(6000), topic).ok());
    writeAll(dir.filePath(QStringLiteral("topic.xtz")), topic);
    writeAll(dir.filePath(QStringLiteral("work/Big.xtz")), varied(6000));
    ASSERT_TRUE(
        packFolder(dir.filePath(QStringLiteral("work")), dir.filePath(QStringLiteral("good.xzz")))
            .ok());
    writeAll(dir.filePath(QStringLiteral("out/Big.xtz")), "old member");
}

// Lowers the file size limit of the whole process for one test, so writes
// past it fail as they would on a full disk, on any machine and as any user.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

// A 2 MiB tmpfs filled to the last byte. Needs root (mount); skipped elsewhere.
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        if (geteuid() != 0)
            GTEST_SKIP() << "mounting a small tmpfs needs root; the file size limit test covers "
                            "the same writes";
        mountPoint_ = dir_.filePath(QStringLiteral("disk"));
        QDir().mkpath(mountPoint_);
        if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                        QStringLiteral("-o"), QStringLiteral("size=2m"),
                                                        QStringLiteral("none"), mountPoint_}) != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here (no CAP_SYS_ADMIN?)";
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_)
            QProcess::execute(QStringLiteral("umount"), {mountPoint_});
    }
    // Fills the file system until a write fails.
    void fill() {
        QFile filler(QDir(mountPoint_).filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("f", 1) == 1) {
        }
    }

    QTemporaryDir dir_;
    QString mountPoint_;
    bool mounted_ = false;
};

} // namespace

TEST_F(FullDisk, EveryAtomicWriteFailsAndKeepsTheOldFile) {
    prepareOldFiles(mountPoint_);
    fill();
    expectWritesFailAndKeepOldFiles(mountPoint_, ENOSPC);
}

TEST(WriteFaults, WritesPastAFileSizeLimitFailAndKeepTheOldFile) {
    QTemporaryDir dir;
    prepareOldFiles(dir.path());
    const FileSizeLimit limit(1000);
    ASSERT_TRUE(limit.active());
    expectWritesFailAndKeepOldFiles(dir.path(), EFBIG);
}

TEST(WriteFaults, CommitCheckedReportsAFailedFinalFlush) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    writeAll(path, "old");
    const FileSizeLimit limit(100);
    QSaveFile file(path);
    ASSERT_TRUE(openForReplace(file).ok());
    ASSERT_EQ(file.write(varied(500)), 500) << "still in the write buffer";
    EXPECT_EQ(commitChecked(file), Status(Status::Code::WriteFailed, path, EFBIG));
    EXPECT_EQ(readAll(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QStringLiteral("f.txt")));
}

TEST(WriteFaults, AtomicWritesReplaceASymbolicLinkAndNeverItsTarget) {
    QTemporaryDir dir;
    const QDir root(dir.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("w")));
    const QString victim = root.filePath(QStringLiteral("victim"));
    writeAll(victim, "precious");
    writeAll(root.filePath(QStringLiteral("source.txt")), "topic text");
    auto linkAt = [&](const QString& name) {
        const QString link = root.filePath(name);
        EXPECT_TRUE(QFile::link(QStringLiteral("../victim"), link));
        return link;
    };

    const QString written = linkAt(QStringLiteral("w/Tree.ini"));
    EXPECT_TRUE(writeFileAtomically(written, "[\\]\r\n").ok());
    const QString compressed = linkAt(QStringLiteral("w/Tree.xtz"));
    EXPECT_TRUE(compressFile(root.filePath(QStringLiteral("source.txt")), compressed).ok());
    const QString packed = linkAt(QStringLiteral("w/book.xzz"));
    ASSERT_TRUE(root.mkpath(QStringLiteral("members")));
    writeAll(root.filePath(QStringLiteral("members/Z.xtz")), "member");
    EXPECT_TRUE(packFolder(root.filePath(QStringLiteral("members")), packed).ok());
    const QString unpacked = linkAt(QStringLiteral("w/Z.xtz"));
    // The name a member is written under before it takes its place, left
    // behind as a link: written around, never through.
    const QString leftover = linkAt(QStringLiteral("w/Z.xtz.unpacking"));
    EXPECT_TRUE(unpackPackage(root.filePath(QStringLiteral("w")), packed).ok());
    EXPECT_FALSE(QFileInfo::exists(leftover));

    EXPECT_EQ(readAll(victim), "precious");
    for (const QString& path : {written, compressed, packed, unpacked}) {
        EXPECT_FALSE(QFileInfo(path).isSymLink()) << qPrintable(path);
        EXPECT_TRUE(QFileInfo(path).isFile()) << qPrintable(path);
    }
    EXPECT_EQ(readAll(unpacked), "member");
}

TEST(WriteFaults, AFolderInThePlaceOfATargetIsNotReplaced) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("T.xtz"));
    ASSERT_TRUE(QDir().mkpath(target + QStringLiteral("/inside")));
    EXPECT_FALSE(writeFileAtomically(target, "x").ok());
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/inside")).isDir());
}
