#include "core/store/file_names.h"
#include "core/store/package.h"
#include "test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace oxlin::store;
using namespace oxlin::test;

namespace {

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("work")));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("out")));
    }
    QString work(const QString& name = {}) const { return dir_.filePath(QStringLiteral("work/") + name); }
    QString out(const QString& name = {}) const { return dir_.filePath(QStringLiteral("out/") + name); }
    QString package() const { return dir_.filePath(QStringLiteral("book.xzz")); }
    QStringList outFiles() const { return QDir(out()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir_;
};

// Builds a package by hand: (name, data) members, then the directory and trailer.
QByteArray handMadePackage(const QList<std::pair<QByteArray, QByteArray>>& members) {
    QByteArray data, directory;
    for (const auto& [name, bytes] : members) {
        QByteArray field = name.left(8);
        field.append(QByteArray(8 - field.size(), '\0'));
        directory += field;
        appendLe32(directory, quint32(data.size()));
        appendLe32(directory, quint32(bytes.size()));
        data += bytes;
    }
    QByteArray package = data + directory;
    appendLe32(package, quint32(data.size()));
    return package;
}

} // namespace

TEST_F(PackageTest, TwoMembersPackToTheDocumentedLayout) {
    writeAll(work(QStringLiteral("Tree.xtz")), QByteArray(20, 'T'));
    writeAll(work(QStringLiteral("Z.xtz")), QByteArray(20, 'Z'));
    ASSERT_TRUE(packFolder(work(), package()).ok());

    QByteArray expected = QByteArray(20, 'T') + QByteArray(20, 'Z');
    expected += QByteArray("Tree\0\0\0\0", 8);
    appendLe32(expected, 0);
    appendLe32(expected, 20);
    expected += QByteArray("Z\0\0\0\0\0\0\0", 8);
    appendLe32(expected, 20);
    appendLe32(expected, 20);
    appendLe32(expected, 40);
    EXPECT_EQ(readAll(package()), expected);
    EXPECT_EQ(expected.size(), 76);

    ASSERT_TRUE(unpackPackage(out(), package()).ok());
    EXPECT_EQ(outFiles(), QStringList({QStringLiteral("Tree.xtz"), QStringLiteral("Z.xtz")}));
    EXPECT_EQ(readAll(out(QStringLiteral("Tree.xtz"))), QByteArray(20, 'T'));
    EXPECT_EQ(readAll(out(QStringLiteral("Z.xtz"))), QByteArray(20, 'Z'));
}

TEST_F(PackageTest, NamesAndMembersThatReachThePackage) {
    writeAll(work(QStringLiteral("0000000A.XTZ")), "topic");
    writeAll(work(QStringLiteral("Empty.xtz")), "");
    writeAll(work(QStringLiteral("LongerName.xtz")), "long");
    writeAll(work(QStringLiteral("Tree.ini")), "[\\]\r\n");
    writeAll(work(QStringLiteral("notes.txt")), "working copy");
    QDir(work()).mkdir(QStringLiteral("folder.xtz"));
    ASSERT_TRUE(packFolder(work(), package()).ok());

    const QByteArray bytes = readAll(package());
    // data: "topic" (5) + "" (0) + "long" (4) = 9 bytes, then three entries.
    ASSERT_EQ(bytes.size(), 9 + 3 * 16 + 4);
    EXPECT_EQ(bytes.mid(9, 8), QByteArray("0000000A"));
    EXPECT_EQ(bytes.mid(9 + 16, 8), QByteArray("Empty\0\0\0", 8));
    EXPECT_EQ(bytes.mid(9 + 16 + 8, 8), QByteArray("\x05\0\0\0\0\0\0\0", 8))
        << "a zero-length member has the offset of the next member";
    EXPECT_EQ(bytes.mid(9 + 32, 8), QByteArray("LongerNa")) << "names are cut to 8 bytes";

    ASSERT_TRUE(unpackPackage(out(), package()).ok());
    EXPECT_EQ(outFiles(), QStringList({QStringLiteral("0000000A.xtz"), QStringLiteral("Empty.xtz"),
                                       QStringLiteral("LongerNa.xtz")}));
}

TEST_F(PackageTest, UnpackReplacesFilesOfTheSameNameInAnyCase) {
    writeAll(work(QStringLiteral("0000000A.XTZ")), "new");
    ASSERT_TRUE(packFolder(work(), package()).ok());
    writeAll(out(QStringLiteral("0000000A.XTZ")), "old content");
    writeAll(out(QStringLiteral("Tree.ini")), "stays");
    ASSERT_TRUE(unpackPackage(out(), package()).ok());
    EXPECT_EQ(outFiles(), QStringList({QStringLiteral("0000000A.XTZ"), QStringLiteral("Tree.ini")}))
        << "no twin 0000000A.xtz beside 0000000A.XTZ";
    EXPECT_EQ(readAll(out(QStringLiteral("0000000A.XTZ"))), "new");
    EXPECT_EQ(readAll(resolveInFolder(out(), QStringLiteral("0000000a.xtz"))), "new");
}

TEST_F(PackageTest, PackRefusesWithoutTouchingTheOldPackage) {
    writeAll(package(), "old package");
    writeAll(work(QStringLiteral("Tree.ini")), "not packed");
    EXPECT_FALSE(packFolder(work(), package()).ok()) << "no member files";
    EXPECT_EQ(readAll(package()), "old package");

    for (int i = 0; i < 3840; ++i)
        writeAll(work(topicFileName(quint32(i + 1))), "x");
    EXPECT_FALSE(packFolder(work(), package()).ok()) << "more members than a directory holds";
    EXPECT_EQ(readAll(package()), "old package");

    QFile::remove(work(topicFileName(1)));
    EXPECT_TRUE(packFolder(work(), package()).ok()) << "3,839 members still fit";
    EXPECT_EQ(readAll(package()).size(), 3839 + 3839 * 16 + 4);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList(QStringLiteral("book.xzz")))
        << "no temporary file is left behind";
}

TEST_F(PackageTest, DamagedPackagesAreRefusedAndTheFolderIsUntouched) {
    const QByteArray good = handMadePackage({{"Tree", "tree data"}, {"Z", "z data"}});
    auto withTrailer = [&](quint32 trailer) {
        QByteArray bytes = good.left(good.size() - 4);
        appendLe32(bytes, trailer);
        return bytes;
    };
    QByteArray entryPastData = good;
    entryPastData[15 + 16 + 12] = 0x40; // Z's size runs past the data area
    QByteArray manyEntries(16 * 3841, '\0');
    manyEntries.prepend("d");
    appendLe32(manyEntries, 1);
    struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"trailer 0", withTrailer(0)},
        {"trailer past the end", withTrailer(10000)},
        {"entry past the data area", entryPastData},
        {"directory of 3,841 entries", manyEntries},
        {"three bytes", "abc"},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeAll(package(), c.bytes);
        EXPECT_FALSE(unpackPackage(out(), package()).ok());
        EXPECT_TRUE(outFiles().isEmpty());
    }
    EXPECT_FALSE(unpackPackage(out(), dir_.filePath(QStringLiteral("missing.xzz"))).ok());
    EXPECT_FALSE(unpackPackage(out(), out()).ok()) << "a folder is not a package";
    writeAll(package(), good);
    EXPECT_TRUE(unpackPackage(out(), package()).ok());
    EXPECT_EQ(readAll(out(QStringLiteral("Z.xtz"))), "z data");
}

TEST_F(PackageTest, EntriesThatAreNotPlainFileNamesAreSkipped) {
    writeAll(package(), handMadePackage({{"..", "up"},
                                         {"../evil", "escape"},
                                         {"a\\b", "backslash"},
                                         {".", "dot"},
                                         {QByteArray(8, '\0'), "nameless"},
                                         {"Tree", "kept"}}));
    EXPECT_TRUE(unpackPackage(out(), package()).ok());
    EXPECT_EQ(outFiles(), QStringList(QStringLiteral("Tree.xtz")));
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("evil.xtz"))));
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("..xtz"))));
}

TEST_F(PackageTest, WindowsNamesAreReadAsWindows1252) {
    writeAll(package(), handMadePackage({{"Caf\xE9", "menu"}}));
    EXPECT_TRUE(unpackPackage(out(), package()).ok());
    EXPECT_EQ(outFiles(), QStringList(QStringLiteral("Caf\u00E9.xtz")));
}

TEST_F(PackageTest, TopicFileNames) {
    EXPECT_EQ(topicFileName(10), QStringLiteral("0000000A.XTZ"));
    EXPECT_EQ(topicFileName(0xFFFFFFFFu), QStringLiteral("FFFFFFFF.XTZ"));
    EXPECT_TRUE(hasCompressedExtension(QStringLiteral("Tree.XtZ")));
    EXPECT_FALSE(hasCompressedExtension(QStringLiteral("Tree.xtz.bak")));
    EXPECT_EQ(resolveInFolder(out(), QStringLiteral("none.xtz")), out(QStringLiteral("none.xtz")));
}

TEST_F(PackageTest, OfMembersEqualButForCaseTheFirstIsUnpackedAndTheOthersReported) {
    const QByteArray twins = handMadePackage(
        {{"0000000a", "first"}, {"Tree", "tree"}, {"0000000A", "second"}, {"tree", "late"}});
    writeAll(package(), twins);
    for (int round = 0; round < 2; ++round) {
        UnpackReport report;
        EXPECT_TRUE(unpackPackage(out(), package(), &report).ok());
        EXPECT_EQ(outFiles(),
                  QStringList({QStringLiteral("0000000a.xtz"), QStringLiteral("Tree.xtz")}));
        EXPECT_EQ(readAll(out(QStringLiteral("0000000a.xtz"))), "first") << "round " << round;
        EXPECT_EQ(readAll(out(QStringLiteral("Tree.xtz"))), "tree") << "round " << round;
        EXPECT_EQ(report.caseTwins, QStringList({QStringLiteral("0000000A"), QStringLiteral("tree")}));
        EXPECT_FALSE(report.complete());
    }
}

TEST_F(PackageTest, ANameThatLooksLikeAResourcePathStaysInTheFolder) {
    // Found by fuzzing: ":x" was written to the working directory.
    writeAll(package(), handMadePackage({{":x", "colon"}}));
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    EXPECT_TRUE(unpackPackage(out(), package()).ok());
    QDir::setCurrent(here);
    EXPECT_EQ(outFiles(), QStringList(QStringLiteral(":x.xtz")));
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral(":x.xtz"))));
}

TEST_F(PackageTest, SkippedUnsafeNamesAreReported) {
    writeAll(package(), handMadePackage({{"..", "up"}, {"Tree", "kept"}}));
    UnpackReport report;
    EXPECT_TRUE(unpackPackage(out(), package(), &report).ok());
    EXPECT_EQ(report.unsafeNames, QStringList(QStringLiteral("..")));
    EXPECT_TRUE(report.caseTwins.isEmpty() && report.failed.isEmpty());
}

TEST_F(PackageTest, ReaderReadsOneMemberByNameInAnyCase) {
    writeAll(package(), handMadePackage({{"Tree", "tree bytes"},
                                         {"0000000A", "first"},
                                         {"0000000a", "twin"},
                                         {"../x", "unsafe"}}));
    PackageReader reader;
    ASSERT_TRUE(reader.open(package()));
    EXPECT_EQ(reader.members(), QStringList({"Tree", "0000000A"}));
    QByteArray bytes;
    EXPECT_TRUE(reader.read(QStringLiteral("tree.XTZ"), bytes));
    EXPECT_EQ(bytes, "tree bytes");
    // Of case twins the first in package order is read, as unpacking keeps it.
    EXPECT_TRUE(reader.read(QStringLiteral("0000000a.xtz"), bytes));
    EXPECT_EQ(bytes, "first");
    EXPECT_FALSE(reader.read(QStringLiteral("Z.xtz"), bytes));
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_FALSE(reader.read(QStringLiteral("../x"), bytes));
}

TEST_F(PackageTest, ReaderFindsNamesOutsideAsciiByTheirFoldedSpelling) {
    // A Kelvin sign folds to "k", so "\u212Aey" and "KEY" are case twins;
    // "Caf\xE9" is Windows-1252, and "Ünï" still has letters outside ASCII
    // once folded.
    writeAll(package(), handMadePackage({{"\xE2\x84\xAA" "ey", "kelvin"},
                                         {"KEY", "ascii"},
                                         {"Caf\xE9", "menu"},
                                         {"\xC3\x9Cn\xC3\xAF", "long"}}));
    PackageReader reader;
    ASSERT_TRUE(reader.open(package()));
    EXPECT_EQ(reader.members(), QStringList({QString::fromUtf8("\u212Aey"),
                                             QString::fromUtf8("Caf\u00E9"),
                                             QString::fromUtf8("\u00DCn\u00EF")}));
    QByteArray bytes;
    EXPECT_TRUE(reader.read(QStringLiteral("key.xtz"), bytes));
    EXPECT_EQ(bytes, "kelvin");
    EXPECT_TRUE(reader.read(QString::fromUtf8("CAF\u00C9"), bytes));
    EXPECT_EQ(bytes, "menu");
    EXPECT_TRUE(reader.read(QString::fromUtf8("\u00FCN\u00CF.XTZ"), bytes));
    EXPECT_EQ(bytes, "long");
    EXPECT_EQ(reader.memberSize(QStringLiteral("KEY")), 6);
}

TEST_F(PackageTest, ReaderRefusesWhatUnpackRefuses) {
    PackageReader reader;
    EXPECT_FALSE(reader.open(package())); // missing
    QByteArray bad = handMadePackage({{"Tree", "tree bytes"}});
    bad[bad.size() - 4] = char(0x7f); // data size past the directory
    writeAll(package(), bad);
    EXPECT_FALSE(reader.open(package()));
    EXPECT_FALSE(unpackPackage(out(), package()).ok());
}
