#include "app/base/info_options.h"

#include "core/paths/install_layout.h"
#include "messages/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace oxlin::app {

void addStandardOptions(QCommandLineParser& options, const ConfigureOptions& configure) {
    if (configure)
        configure(options);
    options.addHelpOption();
    options.addVersionOption();
}

QString versionText(const QString& version, const QString& executableFolder) {
    const QString package = paths::installingPackage(executableFolder);
    if (package.isEmpty())
        return version;
    return QCoreApplication::translate(
               "oxlin::app::InfoOptions",
               "%1 (installed by the %2; updates come from the package manager)")
        .arg(version, package);
}

void answerInfoOptions(int argc, char* argv[], const QString& applicationName,
                       const ConfigureOptions& configure) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser options;
    addStandardOptions(options, configure);
    // An unknown option is answered here too, so a typing mistake says so
    // rather than failing for want of a display.
    const bool understood = options.parse(arguments);
    if (understood && !options.isSet(QStringLiteral("help")) &&
        !options.isSet(QStringLiteral("help-all")) && !options.isSet(QStringLiteral("version")))
        return;
    // Core only: no platform plugin is loaded, so no display is needed.
    QCoreApplication core(argc, argv);
    messages::installTranslations(QCoreApplication::applicationDirPath());
    QCoreApplication::setApplicationName(applicationName);
    QCoreApplication::setApplicationVersion(
        versionText(QStringLiteral(OXLIN_VERSION), QCoreApplication::applicationDirPath()));
    // Built again now that the translators are in, so the help is in the user's language.
    QCommandLineParser translated;
    addStandardOptions(translated, configure);
    translated.process(core); // prints and ends the process (status 1 for an unknown option)
}

} // namespace oxlin::app
