// The viewer's notebook: a package read where it lies, its topics taken out
// one by one when they are needed, and nothing written beside it.

#include "core/session/notebook_session.h"
#include "core/session/read_only_notebook.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace oxlin::session {
namespace {

using test::readAll;
using test::writeAll;

class ReadOnlyNotebookTest : public ::testing::Test {
protected:
    QString data() const { return root.filePath("Data"); }
    QString package() const { return QDir(data()).filePath("Book.xzz"); }
    QString reader() const { return root.filePath("Reader"); }

    // A package of two topics, as the notebook's exit leaves it; their file ids.
    QList<qint32> makePackage() {
        NotebookSession session(profiles, data());
        session.currentBook().notebookName = "Book";
        session.setUpPaths();
        EXPECT_TRUE(session.openNotebook().ok());
        QList<qint32> ids;
        for (const char* label : {"One.txt", "Two.txt"}) {
            const qint32 id = session.fileIds().allocate();
            session.tree().insertItem(tree::kTopLevel, tree::InsertPosition::last(), label,
                                      tree::kTextImage, tree::TopicRecord{id, 0});
            QByteArray compressed;
            EXPECT_TRUE(store::compressBuffer(QByteArray("text of ") + label, compressed).ok());
            writeAll(tree::topicFilePath(session.paths().workingFolder, id), compressed);
            ids << id;
        }
        EXPECT_TRUE(session.exitNotebook().ok());
        return ids;
    }

    std::unique_ptr<ReadOnlyNotebook> openReader() {
        auto notebook = std::make_unique<ReadOnlyNotebook>(profiles, reader(), nullptr,
                                                           [this] { ++treeLoads; });
        notebook->currentBook().notebookName = "Book";
        notebook->setUpPaths();
        opened = notebook->open(package());
        return notebook;
    }

    QTemporaryDir root;
    store::ProfileService profiles;
    int treeLoads = 0;
    bool opened = false;
};

TEST_F(ReadOnlyNotebookTest, TopicsComeOutOfThePackageOnlyWhenFetched) {
    const QList<qint32> ids = makePackage();
    const QByteArray original = readAll(package());
    const QStringList besides = QDir(data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    auto notebook = openReader();
    ASSERT_TRUE(opened);
    EXPECT_EQ(treeLoads, 1);
    EXPECT_EQ(notebook->lastOpenOutcome(), OpenOutcome::Unpacked);
    EXPECT_EQ(notebook->tree().children(tree::kTopLevel).size(), 2u);
    ASSERT_NE(notebook->package(), nullptr);
    const QString working = notebook->paths().workingFolder;
    for (qint32 id : ids)
        EXPECT_FALSE(QFileInfo::exists(tree::topicFilePath(working, id)));

    ASSERT_TRUE(notebook->fetchTopicFile(ids[1]));
    QByteArray text;
    EXPECT_TRUE(store::decompressFileToBuffer(tree::topicFilePath(working, ids[1]), text).ok());
    EXPECT_EQ(text, "text of Two.txt");
    EXPECT_FALSE(QFileInfo::exists(tree::topicFilePath(working, ids[0])));
    EXPECT_TRUE(notebook->fetchTopicFile(ids[1]));        // already out
    EXPECT_FALSE(notebook->fetchTopicFile(ids[1] + 100)); // no such member

    EXPECT_EQ(readAll(package()), original);
    EXPECT_EQ(QDir(data()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), besides);
}

TEST_F(ReadOnlyNotebookTest, AnUnreadablePackageOpensAsAnEmptyTree) {
    QDir().mkpath(data());
    writeAll(package(), QByteArray(300, 'x'));
    auto notebook = openReader();
    EXPECT_FALSE(opened);
    EXPECT_EQ(treeLoads, 1);
    EXPECT_EQ(notebook->lastOpenOutcome(), OpenOutcome::PackageUnreadable);
    EXPECT_TRUE(notebook->tree().isEmpty());
    EXPECT_EQ(notebook->package(), nullptr);
    EXPECT_TRUE(notebook->damagedPackageCopy().isEmpty()); // someone else's file: no copy
    EXPECT_EQ(readAll(package()), QByteArray(300, 'x'));
}

} // namespace
} // namespace oxlin::session
