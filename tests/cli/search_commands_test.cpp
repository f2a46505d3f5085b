#include "cli/rich/rich_text_commands.h"

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

using oxlin::cli::run;
using namespace oxlin;

namespace {

// A package with a folder Old holding a plain-text topic, and a rich-text
// topic whose word "Planned" is split by formatting.
QString makePackage(const QTemporaryDir& dir, const QString& name = QStringLiteral("Book")) {
    const QString work = dir.filePath(QStringLiteral("work-") + name);
    QDir().mkpath(work);
    tree::TopicTree tree;
    const tree::ItemHandle old = tree.insertFolder(tree::kTopLevel, tree::InsertPosition::last(),
                                                   QStringLiteral("Old"));
    const std::pair<const char*, QByteArray> topics[] = {
        {"a.txt", "the plan for monday"},
        {"b.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Pl{\\b an}ned\\par}"},
        {"c.doc", "plan"},
    };
    qint32 id = 1;
    for (const auto& [label, content] : topics) {
        QByteArray packed;
        EXPECT_TRUE(store::compressBuffer(content, packed).ok());
        QFile file(QDir(work).filePath(store::topicFileName(quint32(id))));
        file.open(QIODevice::WriteOnly);
        file.write(packed);
        file.close();
        tree.insertItem(id == 1 ? old : tree::kTopLevel, tree::InsertPosition::last(),
                        QString::fromLatin1(label), tree::kTextImage, tree::TopicRecord{id, 0});
        ++id;
    }
    const QString treeFile = dir.filePath(QStringLiteral("Tree.ini"));
    tree::saveTree(tree, treeFile);
    EXPECT_TRUE(
        store::compressFile(treeFile, QDir(work).filePath(QStringLiteral("Tree.xtz"))).ok());
    const QString package = dir.filePath(name + QStringLiteral(".xzz"));
    EXPECT_TRUE(store::packFolder(work, package).ok());
    return package;
}

// Runs a command with stdout sent to a file; returns what it printed.
QString runCaptured(const QStringList& arguments, int& exitCode, const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("stdout.txt"));
    std::fflush(stdout);
    const int saved = dup(fileno(stdout));
    if (!std::freopen(path.toLocal8Bit().constData(), "w", stdout))
        return {};
    exitCode = run(arguments);
    std::fflush(stdout);
    dup2(saved, fileno(stdout));
    close(saved);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST(SearchCommand, PrintsTheMatchingTopicsAndExitsByTheCount) {
    QTemporaryDir dir;
    const QString package = makePackage(dir);
    const QByteArray before = [&] {
        QFile f(package);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    int code = -1;
    EXPECT_EQ(runCaptured({"search", package, "PLAN"}, code, dir), "b.rtf\nOld\\a.txt\n");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(runCaptured({"search", package, "PLAN", "--match-case"}, code, dir), "");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(runCaptured({"search", package, "planned"}, code, dir), "b.rtf\n")
        << "the word split by formatting is found in the visible text";
    EXPECT_EQ(runCaptured({"search", package, "par"}, code, dir), "");
    EXPECT_EQ(code, 1) << "RTF control words are not text";
    EXPECT_EQ(runCaptured({"search", "--titles", package, "o"}, code, dir),
              "[Old]\nc.doc\n");
    EXPECT_EQ(code, 0);

    QFile after(package);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before) << "the package is never changed";

    EXPECT_EQ(run({"search", dir.filePath(QStringLiteral("none.xzz")), "plan"}), 1);
    EXPECT_EQ(run({"search", package}), 2);
    EXPECT_EQ(run({"search", package, "plan", "--fuzzy"}), 2);
    EXPECT_EQ(run({"search", package, ""}), 2);
}

TEST(SearchCommand, SeveralPackagesOrADataFolderNameTheNotebookOfEachRow) {
    QTemporaryDir dir;
    const QString book = makePackage(dir);
    const QString other = makePackage(dir, QStringLiteral("Other"));
    // A sync engine's second copy of a notebook is not a notebook of its own.
    ASSERT_TRUE(QFile::copy(book, dir.filePath("Book.sync-conflict-20261208-101010-ABCDEFG.xzz")));
    QDir().mkpath(dir.filePath("Merged"));
    int code = -1;

    EXPECT_EQ(runCaptured({"search", dir.path(), "planned"}, code, dir),
              "Book: b.rtf\nOther: b.rtf\n");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(runCaptured({"search", "--titles", other, book, "o"}, code, dir),
              "Other: [Old]\nOther: c.doc\nBook: [Old]\nBook: c.doc\n")
        << "packages in the order given, each one's rows sorted";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(runCaptured({"search", book, book, "monday", "--match-case"}, code, dir),
              "Book: Old\\a.txt\nBook: Old\\a.txt\n");
    EXPECT_EQ(runCaptured({"search", dir.path(), "zebra"}, code, dir), "");
    EXPECT_EQ(code, 1) << "nothing found anywhere";

    // One package that cannot be read is named, the others still searched,
    // and the exit says not everything was.
    const QString missing = dir.filePath("Gone.xzz");
    EXPECT_EQ(runCaptured({"search", book, missing, "planned"}, code, dir), "Book: b.rtf\n");
    EXPECT_EQ(code, 1);

    QTemporaryDir empty;
    EXPECT_EQ(run({"search", empty.path(), "plan"}), 1) << "a folder without notebooks";
    EXPECT_EQ(run({"search", dir.path()}), 2) << "no keyword";
}
