#include "core/paths/install_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <optional>

namespace oxlin::paths {

namespace {

// The suffix of our help in a UI language ("de-AT" is "de"): empty for
// English, the help we always have; nothing when we have no help in it.
std::optional<QString> helpLanguageOf(const QString& uiLanguage) {
    const QStringList parts = QString(uiLanguage).replace(u'_', u'-').toLower().split(u'-');
    const QString& language = parts.first();
    if (language == QLatin1String("en"))
        return QString();
    if (language == QLatin1String("de"))
        return QStringLiteral("de");
    if (language != QLatin1String("zh"))
        return std::nullopt;
    // Our Chinese help is in simplified characters, which Chinese written in
    // Taiwan, Hong Kong and Macao does not use unless its script says so.
    if (parts.contains(QLatin1String("hans")))
        return QStringLiteral("zh_CN");
    for (const char* traditional : {"hant", "tw", "hk", "mo"})
        if (parts.contains(QLatin1String(traditional)))
            return std::nullopt;
    return QStringLiteral("zh_CN");
}

} // namespace

QString installDataFolder(const QString& executableFolder) {
    return QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(OXLIN_SHARE_FROM_BIN)));
}

QString installedFile(const QString& executableFolder, const QString& name) {
    const QString beside = QDir(executableFolder).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString shared = QDir(installDataFolder(executableFolder)).filePath(name);
    return QFileInfo::exists(shared) ? shared : beside;
}

QString helpPackagePath(const QString& executableFolder, const QStringList& uiLanguages) {
    for (const QString& uiLanguage : uiLanguages) {
        const std::optional<QString> language = helpLanguageOf(uiLanguage);
        if (!language)
            continue;
        if (language->isEmpty())
            break;
        const QString translated =
            installedFile(executableFolder, QStringLiteral("OxlinHelp_%1.xzz").arg(*language));
        if (QFileInfo::exists(translated))
            return translated;
    }
    return installedFile(executableFolder, QLatin1String(kHelpPackageName));
}

QString helpPackagePath(const QString& executableFolder) {
    return helpPackagePath(executableFolder, QLocale::system().uiLanguages());
}

QString installingPackage(const QString& executableFolder) {
    QFile marker(QDir(installDataFolder(executableFolder)).filePath(kPackageMarkerName));
    if (!marker.open(QIODevice::ReadOnly))
        return {};
    // One short line; a damaged marker still says that a package installed us.
    const QString name = QString::fromUtf8(marker.read(200)).section(u'\n', 0, 0).trimmed();
    return name.isEmpty() ? QStringLiteral("package") : name;
}

} // namespace oxlin::paths
