#include "viewer/viewer_application.h"

#include "app/base/app_icons.h"
#include "app/base/exit_signals.h"
#include "app/base/info_options.h"
#include "app/base/launcher.h"
#include "app/shell/qt_prompter.h"
#include "messages/translations.h"
#include "viewer/viewer_controller.h"
#include "viewer/viewer_folder.h"
#include "viewer/viewer_rules.h"
#include "viewer/viewer_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace oxlin::viewer {

bool refuseMissingPackage(const QString& package, app::Prompter& prompter) {
    if (QFileInfo(package).isFile())
        return false;
    prompter.message(package, translated(kCaption), app::PromptIcon::Warning);
    prompter.message(translated(kFileNotFound), translated(kCaption), app::PromptIcon::Warning);
    return true;
}

int runViewer(int argc, char* argv[]) {
    const app::ConfigureOptions configure = [](QCommandLineParser& options) {
        options.setApplicationDescription(QCoreApplication::translate(
            "oxlin::viewer::ViewerApplication",
            "Vistelo: reads an Oxlin notebook package without changing it."));
        options.addPositionalArgument(
            QStringLiteral("package"),
            QCoreApplication::translate(
                "oxlin::viewer::ViewerApplication",
                "The notebook package to show (default: OxlinHelp.xzz beside the program)."));
        // A package named like an option still opens after "--".
        options.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    };
    app::answerInfoOptions(argc, argv, QStringLiteral("Vistelo"), configure);
    QApplication app(argc, argv);
    messages::installTranslations(QCoreApplication::applicationDirPath());
    QApplication::setApplicationName(QStringLiteral("Vistelo"));
    QApplication::setApplicationVersion(QStringLiteral(OXLIN_VERSION));
    QString commandLine;
    {
        QCommandLineParser options;
        app::addStandardOptions(options, configure);
        options.process(app); // an unknown option is reported here
        commandLine = options.positionalArguments().join(u' ');
    }
    // Names the installed desktop entry, whose icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("oxlin-vistelo"));
    QApplication::setWindowIcon(app::applicationIcon());

    app::QtPrompter prompter;
    const QString package = packagePathFrom(commandLine, QCoreApplication::applicationDirPath());
    if (refuseMissingPackage(package, prompter))
        return kMissingPackageExitCode;

    // Ended from outside, the viewer still removes its folder: the signal is
    // taken from before the folder exists, and handled once the loop runs.
    app::ExitSignals signals_;
    QObject::connect(&signals_, &app::ExitSignals::exitRequested, &app,
                     [](int) { QCoreApplication::quit(); });
    signals_.listen();

    // What a killed viewer left behind goes before this one adds its own.
    ViewerFolder::removeAbandoned();
    ViewerFolder folder;
    if (!folder.isValid()) {
        prompter.message(
            QCoreApplication::translate("oxlin::viewer::ViewerApplication",
                                        "Vistelo cannot create its working folder in \"%1\".")
                .arg(QDir::toNativeSeparators(QDir::tempPath())),
            translated(kCaption), app::PromptIcon::Error);
        return 1;
    }

    int code = 0;
    {
        app::DesktopLauncher launcher;
        ViewerController controller(folder.path(), prompter, launcher);
        ViewerWindow& window = controller.window();
        if (!controller.open(package)) {
            prompter.message(QCoreApplication::translate(
                                 "oxlin::viewer::ViewerApplication",
                                 "The notebook package \"%1\" is damaged and could not be read.")
                                 .arg(QDir::toNativeSeparators(package)),
                             translated(kCaption), app::PromptIcon::Warning);
        }
        prompter.setParent(&window);
        QObject::connect(&window, &ViewerWindow::closed, &app, &QApplication::quit,
                         Qt::QueuedConnection);

        window.resize(kViewerWindowSize);
        window.show();
        code = app.exec();
        prompter.setParent(nullptr);
        controller.shutDown();
    }
    return code;
}

} // namespace oxlin::viewer
