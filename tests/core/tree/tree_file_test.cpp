#include "core/store/ini_document.h"
#include "core/store/ini_text.h"
#include "core/tree/topic_images.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"
#include "mangled_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <memory>
#include <random>

namespace oxlin::tree {
namespace {

using store::IniDocument;
using store::IniEntry;
using store::IniSectionReader;
using store::kMaxIniLineBytes;

// The example tree: Work (a.txt, Old (b.rtf, Empty)), Plan.txt.
const QByteArray kExample = "[\\Work\\Old]\r\nb.rtf=7\r\nEmpty=0\r\n"
                            "[\\Work]\r\na.txt=3\r\nOld=0\r\n"
                            "[\\]\r\nWork=0\r\nPlan.txt=2\r\n";

ItemHandle addTopic(TopicTree& tree, ItemHandle parent, const QString& label, qint32 id) {
    return tree.insertItem(parent, InsertPosition::last(), label, kTextImage, TopicRecord{id, 0});
}

// One line per item: depth, label, and the id of a topic.
QStringList outline(const TopicTree& tree) {
    QStringList lines;
    tree.walk([&](const TreeItem& item, int depth) {
        lines << QString(depth, QLatin1Char(' ')) + item.label +
                     (item.isTopic() ? QLatin1Char('=') + QString::number(item.record->fileId)
                                     : QString());
    });
    return lines;
}

std::unique_ptr<TopicTree> loaded(const QByteArray& text) {
    auto tree = std::make_unique<TopicTree>();
    loadTree(*tree, IniDocument::parse(text), nullptr);
    return tree;
}

TEST(TreeFile, WritesTheExampleByteForByte) {
    TopicTree tree;
    const ItemHandle work = tree.insertFolder(kTopLevel, InsertPosition::last(), "Work");
    addTopic(tree, kTopLevel, "Plan.txt", 2);
    addTopic(tree, work, "a.txt", 3);
    const ItemHandle old = tree.insertFolder(work, InsertPosition::last(), "Old");
    addTopic(tree, old, "b.rtf", 7);
    tree.insertFolder(old, InsertPosition::last(), "Empty");
    EXPECT_EQ(treeFileText(tree), kExample);

    QTemporaryDir dir;
    const QString path = dir.filePath("Tree.ini");
    ASSERT_TRUE(saveTree(tree, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kExample);
}

TEST(TreeFile, LoadsSubFoldersFirstThenTopicsInFileOrder) {
    // Interleaved siblings: topic, folder, topic, folder.
    const auto owner = loaded("[\\B]\r\nx.txt=9\r\n"
                              "[\\]\r\nt1.txt=2\r\nB=0\r\nt2.txt=3\r\nA=0\r\n");
    const TopicTree& tree = *owner;
    EXPECT_EQ(outline(tree), QStringList({"B", " x.txt=9", "A", "t1.txt=2", "t2.txt=3"}));
    // Saving the loaded tree gives the order it now has.
    EXPECT_EQ(treeFileText(tree),
              "[\\B]\r\nx.txt=9\r\n[\\]\r\nB=0\r\nA=0\r\nt1.txt=2\r\nt2.txt=3\r\n");
}

TEST(TreeFile, RoundTripsEmptyTreesEmptyFoldersAndDuplicateTopics) {
    TopicTree empty;
    EXPECT_TRUE(treeFileText(empty).isEmpty());
    EXPECT_TRUE(loaded(QByteArray())->isEmpty());

    TopicTree tree;
    const ItemHandle only = tree.insertFolder(kTopLevel, InsertPosition::last(), "Only");
    tree.insertFolder(only, InsertPosition::last(), "Inner");
    addTopic(tree, kTopLevel, "same.txt", 4);
    addTopic(tree, kTopLevel, "same.txt", 5);
    const QByteArray text = treeFileText(tree);
    EXPECT_EQ(text, "[\\Only]\r\nInner=0\r\n[\\]\r\nOnly=0\r\nsame.txt=4\r\nsame.txt=5\r\n");
    EXPECT_EQ(outline(*loaded(text)), QStringList({"Only", " Inner", "same.txt=4", "same.txt=5"}));
}

TEST(TreeFile, SiblingFoldersWithTheSameNameKeepTheirOwnChildren) {
    TopicTree tree;
    const ItemHandle first = tree.insertFolder(kTopLevel, InsertPosition::last(), "Notes");
    const ItemHandle second = tree.insertFolder(kTopLevel, InsertPosition::last(), "NOTES");
    const ItemHandle sub1 = tree.insertFolder(first, InsertPosition::last(), "Sub");
    const ItemHandle sub2 = tree.insertFolder(second, InsertPosition::last(), "Sub");
    addTopic(tree, sub1, "one.txt", 2);
    addTopic(tree, sub2, "two.txt", 3);
    addTopic(tree, second, "three.txt", 4);
    const QStringList before = outline(tree);
    EXPECT_EQ(outline(*loaded(treeFileText(tree))), before);

    // An empty one before them keeps its turn, so the children stay where they were.
    TopicTree withEmpty;
    withEmpty.insertFolder(kTopLevel, InsertPosition::last(), "a");
    const ItemHandle full = withEmpty.insertFolder(kTopLevel, InsertPosition::last(), "A");
    addTopic(withEmpty, full, "x.txt", 2);
    EXPECT_EQ(outline(*loaded(treeFileText(withEmpty))), outline(withEmpty));

    // Found by fuzzing: empty labels that become "(no name)" folders of which
    // the first is empty.
    const auto fuzzed = loaded(QByteArray::fromBase64(
        "W1xdLDFdCltcCj14dEE9MV0KW1xdLHQ9Ml0KW1xdLCwKPax0PTJdCltcXSwsCj2seHQ9W1wKPXh0"));
    EXPECT_EQ(outline(*loaded(treeFileText(*fuzzed))), outline(*fuzzed));

    // Cousins under such siblings share their paths too: an empty one keeps
    // its turn, so a deeper one's children do not move into it.
    TopicTree cousins;
    const ItemHandle left = cousins.insertFolder(kTopLevel, InsertPosition::last(), "A");
    const ItemHandle right = cousins.insertFolder(kTopLevel, InsertPosition::last(), "a");
    cousins.insertFolder(cousins.insertFolder(left, InsertPosition::last(), "B"),
                         InsertPosition::last(), "C");
    const ItemHandle deep = cousins.insertFolder(
        cousins.insertFolder(right, InsertPosition::last(), "B"), InsertPosition::last(), "C");
    addTopic(cousins, cousins.insertFolder(deep, InsertPosition::last(), "D"), "d.txt", 5);
    EXPECT_EQ(outline(*loaded(treeFileText(cousins))), outline(cousins));
    const auto fuzzedCousins = loaded(QByteArray::fromBase64(
        "W1xBXUFdDTINW1xdDT10DTINW1xdDT10DQpbXF0FzA1bXF0NPXQNCltcXQXMQTQ9MA09XQXMDVtcXQ09dA0KW1xd"
        "BcxBND0wDT2wQTKwQTI9MA09sA0K"));
    EXPECT_EQ(outline(*loaded(treeFileText(*fuzzedCousins))), outline(*fuzzedCousins));

    // A file that has one section for two such folders gives it to the first;
    // the second stays empty instead of sharing the same topic files.
    EXPECT_EQ(outline(*loaded("[\\A]\r\nx.txt=2\r\n[\\]\r\nA=0\r\na=0\r\n")),
              QStringList({"A", " x.txt=2", "a"}));
}

TEST(TreeFile, DamagedContentLoadsWhatCanBeRead) {
    // A line without "=" ends its section; a value that is not a number is a
    // folder; a section whose first line has no "=" is empty; blank lines and
    // text before the first section are ignored.
    const auto owner = loaded("junk\r\n[\\]\r\n\r\na.txt=2\r\nnot a number=x\r\n"
                              "broken line\r\nlost.txt=3\r\n"
                              "[\\not a number]\r\nnothing here\r\nb.txt=4\r\n");
    const TopicTree& tree = *owner;
    EXPECT_EQ(outline(tree), QStringList({"not a number", "a.txt=2"}));
}

TEST(TreeFile, LabelsAreUtf8WithAWindows1252Fallback) {
    const auto owner = loaded("[\\]\r\nR\xC3\xA9sum\xC3\xA9.txt=2\r\ncaf\xE9 \x80.txt=3\r\n");
    const TopicTree& tree = *owner;
    EXPECT_EQ(outline(tree),
              QStringList({QString::fromUtf8("Résumé.txt=2"), QString::fromUtf8("café €.txt=3")}));
    // Written back as UTF-8.
    EXPECT_EQ(treeFileText(tree),
              "[\\]\r\nR\xC3\xA9sum\xC3\xA9.txt=2\r\ncaf\xC3\xA9 \xE2\x82\xAC.txt=3\r\n");
}

TEST(TreeFile, SectionsAreFoundWithoutRegardToCaseInEitherEncoding) {
    // The folder line says "ärger" in UTF-8, its header "Ärger", and its
    // sub-folder's header "ÄRGER" in Windows-1252; "Kelvin" is spelled with
    // a Kelvin sign, its header in plain ASCII.
    const auto owner = loaded("[\\\xC4RGER\\sub]\r\nz.txt=5\r\n"
                              "[\\\xC3\x84rger]\r\nSub=0\r\ny.txt=4\r\n"
                              "[\\kelvin]\r\nk.txt=6\r\n"
                              "[\\]\r\n\xC3\xA4rger=0\r\n\xE2\x84\xAA"
                              "elvin=0\r\n");
    EXPECT_EQ(outline(*owner),
              QStringList({QString::fromUtf8("ärger"), " Sub", "  z.txt=5", " y.txt=4",
                           QString::fromUtf8("\u212Aelvin"), " k.txt=6"}));
}

TEST(TreeFile, MissingFileGivesAnEmptyTree) {
    TopicTree tree;
    tree.insertFolder(kTopLevel, InsertPosition::last(), "Old");
    QTemporaryDir dir;
    EXPECT_FALSE(loadTree(tree, dir.filePath("Tree.ini"), nullptr));
    EXPECT_TRUE(tree.isEmpty());
}

TEST(TreeFile, AnEmptyFolderLabelIsNamedAndKeepsItsTopics) {
    // A hand-made file: the empty folder's section "[\\]" comes before the
    // top level's, as a writer puts a folder's section before its parent's.
    const auto owner = loaded("[\\]\r\nlost.txt=5\r\n"
                              "[\\]\r\n=0\r\nkept.txt=2\r\n");
    EXPECT_EQ(outline(*owner), QStringList({"(no name)", " lost.txt=5", "kept.txt=2"}));
    // Saved and read again, nothing more changes.
    const QByteArray saved = treeFileText(*owner);
    EXPECT_EQ(outline(*loaded(saved)), outline(*owner));

    const auto nested = loaded("[\\A\\]\r\ndeep.txt=7\r\n[\\A]\r\n=0\r\n[\\]\r\nA=0\r\n");
    EXPECT_EQ(outline(*nested), QStringList({"A", " (no name)", "  deep.txt=7"}));
    TreeLoadNotes notes;
    TopicTree tree;
    loadTree(tree, IniDocument::parse("[\\A]\r\nx=3\r\n[\\]\r\nA=0\r\n=0\r\n"), nullptr, &notes);
    EXPECT_EQ(notes.unnamedFolders, 1);
    EXPECT_EQ(outline(tree), QStringList({"A", " x=3", "(no name)"}));
}

TEST(TreeFile, EveryTopLevelSectionKeepsItsTopicsWhateverTheEmptyLabels) {
    // Hand-made: the top level's own section first, holding an empty folder
    // label beside its topic, then a second one that a load takes for the top level.
    const auto parentFirst = loaded("[\\]\r\n=0\r\na.txt=2\r\n[\\]\r\nb.txt=3\r\n");
    EXPECT_EQ(outline(*parentFirst),
              QStringList({"(no name)", " (no name)", " a.txt=2", "b.txt=3"}));
    EXPECT_EQ(outline(*loaded(treeFileText(*parentFirst))), outline(*parentFirst));

    // Any mix of "[\\]" sections, empty labels and topics: every topic is
    // read, and one session (a save and a load) changes nothing more.
    std::mt19937 random(7);
    for (int round = 0; round < 400; ++round) {
        QByteArray text;
        QSet<qint32> ids;
        qint32 next = 2;
        const int sections = 1 + int(random() % 4);
        for (int section = 0; section < sections; ++section) {
            text += "[\\]\r\n";
            for (int line = int(random() % 4); line > 0; --line) {
                if (random() % 2) {
                    text += "=0\r\n";
                } else {
                    ids.insert(next);
                    text += "t" + QByteArray::number(next) + ".txt=" + QByteArray::number(next) +
                            "\r\n";
                    ++next;
                }
            }
        }
        const auto tree = loaded(text);
        QSet<qint32> found;
        tree->walk([&](const TreeItem& item, int) {
            if (item.isTopic())
                found.insert(item.record->fileId);
        });
        ASSERT_EQ(found, ids) << text.constData();
        ASSERT_EQ(outline(*loaded(treeFileText(*tree))), outline(*tree)) << text.constData();
    }
}

TEST(TreeFile, LabelsWithBracketsKeepTheirSubtrees) {
    // As another program writes a folder it was given such a name: the
    // section name runs to the last "]" of its header.
    EXPECT_EQ(outline(*loaded("[\\Notes [2024]]\r\nx.txt=2\r\n[\\]\r\nNotes [2024]=0\r\n")),
              QStringList({"Notes [2024]", " x.txt=2"}));
    TopicTree tree;
    const ItemHandle outer = tree.insertFolder(kTopLevel, InsertPosition::last(), "A]");
    // (A line that starts with "[" is a header whatever it holds, so a label
    // cannot start with one.)
    addTopic(tree, tree.insertFolder(outer, InsertPosition::last(), "b] [c]"), "d.txt", 4);
    addTopic(tree, outer, "e.txt", 5);
    EXPECT_EQ(outline(*loaded(treeFileText(tree))), outline(tree));

    // Found by fuzzing: an empty section of such a folder took the turn of
    // a cousin's, which then lost its sub-folder on the next load.
    const auto fuzzed = loaded(QByteArray::fromBase64("W1xhDT0KW1wKQV09DWE9DVtcDT0NPQ=="));
    EXPECT_EQ(outline(*loaded(treeFileText(*fuzzed))), outline(*fuzzed));
}

TEST(TreeFile, LabelsWithBlanksAtEitherEndKeepTheirSubtrees) {
    TopicTree tree;
    const ItemHandle outer = tree.insertFolder(kTopLevel, InsertPosition::last(), "  Outer ");
    const ItemHandle inner = tree.insertFolder(outer, InsertPosition::last(), " Inner\t");
    addTopic(tree, inner, " deep.txt ", 4);
    addTopic(tree, outer, "mid.txt", 3);
    const QStringList before = outline(tree);
    const auto once = loaded(treeFileText(tree));
    EXPECT_EQ(outline(*once), before);
    EXPECT_EQ(outline(*loaded(treeFileText(*once))), before);
}

TEST(TreeFile, OverlongLinesAndLabelsAreSkipped) {
    const QByteArray hugeLabel(300, 'L');
    QByteArray text = "[\\]\r\n" + hugeLabel + "=4\r\na.txt=2\r\n" +
                      QByteArray(kMaxIniLineBytes + 10, 'x') + "=3\r\nb.txt=5\r\n";
    TreeLoadNotes notes;
    TopicTree tree;
    loadTree(tree, IniDocument::parse(text), nullptr, &notes);
    EXPECT_EQ(outline(tree), QStringList({"a.txt=2", "b.txt=5"}));
    EXPECT_EQ(notes.skippedLabels, 1);
    EXPECT_EQ(notes.skippedLines, 1);

    // Read from a file in blocks, a line of many blocks is passed over too.
    QTemporaryDir dir;
    QFile file(dir.filePath("Tree.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[\\]\r\na.txt=2\r\n");
    const QByteArray block(1 << 20, 'y');
    for (int i = 0; i < 8; ++i)
        file.write(block);
    file.write("=9\r\nb.txt=5\r\n");
    file.close();
    ASSERT_TRUE(loadTree(tree, file.fileName(), nullptr, &notes));
    EXPECT_EQ(outline(tree), QStringList({"a.txt=2", "b.txt=5"}));
    EXPECT_EQ(notes.skippedLines, 1);
}

TEST(TreeFile, IdsPastTheIntegerRangeNeverShareAFile) {
    TreeLoadNotes notes;
    TopicTree tree;
    loadTree(tree,
             IniDocument::parse("[\\]\r\nbig.txt=4294967306\r\nhuge.txt=99999999999\r\n"
                                "low.txt=-2147483649\r\nfine.txt=12\r\nedge.txt=2147483647\r\n"),
             nullptr, &notes);
    // Above every id of the file there is no room left: the ones that do
    // not fit are dropped rather than given an id another topic has.
    EXPECT_EQ(outline(tree), QStringList({"fine.txt=12", "edge.txt=2147483647"}));
    EXPECT_EQ(notes.droppedTopics, 3);

    loadTree(tree,
             IniDocument::parse("[\\]\r\nbig.txt=4294967306\r\nfine.txt=12\r\n"
                                "huge.txt=99999999999\r\n[\\Other]\r\nfar.txt=40\r\n"),
             nullptr, &notes);
    EXPECT_EQ(outline(tree), QStringList({"big.txt=41", "fine.txt=12", "huge.txt=42"}));
    EXPECT_EQ(notes.renumbered, 2);
}

TEST(TreeFile, LineEndsAndSectionOrderDoNotChangeTheTree) {
    const QStringList expected = outline(*loaded(kExample));
    QByteArray lf = kExample, cr = kExample;
    lf.replace("\r\n", "\n");
    cr.replace("\r\n", "\r");
    EXPECT_EQ(outline(*loaded(lf)), expected);
    EXPECT_EQ(outline(*loaded(cr)), expected);
    // Parents before their children, the reverse of the writer's order.
    EXPECT_EQ(outline(*loaded("[\\]\r\nWork=0\r\nPlan.txt=2\r\n"
                              "[\\Work]\r\na.txt=3\r\nOld=0\r\n"
                              "[\\Work\\Old]\r\nb.rtf=7\r\nEmpty=0\r\n")),
              expected);
}

TEST(TreeFile, MangledFilesLoadAndSaveToTheSameTree) {
    // The example and a file with shared paths, cut and changed at random:
    // whatever loads must come back the same from its own saved text.
    const QByteArray shared = "[\\A\\B]\r\nx=2\r\n[\\a\\B]\r\ny=3\r\n[\\A]\r\nB=0\r\n"
                              "[\\a]\r\nB=0\r\n=0\r\n[\\]\r\nA=0\r\na=0\r\n=0\r\n";
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        const QByteArray text = mangled(round % 2 ? kExample : shared, random, 4);
        const auto first = loaded(text);
        ASSERT_EQ(outline(*loaded(treeFileText(*first))), outline(*first))
            << text.toBase64().constData();
    }
}

struct FakeIcons : IconLookup {
    int asked = 0;
    int next = 4;
    int addIcon(const QString& extension) override {
        ++asked;
        return extension == QLatin1String(".NONE") ? -1 : next++;
    }
};

TEST(TreeFile, LoadChoosesImagesByTheTopicImageRule) {
    FakeIcons icons;
    TopicImages images(&icons);
    TopicTree tree;
    loadTree(tree,
             IniDocument::parse("[\\]\r\nMemo=2\r\na.TXT=3\r\nb.doc=4\r\nc.DOC=5\r\nd.exe=6\r\n"),
             &images);
    QList<int> found;
    for (ItemHandle child : tree.children(kTopLevel))
        found << tree.find(child)->image;
    EXPECT_EQ(found, QList<int>({kDocumentImage, kTextImage, 4, 4, kProgramImage}));
    EXPECT_EQ(icons.asked, 1);
}

TEST(IniSectionReader, StopsAtTheFirstLineWithoutEquals) {
    IniSectionReader reader(QStringList({"a=1", "b=-2x", "c", "d=4"}));
    ASSERT_TRUE(reader.isOpen());
    IniEntry entry;
    ASSERT_TRUE(reader.next(entry));
    EXPECT_EQ(entry.value, 1);
    ASSERT_TRUE(reader.next(entry));
    EXPECT_EQ(entry.key, "b");
    EXPECT_EQ(entry.value, -2);
    EXPECT_FALSE(reader.next(entry));
    EXPECT_FALSE(reader.next(entry));
    EXPECT_FALSE(IniSectionReader(QStringList({"c", "d=4"})).isOpen());
    EXPECT_FALSE(IniSectionReader(QStringList()).isOpen());
}

} // namespace
} // namespace oxlin::tree
