// Creating, switching and deleting notebooks: which packages and working
// folders exist before and after, names without regard to case, and names
// that must never reach the file system.

#include "core/session/notebooks.h"
#include "core/store/profile.h"
#include "messages/notebook_messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace oxlin::session {
namespace {

using messages::NotebookMessages;

class NotebooksTest : public ::testing::Test {
protected:
    NotebooksTest() : session(profiles, data()), manager(session) {
        session.currentBook().notebookName = "Work";
        session.setUpPaths();
        (void)session.openNotebook();
    }

    QString data() const { return root.filePath("OxlinData"); }
    QString at(const QString& name) const { return QDir(data()).filePath(name); }
    bool exists(const QString& name) const { return QFileInfo::exists(at(name)); }

    // A topic in the current notebook, so a lost pack would lose something.
    void addTopic(const QString& label) {
        session.tree().insertItem(tree::kTopLevel, tree::InsertPosition::last(), label,
                                  tree::kTextImage, tree::TopicRecord{2, 0});
    }
    QStringList topLabels() {
        QStringList labels;
        for (tree::ItemHandle child : session.tree().children(tree::kTopLevel))
            labels << session.tree().find(child)->label;
        return labels;
    }

    QTemporaryDir root;
    store::ProfileService profiles;
    NotebookSession session;
    NotebookManager manager;
};

TEST_F(NotebooksTest, CreatePacksTheCurrentOneAndTheNewPackageExistsAtOnce) {
    addTopic("plan.txt");
    ASSERT_TRUE(exists("Work"));
    const NotebookResult created = manager.createNotebook("Ideas");
    EXPECT_TRUE(created.ok());
    EXPECT_TRUE(created.closeProblem.isEmpty());
    EXPECT_FALSE(exists("Work"));
    EXPECT_TRUE(exists("Work.xzz"));
    EXPECT_TRUE(exists("Ideas.xzz"));
    EXPECT_TRUE(exists("Ideas/Tree.ini"));
    EXPECT_EQ(session.currentBook().notebookName, "Ideas");
    EXPECT_TRUE(session.tree().isEmpty());

    EXPECT_TRUE(manager.switchToNotebook("work").ok());
    EXPECT_EQ(session.currentBook().notebookName, "Work"); // spelled as the package is
    EXPECT_EQ(topLabels(), QStringList({"plan.txt"}));
    EXPECT_FALSE(exists("Ideas"));
    EXPECT_TRUE(exists("Work"));
}

TEST_F(NotebooksTest, ANameTakenInAnyCaseIsRefusedAndNothingChanges) {
    ASSERT_TRUE(manager.createNotebook("Ideas").ok());
    ASSERT_TRUE(manager.switchToNotebook("Work").ok());
    addTopic("kept.txt");
    for (const QString& taken : {QString("IDEAS"), QString("work")}) {
        const NotebookResult refused = manager.createNotebook(taken);
        EXPECT_EQ(refused.change, NotebookChange::AlreadyExists) << taken.toStdString();
        EXPECT_EQ(NotebookMessages::afterChange(refused, taken),
                  QString("\"%1\" is already exist, please input another name.").arg(taken));
    }
    const NotebookResult open = manager.switchToNotebook("WORK");
    EXPECT_EQ(NotebookMessages::afterChange(open, "WORK"), "\"WORK\" is already open.");
    EXPECT_EQ(session.currentBook().notebookName, "Work");
    EXPECT_EQ(topLabels(), QStringList({"kept.txt"}));
    EXPECT_TRUE(exists("Work"));
}

TEST_F(NotebooksTest, NamesAFileSystemRefusesOrThatLeaveTheDataFolderAreRefused) {
    EXPECT_EQ(checkNotebookName("Ideas 2024 % draft"), NameCheck::Accepted);
    EXPECT_EQ(checkNotebookName("my.notes"), NameCheck::Accepted);
    EXPECT_EQ(checkNotebookName(QString(63, 'n')), NameCheck::Accepted);
    EXPECT_EQ(checkNotebookName(QString(64, 'n')), NameCheck::TooLong);
    EXPECT_EQ(checkNotebookName(""), NameCheck::Empty);
    EXPECT_EQ(NotebookMessages::nameRefused(NameCheck::Empty), "please input a validate name.\r\n");
    for (const char* bad :
         {"a/b", "a\\b", "..", ".", ".hidden", "trailing.", "trailing ", "a:b", "tab\there", "q?"})
        EXPECT_EQ(checkNotebookName(bad), NameCheck::NotAllowed) << bad;
    for (const char* reserved : {"NUL", "com1", "Notebook.ini"})
        EXPECT_EQ(checkNotebookName(reserved), NameCheck::Reserved) << reserved;

    QDir().mkpath(at("victim"));
    QFile(at("victim/keep.txt")).open(QIODevice::WriteOnly);
    EXPECT_EQ(manager.deleteNotebook("..").change, NotebookChange::NameRefused);
    EXPECT_EQ(manager.createNotebook("../escape").change, NotebookChange::NameRefused);
    EXPECT_EQ(manager.switchToNotebook("victim/..").change, NotebookChange::NameRefused);
    EXPECT_TRUE(exists("victim/keep.txt"));
    EXPECT_EQ(session.currentBook().notebookName, "Work");
}

TEST_F(NotebooksTest, ANameWhosePlaceIsTakenIsRefusedAndNothingIsTouched) {
    ASSERT_TRUE(manager.createNotebook("x").ok());
    ASSERT_TRUE(manager.switchToNotebook("Work").ok());
    addTopic("kept.txt");
    const QByteArray xPackage = [&] {
        QFile file(at("x.xzz"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    // "x.xzz" would work in the other notebook's package.
    for (const char* packageName : {"x.xzz", "Plans.XZZ"}) {
        const NotebookResult refused = manager.createNotebook(packageName);
        EXPECT_EQ(refused.change, NotebookChange::NameRefused) << packageName;
        EXPECT_EQ(refused.nameCheck, NameCheck::PackageName) << packageName;
    }
    EXPECT_EQ(paths::usableNotebookName("x.xzz"), paths::CurrentBook::kDefaultName);

    QFile(at("Notes")).open(QIODevice::WriteOnly); // a file where the folder goes
    QDir().mkpath(at("Plans.xzz"));                // a folder where the package goes
    QDir().mkpath(at("ideas"));                    // the folder in another spelling
    for (const char* taken : {"Notes", "Plans", "Ideas"}) {
        const NotebookResult refused = manager.createNotebook(taken);
        EXPECT_EQ(refused.change, NotebookChange::NameTaken) << taken;
        EXPECT_TRUE(NotebookMessages::afterChange(refused, taken).contains("is in its place"))
            << taken;
    }
    EXPECT_EQ(session.currentBook().notebookName, "Work");
    EXPECT_EQ(topLabels(), QStringList({"kept.txt"}));
    EXPECT_TRUE(QFileInfo(at("Notes")).isFile());
    EXPECT_TRUE(QFileInfo(at("Plans.xzz")).isDir());
    QFile after(at("x.xzz"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), xPackage);

    // A working folder of the exact name, left by an earlier run, is resumed.
    QDir().mkpath(at("Leftover"));
    EXPECT_TRUE(manager.createNotebook("Leftover").ok());
}

TEST_F(NotebooksTest, DeleteTakesThePackageAndALeftoverWorkingFolderButNeverTheOpenOne) {
    ASSERT_TRUE(manager.createNotebook("Old").ok());
    addTopic("old.txt");
    ASSERT_TRUE(manager.switchToNotebook("Work").ok());
    // A working folder left by a run that ended badly.
    ASSERT_TRUE(QDir().mkpath(at("Old")));
    QFile leftover(at("Old/Tree.ini"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write("[\\]\r\nghost.txt=9\r\n");
    leftover.close();

    const NotebookResult current = manager.deleteNotebook("WORK");
    EXPECT_EQ(NotebookMessages::afterChange(current, "WORK"), "You can't delete the opened book.");
    EXPECT_TRUE(exists("Work.xzz"));
    EXPECT_TRUE(exists("Work"));

    EXPECT_TRUE(manager.deleteNotebook("old").ok());
    EXPECT_FALSE(exists("Old.xzz"));
    EXPECT_FALSE(exists("Old"));
    EXPECT_EQ(NotebookMessages::deleteQuestion("Old"),
              "Delete the notebook \"Old\"? It cannot be undone.");
    // The package went meanwhile: the entry may still leave the list.
    EXPECT_TRUE(manager.deleteNotebook("Gone").ok());

    // A new notebook of the name starts empty instead of coming back.
    ASSERT_TRUE(manager.createNotebook("Old").ok());
    EXPECT_TRUE(session.tree().isEmpty());
}

TEST_F(NotebooksTest, TheListHasPackageNamesUpToTheLastDotSortedWithoutCase) {
    for (const char* file : {"beta.xzz", "Alpha.xzz", "my.notes.xzz", "zeta.XZZ", ".hidden.xzz",
                             "notes.txt", "Notebook.ini"})
        QFile(at(file)).open(QIODevice::WriteOnly);
    QDir().mkpath(at("folder.xzz"));
    // Work has no package until it is first packed.
    EXPECT_EQ(listNotebooks(data()), QStringList({"Alpha", "beta", "my.notes", "zeta"}));
    EXPECT_TRUE(listNotebooks(root.filePath("nowhere")).isEmpty());
}

TEST_F(NotebooksTest, AFailedPackKeepsTheWorkingFolderForTheNextOpen) {
    addTopic("unsaved.txt");
    // A folder where the package goes: the pack cannot replace it.
    ASSERT_TRUE(QDir().mkpath(at("Work.xzz")));
    const NotebookResult result = manager.createNotebook("Next");
    EXPECT_FALSE(result.closeProblem.isEmpty());
    EXPECT_TRUE(
        NotebookMessages::afterChange(result, "Next").startsWith("Could not save the notebook: "));
    EXPECT_TRUE(exists("Work/Tree.ini"));
    EXPECT_EQ(session.currentBook().notebookName, "Next");

    ASSERT_TRUE(QDir().rmdir(at("Work.xzz")));
    ASSERT_TRUE(manager.switchToNotebook("Work").ok());
    EXPECT_EQ(topLabels(), QStringList({"unsaved.txt"}));
}

} // namespace
} // namespace oxlin::session
