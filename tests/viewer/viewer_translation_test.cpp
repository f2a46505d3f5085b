// The viewer's own texts go through Qt's translators, in the contexts they
// are marked in; the package it is given and its folder are names, not words.
#include <QtTest>

#include "app/shell/command_ids.h"
#include "app/shell/launcher.h"
#include "app/shell/scripted_prompter.h"
#include "viewer/viewer_application.h"
#include "viewer/viewer_controller.h"
#include "viewer/viewer_folder.h"
#include "viewer/viewer_rules.h"
#include "viewer/viewer_window.h"

#include <QAction>
#include <QTranslator>

#include <map>

using namespace oxlin;
using namespace oxlin::viewer;

namespace {

// Knows a few German texts by context; puts marks around everything else.
class GermanTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        const QString source = QString::fromUtf8(sourceText);
        if (source.isEmpty())
            return {};
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

bool marked(const QString& text) {
    return text.startsWith(u'«') && text.endsWith(u'»');
}

} // namespace

class ViewerTranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(QCoreApplication::installTranslator(&translator_)); }
    void cleanup() { QCoreApplication::removeTranslator(&translator_); }

    void missingPackageIsReportedInTheUsersLanguage();
    void titleAndCommandsAreTranslated();

private:
    GermanTranslator translator_;
};

void ViewerTranslationTest::missingPackageIsReportedInTheUsersLanguage() {
    app::ScriptedPrompter prompter;
    QVERIFY(refuseMissingPackage(QStringLiteral("/nowhere/Plan.xzz"), prompter));
    QCOMPARE(prompter.messageTexts(), (QStringList{QStringLiteral("/nowhere/Plan.xzz"),
                                                   QStringLiteral("Datei nicht gefunden.")}));
    for (const app::ScriptedPrompter::Asked& asked : prompter.asked)
        QCOMPARE(asked.caption, QStringLiteral("Oxlin-Betrachter"));
}

void ViewerTranslationTest::titleAndCommandsAreTranslated() {
    QCOMPARE(windowTitle(QStringLiteral("Plan"), QStringLiteral("notes.txt")),
             QStringLiteral("[notes.txt] in Plan"));
    QCOMPARE(windowTitle(QStringLiteral("Plan"), QString()), QStringLiteral("Plan"));

    QTemporaryDir temp;
    ViewerFolder folder(temp.path());
    app::ScriptedPrompter prompter;
    app::RecordingLauncher launcher;
    ViewerController controller(folder.path(), prompter, launcher);
    ViewerWindow& window = controller.window();
    QVERIFY2(marked(window.windowTitle()), qPrintable(window.windowTitle()));
    QCOMPARE(window.action(app::cmd::Export)->text(), QStringLiteral("Exportieren"));
    for (int id : {app::cmd::Copy, app::cmd::Find, app::cmd::WordWrap})
        QVERIFY2(marked(window.action(id)->text()), qPrintable(window.action(id)->text()));
}

QTEST_MAIN(ViewerTranslationTest)
#include "viewer_translation_test.moc"
