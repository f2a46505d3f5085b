#include "messages/translations.h"

#include "core/paths/install_layout.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace oxlin::messages {

namespace {

// The languages the user reads, best first, up to the first English one.
QStringList wantedLanguages(const QLocale& locale) {
    QStringList wanted;
    for (const QString& language : locale.uiLanguages()) {
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            break;
        wanted << language;
    }
    return wanted;
}

// `fileName` for the first of `languages` it exists for, the most specific
// file first ("zh_CN" before "zh"); null when there is none.
std::unique_ptr<QTranslator> loadFirst(const QStringList& languages, const QString& fileName,
                                       const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& language : languages)
        if (translator->load(QLocale(language), fileName, QStringLiteral("_"), folder))
            return translator;
    return nullptr;
}

// Hands `translator` to the running application, which keeps it.
void install(std::unique_ptr<QTranslator> translator) {
    if (!translator)
        return;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

std::unique_ptr<QTranslator> loadTranslation(const QString& executableFolder,
                                             const QLocale& locale) {
    const QStringList languages = wantedLanguages(locale);
    if (languages.isEmpty())
        return nullptr;
    const QString folder =
        paths::installedFile(executableFolder, QLatin1String(kTranslationsFolderName));
    return loadFirst(languages, QStringLiteral("oxlin"), folder);
}

QString installTranslations(const QString& executableFolder, const QLocale& locale) {
    if (!QCoreApplication::instance())
        return {};
    std::unique_ptr<QTranslator> ours = loadTranslation(executableFolder, locale);
    if (!ours)
        return {};
    const QString language = ours->language();
    install(std::move(ours));
    // Qt's standard dialogs in the same language as ours, never in another.
    install(loadFirst({language}, QStringLiteral("qtbase"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    return language;
}

} // namespace oxlin::messages
