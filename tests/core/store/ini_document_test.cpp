// The shared INI reader: line ends, section names and lookup, long and damaged lines, and rewrites.
#include "core/store/ini_document.h"
#include "core/store/ini_text.h"
#include "core/store/profile.h"
#include "core/store/stored_text.h"
#include "test_files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace oxlin::store;
using namespace oxlin::test;

namespace {

QList<QByteArray> linesOf(const IniDocument& document) {
    QList<QByteArray> lines;
    for (int i = 0; i < document.lineCount(); ++i)
        lines << document.line(i).toByteArray();
    return lines;
}

QList<QByteArray> namesOf(const IniDocument& document) {
    QList<QByteArray> names;
    for (int i = 0; i < document.sectionCount(); ++i)
        names << document.sectionName(i).toByteArray();
    return names;
}

// "key=value" of every entry a reader gives.
QStringList entriesOf(IniSectionReader reader) {
    QStringList entries;
    IniEntry entry;
    while (reader.next(entry))
        entries << entry.key + QLatin1Char('=') + QString::number(entry.value);
    return entries;
}

} // namespace

TEST(IniDocument, EveryKindOfLineEndEndsOneLine) {
    // LF, CR LF, a lone CR, a blank line, and a last line with no end at all.
    const IniDocument document = IniDocument::parse("a\nb\r\nc\rd\r\n\r\n e \re");
    EXPECT_EQ(linesOf(document), QList<QByteArray>({"a", "b", "c", "d", "", " e ", "e"}));
    EXPECT_EQ(linesOf(IniDocument::parse("a\r\n")), QList<QByteArray>({"a"}));
    EXPECT_EQ(IniDocument::parse(QByteArray()).lineCount(), 0);

    // Read from a file in blocks: a CR LF split between two blocks is one
    // line end, and a line split between them is one line.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("split.ini"));
    QByteArray text(64 * 1024 - 1, 'x');
    text += "\r\n[S]\r\n" + QByteArray(64 * 1024, 'y') + "=1\r\nz=2";
    writeAll(path, text);
    const std::optional<IniDocument> read = IniDocument::readFile(path, kUnlimitedIniLine);
    ASSERT_TRUE(read);
    EXPECT_EQ(linesOf(*read), linesOf(IniDocument::parse(text, kUnlimitedIniLine)));
    EXPECT_EQ(read->lineCount(), 4);
    EXPECT_FALSE(IniDocument::readFile(dir.filePath(QStringLiteral("missing.ini"))));
}

TEST(IniDocument, SectionsKeepTheirNamesExactlyAndEveryOccurrence) {
    const IniDocument document = IniDocument::parse("before\r\n"
                                                    "  [ Spaced ] tail\r\n"
                                                    "x=1\r\n"
                                                    "[Open\r\n"
                                                    "[\\A]\r\n"
                                                    "y=2\r\n"
                                                    "\r\n"
                                                    "[\\a]\r\n"
                                                    "z=3\r\n");
    EXPECT_EQ(namesOf(document), QList<QByteArray>({" Spaced ", "Open", "\\A", "\\a"}));
    // The line before the first header is kept, but in no section.
    EXPECT_EQ(document.headerLine(0), 1);
    EXPECT_EQ(document.bodyEnd(0), 3);
    EXPECT_EQ(document.bodyEnd(3), document.lineCount());

    // "\\A" and "\\a" are one name with two occurrences, in file order.
    EXPECT_EQ(document.occurrences("\\a"), 2);
    EXPECT_EQ(document.section("\\a", 0), 2);
    EXPECT_EQ(document.section("\\a", 1), 3);
    EXPECT_EQ(document.section("\\a", 2), -1);
    EXPECT_EQ(document.section(" spaced "), 0);
    EXPECT_EQ(document.section("spaced"), -1);
    EXPECT_EQ(document.findName("missing"), -1);
    EXPECT_EQ(document.sectionOf(-1, 0), -1);
    EXPECT_EQ(document.nameCount(), 3);
    EXPECT_EQ(document.nameKeyOf(document.findName("open")), QByteArrayView("open"));

    // Blank lines are passed over; the reader stops at a line without "=".
    EXPECT_EQ(entriesOf(IniSectionReader(document, document.section("\\a", 0))),
              QStringList({"y=2"}));
    const IniDocument stops = IniDocument::parse("[S]\r\n\r\n  \r\na=1\r\n\t\r\nb=2x\r\nc\r\nd=4\r\n");
    EXPECT_EQ(entriesOf(IniSectionReader(stops, 0)), QStringList({"a=1", "b=2"}));
    EXPECT_FALSE(IniSectionReader(IniDocument::parse("[S]\r\nc\r\nd=4\r\n"), 0).isOpen());
    EXPECT_FALSE(IniSectionReader(IniDocument::parse("[S]\r\n\r\n"), 0).isOpen());
    EXPECT_FALSE(IniSectionReader(stops, 5).isOpen());
}

TEST(IniDocument, NamesAreFoundWithoutRegardToCaseInEitherEncoding) {
    // "ÄRGER" in UTF-8 and in Windows-1252, and a Kelvin sign, which folds to "k".
    const IniDocument document = IniDocument::parse("[\xC3\x84RGER]\r\n[\xC4rger]\r\n"
                                                    "[\xE2\x84\xAA]\r\n");
    const QByteArray key = IniDocument::nameKey(QString::fromUtf8("\xC3\xA4rger"));
    EXPECT_EQ(document.occurrences(key), 2);
    EXPECT_EQ(document.section(IniDocument::nameKey(u"K")), 2);
    // Keys join: the key of a path is the keys of its labels.
    QByteArray joined = IniDocument::nameKey(u"\\A");
    IniDocument::appendNameKey(joined, QString::fromUtf8("\\\xC3\x84"));
    EXPECT_EQ(joined, IniDocument::nameKey(QString::fromUtf8("\\A\\\xC3\x84")));
}

TEST(IniDocument, OverlongLinesAreSkippedUnlessEveryLineIsKept) {
    const QByteArray text = "[S]\r\n" + QByteArray(100, 'x') + "=1\r\nb=2\r\n[" +
                            QByteArray(100, 'T') + "]\r\nc=3\r\n";
    const IniDocument limited = IniDocument::parse(text, 50);
    EXPECT_EQ(limited.skippedLines(), 2);
    // The skipped header's lines fall to the section before it.
    EXPECT_EQ(entriesOf(IniSectionReader(limited, 0)), QStringList({"b=2", "c=3"}));
    const IniDocument whole = IniDocument::parse(text, kUnlimitedIniLine);
    EXPECT_EQ(whole.skippedLines(), 0);
    EXPECT_EQ(whole.sectionCount(), 2);
}

TEST(IniDocument, DamagedBytesNeverBreakTheReader) {
    // Random bytes weighted towards the characters INI text is made of.
    std::mt19937 random(7);
    const char alphabet[] = "[]=\\\r\n \tAa0\x80\xC3\xE2\xFF";
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random() % 400), '\0');
        for (char& c : bytes)
            c = random() % 4 == 0 ? char(random()) : alphabet[random() % (sizeof alphabet - 1)];
        const IniDocument document = IniDocument::parse(bytes, 1 + qsizetype(random() % 80));
        for (int section = 0; section < document.sectionCount(); ++section) {
            ASSERT_LT(document.headerLine(section), document.bodyEnd(section));
            ASSERT_LE(document.bodyEnd(section), document.lineCount());
            // Every section is found again by the key of its own name.
            const int name = document.findName(
                IniDocument::nameKey(decodeStoredText(document.sectionName(section))));
            ASSERT_GE(name, 0);
            bool found = false;
            for (int i = 0; i < document.occurrencesOf(name); ++i)
                found = found || document.sectionOf(name, i) == section;
            EXPECT_TRUE(found);
            entriesOf(IniSectionReader(document, section));
        }
    }
}

TEST(ProfileService, RewritesKeepLinesOfEveryKindAsTheyWere) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Z.ini"));
    ProfileService profiles;
    // Lone CRs, a line past the tree file's limit and text before any section.
    const QByteArray longLine = "note=" + QByteArray(kMaxIniLineBytes + 5, 'n');
    writeAll(path, "; kept\r[A]\r" + longLine + "\rx=1\r");
    ASSERT_TRUE(profiles.writeString(path, QStringLiteral("A"), QStringLiteral("y"),
                                     QStringLiteral("2")));
    EXPECT_EQ(readAll(path), "; kept\r\n[A]\r\n" + longLine + "\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(profiles.readString(path, QStringLiteral("a"), QStringLiteral("X")),
              QStringLiteral("1"));
    // A key written twice in one rewrite keeps its first place and last value.
    ASSERT_TRUE(profiles.writeStrings(path, QStringLiteral("B"),
                                      {{QStringLiteral("k"), QStringLiteral("1")},
                                       {QStringLiteral("K"), QStringLiteral("2")}}));
    EXPECT_TRUE(readAll(path).endsWith("[B]\r\nK=2\r\n"));
}
