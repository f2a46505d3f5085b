#include "core/paths/install_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace oxlin::paths {

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

QString helpPackagePath(const QString& executableFolder) {
    return installedFile(executableFolder, QLatin1String(kHelpPackageName));
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
