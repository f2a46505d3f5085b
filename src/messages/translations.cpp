#include "messages/translations.h"

#include "core/paths/install_layout.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace oxlin::messages {

namespace {

// Loads `fileName` for the first language in `languages` it exists for, the
// most specific file first ("zh_CN" before "zh"), and installs it; the
// application owns it from then on.
QTranslator* installFirst(const QStringList& languages, const QString& fileName,
                          const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& language : languages) {
        if (translator->load(QLocale(language), fileName, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return translator;
        }
    }
    delete translator;
    return nullptr;
}

// The languages the user reads, best first, up to the first English one:
// our texts are written in English, so none after it is wanted.
QStringList wantedLanguages(const QLocale& locale) {
    QStringList wanted;
    for (const QString& language : locale.uiLanguages()) {
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            break;
        wanted << language;
    }
    return wanted;
}

} // namespace

QString installTranslations(const QString& executableFolder, const QLocale& locale) {
    if (!QCoreApplication::instance())
        return {};
    const QStringList languages = wantedLanguages(locale);
    if (languages.isEmpty())
        return {};
    const QString folder =
        paths::installedFile(executableFolder, QLatin1String(kTranslationsFolderName));
    const QTranslator* ours = installFirst(languages, QStringLiteral("oxlin"), folder);
    if (!ours)
        return {};
    // Qt's standard dialogs in the same language as ours, never in another.
    installFirst({ours->language()}, QStringLiteral("qtbase"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return ours->language();
}

} // namespace oxlin::messages
