// The Welcome topic of the very first start: what the new user finds, that
// it is kept like any topic, and that nothing else ever gets one.

#include "core/search/topic_index.h"
#include "core/session/notebooks.h"
#include "core/session/welcome.h"
#include "core/store/compressed_file.h"
#include "core/store/profile.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_kind.h"
#include "messages/notebook_messages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace oxlin::session {
namespace {

class WelcomeTest : public ::testing::Test {
protected:
    // A start of the program over `data`; `first` as when it found no data folder.
    std::unique_ptr<NotebookSession> start(bool first, const QString& data) {
        // The index worker starts from a snapshot of the tree at this point.
        SessionHooks hooks;
        hooks.startIndexWorker = [this] {
            topicsWhenIndexed = int(started->tree().children(tree::kTopLevel).size());
        };
        auto session = std::make_unique<NotebookSession>(profiles, data, std::move(hooks));
        started = session.get();
        session->readLastBook();
        session->setUpPaths();
        if (first)
            session->welcomeOnNextOpen();
        EXPECT_TRUE(session->openNotebook().ok());
        return session;
    }
    std::unique_ptr<NotebookSession> start(bool first) {
        return start(first, root.filePath("Data"));
    }

    QStringList topLabels(NotebookSession& session) {
        QStringList labels;
        for (tree::ItemHandle child : session.tree().children(tree::kTopLevel))
            labels << session.tree().find(child)->label;
        return labels;
    }
    QByteArray firstTopicText(NotebookSession& session) {
        const tree::TreeItem* item =
            session.tree().find(session.tree().children(tree::kTopLevel)[0]);
        EXPECT_TRUE(session.fetchTopicFile(item->record->fileId));
        QFile file(tree::topicFilePath(session.paths().workingFolder, item->record->fileId));
        QByteArray text;
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(store::decompressBuffer(file.readAll(), text).ok());
        return text;
    }

    QTemporaryDir root;
    store::ProfileService profiles;
    int topicsWhenIndexed = -1;
    NotebookSession* started = nullptr; // the last start's, which the hook reads
};

TEST_F(WelcomeTest, FirstStartGreetsWithATextTopicThatIsShownFirstAndKept) {
    {
        auto session = start(true);
        ASSERT_EQ(topLabels(*session), QStringList{"Welcome.txt"});
        EXPECT_EQ(tree::topicKind(kWelcomeLabel), tree::TopicKind::Text);
        EXPECT_EQ(firstTopicText(*session), welcomeText());
        EXPECT_TRUE(welcomeText().contains("F1"));
        // Indexed, opened first, and in Tree.ini at once, so a crash keeps it.
        EXPECT_EQ(topicsWhenIndexed, 1);
        EXPECT_EQ(profiles.readString(session->paths().runtimeFile,
                                      QLatin1String(search::kRuntimeSection),
                                      QLatin1String(search::kLastEditKey)),
                  "Welcome.txt");
        QFile treeFile(session->paths().treeFile);
        ASSERT_TRUE(treeFile.open(QIODevice::ReadOnly));
        EXPECT_TRUE(treeFile.readAll().contains("Welcome.txt="));
        ASSERT_TRUE(session->exitNotebook().ok())
            << messages::NotebookMessages::problem(session->saveProblem()).toStdString();
    }
    // Later starts find it once, even if a welcome were asked for again.
    for (bool askedAgain : {false, true}) {
        auto next = start(askedAgain);
        EXPECT_EQ(next->lastOpenOutcome(), OpenOutcome::Unpacked);
        ASSERT_EQ(topLabels(*next), QStringList{"Welcome.txt"}) << askedAgain;
        EXPECT_EQ(firstTopicText(*next), welcomeText());
        ASSERT_TRUE(next->exitNotebook().ok());
    }
}

TEST_F(WelcomeTest, OnlyTheFirstOpenOfAnEmptyNewNotebookIsGreeted) {
    auto session = start(true);
    NotebookManager manager(*session);
    ASSERT_TRUE(manager.createNotebook("Ideas").ok());
    EXPECT_TRUE(topLabels(*session).isEmpty());
    ASSERT_TRUE(manager.switchToNotebook(CurrentBook::kDefaultName).ok());
    EXPECT_EQ(topLabels(*session), QStringList{"Welcome.txt"});

    // A working folder left by a crash is resumed as it is.
    const QString other = root.filePath("Other");
    auto crashed = start(false, other);
    crashed->tree().insertFolder(tree::kTopLevel, tree::InsertPosition::last(), "Plans");
    ASSERT_TRUE(crashed->saveTreeFile());
    auto resumed = start(true, other);
    EXPECT_EQ(resumed->lastOpenOutcome(), OpenOutcome::Resumed);
    EXPECT_EQ(topLabels(*resumed), QStringList{"Plans"});
}

} // namespace
} // namespace oxlin::session
