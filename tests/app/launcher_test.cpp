// The desktop launcher's real command lines and addresses, recorded by its
// desktop seam instead of started.

#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/shell/main_window.h"
#include "fake_topics.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace oxlin::app;

namespace {

struct NoExit final : ExitSequence {
    bool runExitSequence() override { return false; }
};

// A desktop that starts nothing and remembers what it was asked.
struct RecordedDesktop {
    struct Start {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };
    QList<Start> starts;
    QList<QUrl> opened;
    QList<QStringList> queries; // program first
    std::optional<QByteArray> answer = QByteArray("editor.desktop\n");

    DesktopLauncher launcher() {
        DesktopLauncher::Desktop desktop;
        desktop.startDetached = [this](const QString& program, const QStringList& arguments,
                                       const QString& folder) {
            starts.append({program, arguments, folder});
            return true;
        };
        desktop.openUrl = [this](const QUrl& url) {
            opened.append(url);
            return true;
        };
        desktop.query = [this](const QString& program, const QStringList& arguments) {
            queries.append(QStringList{program} + arguments);
            return answer;
        };
        return DesktopLauncher(std::move(desktop));
    }
};

} // namespace

class LauncherTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void helpStartsTheViewerWithTheHelpPackage();
    void filesOpenWithTheirApplicationWhenThereIsOne();
    void webLinksGoToTheBrowserUnchanged();
};

void LauncherTest::helpStartsTheViewerWithTheHelpPackage() {
    QTemporaryDir root;
    const QString folder = QDir(root.path()).filePath("My Programs");
    QVERIFY(QDir().mkpath(folder));
    for (const char* name : {"Vistelo", "Vistelo.exe", "OxlinHelp.xzz"}) {
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    FakeTopics topics(root.path());
    ScriptedPrompter prompter;
    RecordedDesktop desktop;
    DesktopLauncher launcher = desktop.launcher();
    NoExit exit;
    MainWindow window(topics, exit, prompter, launcher, folder);
    window.dispatch(cmd::HelpTopics);

    QCOMPARE(desktop.starts.size(), 1);
#ifdef Q_OS_WIN
    QCOMPARE(desktop.starts[0].program, QDir(folder).filePath("Vistelo.exe"));
#else
    QCOMPARE(desktop.starts[0].program, QDir(folder).filePath("Vistelo"));
#endif
    // One argument, spaces and all: no shell splits it.
    QCOMPARE(desktop.starts[0].arguments, QStringList{QDir(folder).filePath("OxlinHelp.xzz")});
    QCOMPARE(desktop.starts[0].workingFolder, folder);
    QVERIFY(desktop.opened.isEmpty());
}

void LauncherTest::filesOpenWithTheirApplicationWhenThereIsOne() {
    RecordedDesktop desktop;
    DesktopLauncher launcher = desktop.launcher();
    QVERIFY(launcher.openWithApplication("/tmp/My Docs/a b.txt"));
    const QStringList query = {"xdg-mime", "query", "default", "text/plain"};
    QCOMPARE(desktop.queries, QList<QStringList>{query});
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile("/tmp/My Docs/a b.txt")});
    QCOMPARE(desktop.opened[0].toString(), QStringLiteral("file:///tmp/My Docs/a b.txt"));

    // A relative path is the file in the current folder.
    desktop.opened.clear();
    QVERIFY(launcher.openWithApplication("notes.txt"));
    const QUrl here = QUrl::fromLocalFile(QDir::current().filePath("notes.txt"));
    QCOMPARE(desktop.opened, QList<QUrl>{here});

    // No application for the type: refused, so the caller can say so.
    desktop.opened.clear();
    desktop.answer = QByteArray("\n");
    QVERIFY(!launcher.openWithApplication("/tmp/a.txt"));
    QVERIFY(desktop.opened.isEmpty());
    // No way to ask: the desktop's opener tries.
    desktop.answer.reset();
    QVERIFY(launcher.openWithApplication("/tmp/a.txt"));
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(desktop.starts.isEmpty());
}

void LauncherTest::webLinksGoToTheBrowserUnchanged() {
    RecordedDesktop desktop;
    DesktopLauncher launcher = desktop.launcher();
    const QString hostile = "https://example.org/?q=\"; touch /tmp/x;\"";
    QVERIFY(launcher.openInBrowser(hostile));
    QVERIFY(launcher.openInBrowser("www.example.org/a"));
    QVERIFY(launcher.openInBrowser("mailto:someone@example.org"));
    QCOMPARE(desktop.opened.size(), 3);
    QCOMPARE(desktop.opened[0], QUrl(hostile));
    QCOMPARE(desktop.opened[1].toString(), QStringLiteral("http://www.example.org/a"));
    QCOMPARE(desktop.opened[2].toString(), QStringLiteral("mailto:someone@example.org"));
    QVERIFY(!launcher.openInBrowser(""));
    QCOMPARE(desktop.opened.size(), 3);
    QVERIFY(desktop.starts.isEmpty() && desktop.queries.isEmpty());
}

QTEST_MAIN(LauncherTest)
#include "launcher_test.moc"
