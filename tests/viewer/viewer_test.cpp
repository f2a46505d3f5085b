// Vistelo: its command line and topic kinds, a whole read-only session over
// a package and its private folders.
#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/find_replace.h"
#include "app/editor/link_commands.h"
#include "app/editor/topic_text_edit.h"
#include "app/search/keyword_panel.h"
#include "app/search/locate_panel.h"
#include "app/search/search_presenter.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "cli/rich/rich_text_commands.h"
#include "core/tree/links.h"
#include "viewer/viewer_application.h"
#include "viewer/viewer_controller.h"
#include "viewer/viewer_folder.h"
#include "viewer/viewer_rules.h"
#include "viewer/viewer_window.h"

#include "open_viewer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTranslator>
#include <QTreeView>

#include <map>
#include <memory>

using namespace oxlin;
using namespace oxlin::viewer;
using app::PromptIcon;
namespace cmd = app::cmd;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray sha256(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A package "Plan.xzz" in `folder`, made by the oxlin tool from a tree of
// files: one topic of each kind the viewer tells apart.
QString makePlan(const QString& folder, const QByteArray& budgetWord = "budget") {
    const QDir source(QDir(folder).filePath("source"));
    writeFile(source.filePath("1 main.cpp"), "int main() { return 0; }\n");
    writeFile(source.filePath("2 notes.txt"), "The " + budgetWord + " is due in May.\n");
    writeFile(source.filePath("3 rich.rtf"), "{\\rtf1\\ansi {\\b Bold} words\\par}");
    writeFile(source.filePath("4 README"), "no extension");
    writeFile(source.filePath("5 photo.png"), "\x89PNG not really");
    writeFile(source.filePath("6 Folder/notes.txt"), "inside");
    const QString package = QDir(folder).filePath("Plan.xzz");
    if (cli::run({"build", source.path(), package}) != cli::kSuccess)
        return {};
    return package;
}

// Knows a few German texts by context and marks every other text it is asked for.
class GermanTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        const QString source = QString::fromUtf8(sourceText);
        const auto known = german.find({QString::fromUtf8(context), source});
        return known != german.end() ? known->second : u'«' + source + u'»';
    }
    bool isEmpty() const override { return false; }

    std::map<std::pair<QString, QString>, QString> german{
        {{"oxlin::viewer::ViewerRules", "OxlinViewer"}, "Oxlin-Betrachter"},
        {{"oxlin::viewer::ViewerRules", "File not found."}, "Datei nicht gefunden."},
        {{"oxlin::viewer::ViewerRules", "%1 - [%2]"}, "[%2] in %1"},
        {{"oxlin::viewer::ViewerWindow", "Export"}, "Exportieren"},
    };
};

} // namespace

class ViewerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void topicOpening_data();
    void topicOpening();
    void missingPackageIsReportedTwice();
    void ownTextsGoThroughTheTranslators();

    void opensThePackageWithItsLastTopicAndTitle();
    void eachKindOfTopicOpensItsWay();
    void editorIsReadOnlyButSelectsCopiesAndFinds();
    void panelsHaveTheViewersDifferences();
    void exportsTopicsAndFolders();
    void topicsComeOutOfThePackageOnlyWhenNeeded();
    void packageCutShortWhileShownIsReadSafely();
    void f10LeavesAndReentersTheTopmostBand();
    void packageIsNeverWritten();
    void damagedPackageGivesAnEmptyTree();

    void viewersOfOneBaseNameKeepApartAndClearUp();
    void killedViewersFolderIsRemovedByTheNext();
    void terminatedViewerRemovesItsFolder();
};

void ViewerTest::commandLine_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nominal: a path as it is") << "/home/a/Plan.xzz" << "/home/a/Plan.xzz";
    QTest::newRow("nominal: quoted, with blanks") << "\"/home/a b/Plan.xzz\"" << "/home/a b/Plan.xzz";
    QTest::newRow("nominal: empty is the help beside the program") << "" << "/opt/oxlin/OxlinHelp.xzz";
    QTest::newRow("robustness: text before and after the quotes")
        << "x \"/a/Plan.xzz\" y" << "/a/Plan.xzz";
    QTest::newRow("robustness: no closing quote runs to the end") << "\"/a/Plan.xzz" << "/a/Plan.xzz";
    QTest::newRow("robustness: two quotes name nothing") << "\"\"" << "";
}

void ViewerTest::commandLine() {
    QFETCH(QString, commandLine);
    QFETCH(QString, expected);
    QCOMPARE(packagePathFrom(commandLine, "/opt/oxlin"), expected);
    QCOMPARE(notebookNameOf("/a/b/Plan.xzz"), QString("Plan"));
}

void ViewerTest::topicOpening_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("opening");
    const int editor = int(TopicOpening::Editor);
    for (const char* label : {"a.txt", "a.CPP", "a.c", "a.hpp", "a.H", "a.rc", "a.ini", "a.Log",
                              "a.rtf", "a.b.TXT"})
        QTest::newRow(label) << QString(label) << editor;
    for (const char* label : {"a.png", "a.cc", "a.txt.bak", "a."})
        QTest::newRow(label) << QString(label) << int(TopicOpening::Application);
    QTest::newRow("no extension") << "README" << int(TopicOpening::None);
    QTest::newRow("a leading dot is no extension") << ".profile" << int(TopicOpening::None);
}

void ViewerTest::topicOpening() {
    QFETCH(QString, label);
    QFETCH(int, opening);
    QCOMPARE(int(topicOpeningFor(label)), opening);
}

void ViewerTest::missingPackageIsReportedTwice() {
    app::ScriptedPrompter prompter;
    QVERIFY(refuseMissingPackage("/nowhere/Plan.xzz", prompter));
    QCOMPARE(prompter.messageTexts(), (QStringList{"/nowhere/Plan.xzz", "File not found."}));
    for (const auto& asked : prompter.asked) {
        QCOMPARE(asked.caption, QString("OxlinViewer"));
        QCOMPARE(asked.icon, PromptIcon::Warning);
    }
    QCOMPARE(kMissingPackageExitCode, -1);
    QTemporaryDir dir;
    QVERIFY(!refuseMissingPackage(makePlan(dir.path()), prompter));
}

void ViewerTest::ownTextsGoThroughTheTranslators() {
    GermanTranslator german;
    QVERIFY(QCoreApplication::installTranslator(&german));
    const auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&german); });

    app::ScriptedPrompter prompter;
    QVERIFY(refuseMissingPackage("/nowhere/Plan.xzz", prompter));
    QCOMPARE(prompter.messageTexts(), (QStringList{"/nowhere/Plan.xzz", "Datei nicht gefunden."}));
    for (const app::ScriptedPrompter::Asked& asked : prompter.asked)
        QCOMPARE(asked.caption, QStringLiteral("Oxlin-Betrachter"));
    QCOMPARE(windowTitle("Plan", "notes.txt"), QStringLiteral("[notes.txt] in Plan"));

    QTemporaryDir temp;
    ViewerFolder folder(temp.path());
    app::RecordingLauncher launcher;
    ViewerController controller(folder.path(), prompter, launcher);
    ViewerWindow& window = controller.window();
    QCOMPARE(window.windowTitle(), QStringLiteral("«Vistelo»"));
    QCOMPARE(window.action(app::cmd::Export)->text(), QStringLiteral("Exportieren"));
    for (int id : {app::cmd::Copy, app::cmd::Find, app::cmd::WordWrap})
        QVERIFY2(window.action(id)->text().startsWith(u'«'), qPrintable(window.action(id)->text()));
}

void ViewerTest::opensThePackageWithItsLastTopicAndTitle() {
    QTemporaryDir dir;
    OpenViewer viewer(makePlan(dir.path()));
    QVERIFY(viewer.opened);
    QVERIFY(viewer.item("Folder\\notes.txt") != tree::kNoItem);
    // The package's LastEdit (its first topic) is open, and the title says so.
    QCOMPARE(viewer.openLabel(), QString("main.cpp"));
    QCOMPARE(viewer.window().windowTitle(), QString("Plan - [main.cpp]"));
    QVERIFY(viewer.editor().editor()->toPlainText().contains("int main()"));
    // The working folder is inside the viewer's own folder, named by the notebook.
    QCOMPARE(viewer.controller->workingFolder(), QDir(viewer.folder.path()).filePath("Plan"));
    QVERIFY(viewer.window().windowFlags() & Qt::Tool);
}

void ViewerTest::eachKindOfTopicOpensItsWay() {
    QTemporaryDir dir;
    OpenViewer viewer(makePlan(dir.path()));
    viewer.controller->openTopic(viewer.item("rich.rtf"));
    QCOMPARE(viewer.openLabel(), QString("rich.rtf"));
    QCOMPARE(viewer.editor().editor()->toPlainText(), QString("Bold words"));
    QCOMPARE(viewer.window().windowTitle(), QString("Plan - [rich.rtf]"));
    // A file topic goes to its application; the editor keeps its topic.
    viewer.controller->openTopic(viewer.item("photo.png"));
    QTRY_COMPARE(viewer.launcher.started.size(), 1);
    QCOMPARE(viewer.launcher.started[0].kind, QString("open"));
    QCOMPARE(QFileInfo(viewer.launcher.started[0].arguments[0]).fileName(), QString("photo.png"));
    QCOMPARE(viewer.openLabel(), QString("rich.rtf"));
    // No extension: nothing opens. A folder: nothing opens, it is selected.
    viewer.controller->openTopic(viewer.item("README"));
    viewer.controller->openTopic(viewer.item("Folder"));
    QCOMPARE(viewer.openLabel(), QString("rich.rtf"));
    QCOMPARE(viewer.launcher.started.size(), 1);
    // Space in the tree opens the selection.
    QTreeView* view = viewer.window().treeView();
    view->setCurrentIndex(viewer.controller->model().indexOf(viewer.item("notes.txt")));
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(viewer.openLabel(), QString("notes.txt"));
}

void ViewerTest::editorIsReadOnlyButSelectsCopiesAndFinds() {
    QTemporaryDir dir;
    OpenViewer viewer(makePlan(dir.path()));
    viewer.controller->openTopic(viewer.item("notes.txt"));
    app::TopicTextEdit* edit = viewer.editor().editor();
    const QString before = edit->toPlainText();
    edit->setFocus();
    QTest::keyClicks(edit, "typed");
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->toPlainText(), before);
    // Typing never made it to the topic file either: open another and come back.
    viewer.controller->openTopic(viewer.item("main.cpp"));
    viewer.controller->openTopic(viewer.item("notes.txt"));
    QCOMPARE(edit->toPlainText(), before);

    app::FindRequest request;
    request.text = "due";
    QVERIFY(app::findNext(*edit, request));
    QCOMPARE(edit->textCursor().selectedText(), QString("due"));
    viewer.window().dispatch(cmd::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("due"));
    // The editor's menu is the viewer's three entries.
    QStringList entries;
    for (QAction* action : viewer.window().editorMenu()->actions())
        entries << (action->isSeparator() ? QString("-") : action->text());
    QCOMPARE(entries, (QStringList{"Copy", "-", "Find...", "-", "Word Wrap"}));
    const bool wrap = viewer.editor().wordWrap();
    viewer.window().dispatch(cmd::WordWrap);
    QCOMPARE(viewer.editor().wordWrap(), !wrap);
}

void ViewerTest::panelsHaveTheViewersDifferences() {
    QTemporaryDir dir;
    OpenViewer viewer(makePlan(dir.path()));
    QVERIFY(viewer.window().locatePanel()->refreshButton()->isHidden());
    QCOMPARE(viewer.window().locatePanel()->rows().size(), std::size_t(6));
    app::KeywordPanel* keyword = viewer.window().keywordPanel();
    QVERIFY(!keyword->treeOnlyBox()->isChecked());
    // A content search finds the word inside a topic, captioned as the viewer.
    keyword->keywordBox()->setEditText("budget");
    QSignalSpy finished(&viewer.controller->search(), &app::SearchPresenter::searchFinished);
    viewer.controller->search().runSearch();
    QVERIFY(finished.wait(10000));
    QCOMPARE(viewer.prompter.asked.last().caption, QString("OxlinViewer"));
    QCOMPARE(viewer.prompter.asked.last().text, QString("1 topic includes the keyword."));
}

void ViewerTest::exportsTopicsAndFolders() {
    QTemporaryDir dir;
    OpenViewer viewer(makePlan(dir.path()));
    QTreeView* view = viewer.window().treeView();
    const auto select = [&](const QString& path) {
        view->setCurrentIndex(viewer.controller->model().indexOf(viewer.item(path)));
    };
    const QString out = QDir(dir.path()).filePath("out");
    QDir().mkpath(out);

    select("photo.png");
    viewer.prompter.fileNames.enqueue(QDir(out).filePath("photo.png"));
    viewer.window().dispatch(cmd::Export);
    QCOMPARE(viewer.prompter.messageTexts().last(), QString("export file OK!"));
    QCOMPARE(QFile(QDir(out).filePath("photo.png")).size(), qint64(15));

    // A text topic goes through the editor's export, which fixes the extension.
    select("notes.txt");
    viewer.prompter.fileNames.enqueue(QDir(out).filePath("notes.doc"));
    viewer.window().dispatch(cmd::Export);
    QVERIFY(QFileInfo::exists(QDir(out).filePath("notes.txt")));

    select("Folder");
    viewer.prompter.folders.enqueue(out);
    viewer.window().dispatch(cmd::Export);
    QCOMPARE(viewer.prompter.messageTexts().last(), QString("export folder OK!"));
    QFile inside(QDir(out).filePath("Folder/notes.txt"));
    QVERIFY(inside.open(QIODevice::ReadOnly));
    QCOMPARE(inside.readAll(), QByteArray("inside"));
    viewer.prompter.folders.enqueue(out);
    viewer.window().dispatch(cmd::Export);
    QCOMPARE(viewer.prompter.messageTexts().last(), QString("Folder already exist!"));
    QCOMPARE(viewer.prompter.asked.last().caption, QString("Error"));
}

void ViewerTest::topicsComeOutOfThePackageOnlyWhenNeeded() {
    QTemporaryDir dir;
    OpenViewer viewer(makePlan(dir.path()));
    const QDir working(viewer.controller->workingFolder());
    const auto topicFiles = [&] {
        QStringList names = working.entryList({"*.xtz"}, QDir::Files);
        names.removeAll("Tree.xtz");
        names.removeAll("Z.xtz");
        return names.size();
    };
    // Six topics; only the one opened at start (LastEdit) is out.
    QCOMPARE(topicFiles(), 1);

    // The content search reads the package itself.
    viewer.window().keywordPanel()->keywordBox()->setEditText("inside");
    QSignalSpy finished(&viewer.controller->search(), &app::SearchPresenter::searchFinished);
    viewer.controller->search().runSearch();
    QVERIFY(finished.wait(10000));
    QCOMPARE(viewer.prompter.asked.last().text, QString("1 topic includes the keyword."));
    QCOMPARE(topicFiles(), 1);

    // Opening a topic, and exporting a folder, take their files out.
    viewer.controller->openTopic(viewer.item("rich.rtf"));
    QCOMPARE(viewer.editor().editor()->toPlainText(), QString("Bold words"));
    QCOMPARE(topicFiles(), 2);
    const QString out = QDir(dir.path()).filePath("out");
    QDir().mkpath(out);
    viewer.window().treeView()->setCurrentIndex(
        viewer.controller->model().indexOf(viewer.item("Folder")));
    viewer.prompter.folders.enqueue(out);
    viewer.window().dispatch(cmd::Export);
    QFile inside(QDir(out).filePath("Folder/notes.txt"));
    QVERIFY(inside.open(QIODevice::ReadOnly));
    QCOMPARE(inside.readAll(), QByteArray("inside"));
}

void ViewerTest::packageCutShortWhileShownIsReadSafely() {
    QTemporaryDir dir;
    // A topic stored well past the package's first pages.
    const QDir source(dir.filePath("source"));
    QByteArray noise(256 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + (i >> 5) * 104729) & 0xFF);
    writeFile(source.filePath("1 noise.txt"), noise);
    writeFile(source.filePath("2 late.txt"), "stored last");
    const QString package = dir.filePath("Late.xzz");
    QCOMPARE(cli::run({"build", source.path(), package}), cli::kSuccess);
    OpenViewer viewer(package);
    QVERIFY(viewer.opened);

    // Another program rewrites the package in place while it is shown: what
    // is read afterwards may be missing, and the viewer goes on.
    QFile file(package);
    QVERIFY(file.resize(64));
    viewer.controller->openTopic(viewer.item("late.txt"));
    QCOMPARE(viewer.openLabel(), QString("late.txt"));
    viewer.window().keywordPanel()->keywordBox()->setEditText("stored");
    QSignalSpy finished(&viewer.controller->search(), &app::SearchPresenter::searchFinished);
    viewer.controller->search().runSearch();
    QVERIFY(finished.wait(10000));
}

void ViewerTest::f10LeavesAndReentersTheTopmostBand() {
    QTemporaryDir dir;
    OpenViewer viewer(makePlan(dir.path()));
    ViewerWindow& window = viewer.window();
    QVERIFY(window.isAlwaysOnTop());
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::keyClick(&window, Qt::Key_F10);
    QVERIFY(!window.isAlwaysOnTop());
    QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    window.dispatch(cmd::AlwaysOnTop);
    QVERIFY(window.isAlwaysOnTop());
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
}

void ViewerTest::packageIsNeverWritten() {
    QTemporaryDir dir;
    const QString package = makePlan(dir.path());
    const QByteArray hash = sha256(package);
    const QDateTime modified = QFileInfo(package).lastModified();
    const QStringList besides = QDir(dir.path()).entryList(QDir::Files);
    QString folder;
    {
        OpenViewer viewer(package);
        folder = viewer.folder.path();
        viewer.tree().walk([&](const tree::TreeItem& item, int) {
            viewer.controller->openTopic(item.handle);
        });
        QTest::keyClicks(viewer.editor().editor(), "more text");
        viewer.window().keywordPanel()->keywordBox()->setEditText("budget");
        viewer.controller->search().runSearch();
        viewer.controller->shutDown();
    }
    QCOMPARE(sha256(package), hash);
    QCOMPARE(QFileInfo(package).lastModified(), modified);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), besides); // nothing written beside it
    QVERIFY(!QFileInfo::exists(folder));
}

void ViewerTest::damagedPackageGivesAnEmptyTree() {
    QTemporaryDir dir;
    const QString package = QDir(dir.path()).filePath("Broken.xzz");
    writeFile(package, QByteArray(300, 'x'));
    OpenViewer viewer(package);
    QVERIFY(!viewer.opened);
    QVERIFY(viewer.tree().isEmpty());
    QCOMPARE(viewer.window().windowTitle(), QString("Broken"));
    QCOMPARE(sha256(package), QCryptographicHash::hash(QByteArray(300, 'x'),
                                                       QCryptographicHash::Sha256));
}

void ViewerTest::viewersOfOneBaseNameKeepApartAndClearUp() {
    QTemporaryDir one;
    QTemporaryDir two;
    QString folders[2];
    {
        OpenViewer first(makePlan(one.path(), "budget"));
        OpenViewer second(makePlan(two.path(), "forecast"));
        folders[0] = first.controller->workingFolder();
        folders[1] = second.controller->workingFolder();
        QVERIFY(folders[0] != folders[1]);
        QCOMPARE(QFileInfo(folders[0]).fileName(), QString("Plan"));
        QCOMPARE(QFileInfo(folders[1]).fileName(), QString("Plan"));
        // Each shows its own package.
        first.controller->openTopic(first.item("notes.txt"));
        second.controller->openTopic(second.item("notes.txt"));
        QVERIFY(first.editor().editor()->toPlainText().contains("budget"));
        QVERIFY(second.editor().editor()->toPlainText().contains("forecast"));
        // The first to go leaves the other's files alone.
        first.controller.reset();
    }
    QVERIFY(!QFileInfo::exists(folders[0]));
    QVERIFY(!QFileInfo::exists(folders[1]));
}

namespace {

// Starts the real viewer on the help package with its temporary folder in
// `temp`, and waits for its folder to appear there.
QString startViewer(QProcess& process, const QString& temp) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temp);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("OXLIN_UPDATE_URL", "http://127.0.0.1:9");
    process.setProcessEnvironment(environment);
    process.start(OXLIN_VIEWER, {QDir(OXLIN_BIN_DIR).filePath("OxlinHelp.xzz")});
    QString folder;
    (void)QTest::qWaitFor(
        [&] {
            const QStringList found = QDir(temp).entryList({"OxlinViewer-*"}, QDir::Dirs);
            if (!found.isEmpty() &&
                QFileInfo::exists(QDir(temp).filePath(found[0] + "/OxlinHelp/Tree.ini")))
                folder = QDir(temp).filePath(found[0]);
            return !folder.isEmpty();
        },
        10000);
    return folder;
}

} // namespace

void ViewerTest::killedViewersFolderIsRemovedByTheNext() {
    QTemporaryDir temp;
    QProcess process;
    const QString folder = startViewer(process, temp.path());
    QVERIFY(!folder.isEmpty());
    process.kill();
    QVERIFY(process.waitForFinished(5000));
    QVERIFY(QFileInfo::exists(folder));
    // A running viewer's folder stays; the killed one's goes.
    ViewerFolder running(temp.path());
    QCOMPARE(ViewerFolder::removeAbandoned(temp.path()), 1);
    QVERIFY(!QFileInfo::exists(folder));
    QVERIFY(QFileInfo::exists(running.path()));
}

void ViewerTest::terminatedViewerRemovesItsFolder() {
    QTemporaryDir temp;
    QProcess process;
    const QString folder = startViewer(process, temp.path());
    QVERIFY(!folder.isEmpty());
    process.terminate();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(folder));
}

QTEST_MAIN(ViewerTest)
#include "viewer_test.moc"
