#include "app/shell/notebook_application.h"

#include "app/base/app_icons.h"
#include "app/base/exit_signals.h"
#include "app/base/info_options.h"
#include "app/base/launcher.h"
#include "app/desktop/window_system.h"
#include "app/dialogs/loading_banner.h"
#include "app/editor/editor_host.h"
#include "app/shell/background_shell.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "app/shell/qt_prompter.h"
#include "app/shell/window_placement.h"
#include "app/update/update_check.h"
#include "core/paths/install_layout.h"
#include "core/paths/notebook_paths.h"
#include "core/session/instance_lock.h"
#include "messages/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSessionManager>
#include <QSystemTrayIcon>
#include <QTimer>

namespace oxlin::app {

namespace {

// Another copy holds the notebooks: this one ends at once.
void sayAlreadyRunning(Prompter& prompter) {
    prompter.message(
        QCoreApplication::translate("oxlin::app::NotebookApplication", "Oxlin is running."),
        QCoreApplication::translate("oxlin::app::NotebookApplication", "Oxlin"), PromptIcon::Error);
}

// The options --help describes.
ConfigureOptions notebookOptions() {
    return [](QCommandLineParser& options) {
        options.setApplicationDescription(QCoreApplication::translate(
            "oxlin::app::NotebookApplication", "Oxlin Notebook: notes in folders and topics."));
    };
}

// Names, version and icon; the options are checked here (an unknown one is
// reported and ends the program).
void setUpApplication(QApplication& app, const ConfigureOptions& configure) {
    QApplication::setApplicationName(QStringLiteral("Oxlin"));
    QApplication::setApplicationVersion(QStringLiteral(OXLIN_VERSION));
    {
        QCommandLineParser options;
        addStandardOptions(options, configure);
        options.process(app); // an unknown option is reported here
    }
    // Names the installed desktop entry, whose icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("oxlin-notebook"));
    QApplication::setWindowIcon(applicationIcon());
    // The close box only hides the window: the program ends through the exit sequence.
    QApplication::setQuitOnLastWindowClosed(false);
}

// Makes the data folder; true when there was none yet (the user's first start).
bool makeDataFolder(const QString& dataFolder) {
    const bool firstStart = !QFileInfo::exists(dataFolder);
    QDir().mkpath(dataFolder);
    return firstStart;
}

// Every way the program can end runs the exit sequence, so nothing typed is lost.
void routeExitsThroughWindow(QApplication& app, ExitSignals& signals, MainWindow& window) {
    QObject::connect(&signals, &ExitSignals::exitRequested, &window,
                     [&window](int) { window.requestExit(); });
    signals.listen();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.exitApplication(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.exitApplication(); });
}

// Opens the notebook behind the loading banner, then shows the window over
// the whole screen less its panels, frame included.
void openAndShow(QApplication& app, NotebookController& controller, ExitSignals& signals,
                 bool firstStart) {
    MainWindow& window = controller.window();
    LoadingBanner banner(
        QCoreApplication::translate("oxlin::app::NotebookApplication", "Loading notebook data..."));
    banner.show();
    app.processEvents();
    if (firstStart)
        controller.session().welcomeOnNextOpen();
    controller.openNotebook();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        placeInside(window, screen->availableGeometry());
    routeExitsThroughWindow(app, signals, window);
    window.show();
    banner.finish(&window);
}

// Two seconds after start, once, unless Notebook.ini turns it off.
void scheduleUpdateCheck(UpdateCheck& updateCheck, NotebookController& controller) {
    QObject::connect(&updateCheck, &UpdateCheck::exitRequested, &controller.window(),
                     &MainWindow::requestExit);
    // A package manager updates what it installed; the program asks no server.
    const bool checkForUpdates =
        paths::installingPackage(QCoreApplication::applicationDirPath()).isEmpty() &&
        controller.profiles().readString(controller.session().paths().settingsFile,
                                         QStringLiteral("Notebook"), QStringLiteral("UpdateCheck"),
                                         QStringLiteral("1")) != QLatin1String("0");
    if (checkForUpdates)
        QTimer::singleShot(2000, &updateCheck,
                           [&updateCheck] { updateCheck.start(UpdateCheck::serverAddress()); });
}

} // namespace

int runNotebook(int argc, char* argv[]) {
    const ConfigureOptions configure = notebookOptions();
    answerInfoOptions(argc, argv, QStringLiteral("Oxlin"), configure);
    QApplication app(argc, argv);
    messages::installTranslations(QCoreApplication::applicationDirPath());
    setUpApplication(app, configure);

    QtPrompter prompter;
    session::SingleInstanceLock lock;
    if (!lock.tryAcquire()) {
        sayAlreadyRunning(prompter);
        return session::SingleInstanceLock::kSecondInstanceExitCode;
    }
    const QString dataFolder = paths::defaultDataFolder();
    const bool firstStart = makeDataFolder(dataFolder);
    session::SingleInstanceLock dataLock(
        dataFolder, QLatin1String(session::SingleInstanceLock::kDataFolderLockName));
    if (!dataLock.tryAcquire() && dataLock.heldElsewhere()) {
        sayAlreadyRunning(prompter);
        return session::SingleInstanceLock::kSecondInstanceExitCode;
    }

    // Handled from here on, and acted on once the notebook is open.
    ExitSignals signals_;
    DesktopLauncher launcher;
    // Reads the last notebook's name and builds the window and its panes.
    NotebookController controller(dataFolder, prompter, launcher,
                                  QCoreApplication::applicationDirPath());
    prompter.setParent(&controller.window());
    // The tray icon comes with the window; the hotkey and the drop window
    // once the notebook is open.
    BackgroundShell background(controller, prompter, QSystemTrayIcon::isSystemTrayAvailable());
    openAndShow(app, controller, signals_, firstStart);
    background.registerHotkey();
    // Where the drop window cannot be put in its corner (Wayland), it would
    // sit in the middle of the screen and take the focus: F9 shows it.
    if (windowsCanBePlaced())
        background.toggleDropWindow();

    UpdateCheck updateCheck(prompter, launcher,
                            update::versionFromDotted(QStringLiteral(OXLIN_VERSION)));
    scheduleUpdateCheck(updateCheck, controller);
    // An end asked for while starting (a signal handled in one of the
    // start-up's event passes) has already run the exit sequence, and its
    // request to leave the loop was spent before the loop began: entering
    // the loop now would never return.
    if (!controller.window().hasExited())
        app.exec();
    dataLock.release();
    lock.release();
    return 0;
}

} // namespace oxlin::app
