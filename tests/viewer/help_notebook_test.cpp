// The help notebooks in the viewer, in English and in each translation, and
// the Help command that starts the viewer on the help.
#include "app/base/command_ids.h"
#include "app/editor/link_commands.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "core/paths/install_layout.h"
#include "core/tree/links.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "open_viewer.h"

using namespace oxlin;
using namespace oxlin::viewer;
namespace cmd = app::cmd;

namespace {

// The shape of a help's tree: each item's depth and kind, in tree order.
QStringList outlineOf(OpenViewer& viewer) {
    QStringList outline;
    viewer.tree().walk([&](const tree::TreeItem& item, int depth) {
        outline << QString::number(depth) + (item.isTopic() ? u'T' : u'F');
    });
    return outline;
}

} // namespace

class HelpNotebookTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void helpNotebookHasItsTopicsAndEveryLinkResolves_data();
    void helpNotebookHasItsTopicsAndEveryLinkResolves();
    void helpCommandStartsTheViewerOnlyWhenBothExist();
};

// The English help and its translations: the first topic is the one a
// reader sees first.
void HelpNotebookTest::helpNotebookHasItsTopicsAndEveryLinkResolves_data() {
    QTest::addColumn<QString>("package");
    QTest::addColumn<QStringList>("someTopics");
    QTest::newRow("English") << "OxlinHelp.xzz"
                             << QStringList{"Welcome.rtf",
                                            "Keys.rtf",
                                            "Getting started\\Topics and folders.rtf",
                                            "Working with topics\\Links.rtf",
                                            "Notebooks\\Import and export.rtf",
                                            "Tools\\The viewer Vistelo.rtf",
                                            "Tools\\The oxlin command.rtf"};
    QTest::newRow("German") << "OxlinHelp_de.xzz"
                            << QStringList{"Willkommen.rtf", QString::fromUtf8("Tastenkürzel.rtf"),
                                           "Arbeiten mit Themen\\Links.rtf",
                                           "Werkzeuge\\Der Befehl oxlin.rtf"};
    QTest::newRow("Chinese") << "OxlinHelp_zh_CN.xzz"
                             << QStringList{QString::fromUtf8("欢迎.rtf"),
                                            QString::fromUtf8("快捷键.rtf"),
                                            QString::fromUtf8("使用主题\\链接.rtf"),
                                            QString::fromUtf8("工具\\oxlin 命令.rtf")};
}

void HelpNotebookTest::helpNotebookHasItsTopicsAndEveryLinkResolves() {
    QFETCH(QString, package);
    QFETCH(QStringList, someTopics);
    OpenViewer viewer(QDir(OXLIN_BIN_DIR).filePath(package));
    QVERIFY(viewer.opened);
    for (const QString& path : someTopics)
        QVERIFY2(viewer.item(path) != tree::kNoItem, qPrintable(path));
    QCOMPARE(viewer.openLabel(), someTopics.first());
    if (package != "OxlinHelp.xzz") { // translated whole: the English help's every topic
        OpenViewer english(QDir(OXLIN_BIN_DIR).filePath("OxlinHelp.xzz"));
        QCOMPARE(outlineOf(viewer), outlineOf(english));
    }

    viewer.window().resize(kViewerWindowSize);
    std::vector<tree::ItemHandle> topics;
    viewer.tree().walk([&](const tree::TreeItem& item, int) {
        if (item.isTopic())
            topics.push_back(item.handle);
    });
    int followed = 0;
    for (tree::ItemHandle topic : topics) {
        viewer.controller->openTopic(topic);
        const QString source = viewer.tree().itemPath(topic);
        app::TopicTextEdit& edit = *viewer.editor().editor();
        QVERIFY2(!edit.toPlainText().trimmed().isEmpty(), qPrintable(source));
        // A reader sees link texts, never a link's escaped address, and a
        // table never runs past the right edge of the pane.
        QVERIFY2(!edit.toPlainText().contains("$CurrentBook$"), qPrintable(source));
        QApplication::processEvents();
        QVERIFY2(edit.horizontalScrollBar()->maximum() == 0, qPrintable(source));
        QStringList links;
        for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
            for (const tree::LinkSpan& span : tree::findLinks(block.text()))
                links << block.text().mid(span.start, span.length);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isAnchor())
                    links << format.anchorHref();
                // Every letter can be drawn, by the font the topic names or
                // a font the system puts in for it: none becomes a box.
                const QFontMetrics metrics(format.font());
                for (QChar letter : it.fragment().text())
                    QVERIFY2(letter.isSpace() || letter == QChar::ObjectReplacementCharacter ||
                                 metrics.inFont(letter),
                             qPrintable(source + ": " + letter + " in " + format.font().family()));
            }
        }
        for (const QString& link : links) {
            const tree::ParsedLink parsed = tree::parseLink(link);
            if (parsed.kind != tree::LinkKind::Topic)
                continue;
            viewer.controller->openTopic(topic);
            QVERIFY(viewer.controller->links().activate(link));
            const QString reached = viewer.tree().itemPath(viewer.editor().currentTopic());
            QVERIFY2(reached.compare(parsed.target, Qt::CaseInsensitive) == 0,
                     qPrintable(source + " links to a missing " + parsed.target));
            ++followed;
        }
    }
    QVERIFY(followed >= 5); // the help does link its topics to each other
}

void HelpNotebookTest::helpCommandStartsTheViewerOnlyWhenBothExist() {
    QTemporaryDir data;
    app::ScriptedPrompter prompter;
    app::RecordingLauncher launcher;
    for (const QString& programs : {QString(OXLIN_BIN_DIR), data.path()}) {
        app::NotebookController notebook(QDir(data.path()).filePath("OxlinData"), prompter,
                                         launcher, programs);
        notebook.openNotebook();
        notebook.window().dispatch(cmd::HelpTopics);
        notebook.exitSequence();
    }
    // Only the program folder holding both started it, with both paths: the
    // help in the language the system speaks.
    QCOMPARE(launcher.started.size(), 1);
    QCOMPARE(launcher.started[0].kind, QString("viewer"));
    QCOMPARE(launcher.started[0].arguments, (QStringList{QDir(OXLIN_BIN_DIR).filePath("Vistelo"),
                                                         paths::helpPackagePath(OXLIN_BIN_DIR)}));
}

QTEST_MAIN(HelpNotebookTest)
#include "help_notebook_test.moc"
