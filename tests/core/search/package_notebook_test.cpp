#include "core/search/package_notebook.h"

#include "core/store/package.h"
#include "core/tree/tree_file.h"

#include "search_fixture.h"

#include <QDir>

using namespace oxlin;
using search::PackageNotebook;
using tree::ItemHandle;

namespace {

class PackageNotebookTest : public test::SearchFixture {
protected:
    // The working folder packed with its tree, as a package beside it.
    QString pack() {
        const QString treeFile = dir_.filePath(QStringLiteral("Tree.ini"));
        EXPECT_TRUE(tree::saveTree(tree_, treeFile));
        EXPECT_TRUE(store::compressFile(
                        treeFile, QDir(paths_.workingFolder).filePath(QStringLiteral("Tree.xtz")))
                        .ok());
        const QString package = dir_.filePath(QStringLiteral("Packed.xzz"));
        EXPECT_TRUE(store::packFolder(paths_.workingFolder, package).ok());
        return package;
    }
};

} // namespace

TEST_F(PackageNotebookTest, ReadsTheTreeAndTheTopicsStraightFromThePackage) {
    const ItemHandle work = folder(tree::kTopLevel, "Work");
    topic(work, "a.txt", "alpha");
    topic(tree::kTopLevel, "b.doc", "beta");
    const ItemHandle c = topic(work, "c.rtf", "gamma");
    PackageNotebook notebook;
    ASSERT_EQ(notebook.open(pack()), PackageNotebook::Problem::None);

    // What SearchIndex.ini would list: the .txt and .rtf topics, in tree order.
    std::vector<search::ContentTarget> targets = notebook.searchTargets();
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_EQ(notebook.tree().itemPath(targets[0].handle), QStringLiteral("Work\\a.txt"));
    EXPECT_EQ(targets[1].fileName, fileOf(c));
    QByteArray stored;
    EXPECT_TRUE(notebook.topics().read(targets[1].fileName, stored));

    // A search in rows found before reads any topic named, b.doc too.
    targets =
        notebook.targetsOf(QSet<QString>{fileOf(c).toCaseFolded(), QStringLiteral("00000002.xtz")});
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_EQ(notebook.tree().itemPath(targets[0].handle), QStringLiteral("Work\\c.rtf"));
    EXPECT_EQ(notebook.tree().itemPath(targets[1].handle), QStringLiteral("b.doc"));
}

TEST_F(PackageNotebookTest, SaysWhyAPackageCannotBeSearched) {
    PackageNotebook notebook;
    EXPECT_EQ(notebook.open(dir_.filePath("none.xzz")), PackageNotebook::Problem::NoPackage);
    QFile junk(dir_.filePath("junk.xzz"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a package at all");
    junk.close();
    EXPECT_EQ(notebook.open(junk.fileName()), PackageNotebook::Problem::Damaged);
    // A package without its tree member searches as an empty notebook.
    topic(tree::kTopLevel, "a.txt", "alpha");
    const QString noTree = dir_.filePath("NoTree.xzz");
    ASSERT_TRUE(store::packFolder(paths_.workingFolder, noTree).ok());
    EXPECT_EQ(notebook.open(noTree), PackageNotebook::Problem::NoTree);
    EXPECT_TRUE(notebook.searchTargets().empty());
}

TEST_F(PackageNotebookTest, APlaceFindsItsItemAfterTheHandlesAreGone) {
    const ItemHandle work = folder(tree::kTopLevel, "Work");
    const ItemHandle old = folder(work, "Old");
    topic(work, "same.txt", "first");
    const ItemHandle second = topic(work, "same.txt", "second");
    const search::RowPlace topicPlace = search::placeOf(tree_, second, QStringLiteral("Book"));
    const search::RowPlace folderPlace = search::placeOf(tree_, old, QStringLiteral("Book"));
    EXPECT_EQ(topicPlace.itemPath, QStringLiteral("Work\\same.txt"));
    EXPECT_TRUE(folderPlace.topicFile.isEmpty());

    // Read again from the package, every handle is new; the topic is told
    // from its namesake by its file, the folder found by its path.
    PackageNotebook notebook;
    ASSERT_EQ(notebook.open(pack()), PackageNotebook::Problem::None);
    const ItemHandle found = search::findPlace(notebook.tree(), topicPlace);
    ASSERT_NE(found, tree::kNoItem);
    EXPECT_EQ(notebook.tree().find(found)->record->fileId, tree_.find(second)->record->fileId);
    EXPECT_EQ(notebook.tree().itemPath(search::findPlace(notebook.tree(), folderPlace)),
              QStringLiteral("Work\\Old"));

    // Moved and renamed, the topic is still its file's.
    const ItemHandle moved = tree_.moveItem(second, tree::kTopLevel, tree::InsertPosition::last());
    tree_.setLabel(moved, QStringLiteral("renamed.txt"));
    EXPECT_EQ(tree_.itemPath(search::findPlace(tree_, topicPlace)), QStringLiteral("renamed.txt"));
    EXPECT_EQ(
        search::findPlace(tree_, {QStringLiteral("Book"), QStringLiteral("0000FFFF.XTZ"), {}}),
        tree::kNoItem);
}
