#include "shell/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace oxlin::app {

bool DesktopLauncher::openWithApplication(const QString& filePath) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()));
}

bool DesktopLauncher::openInBrowser(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool DesktopLauncher::startViewer(const QString& viewerPath, const QString& packagePath) {
    return QProcess::startDetached(viewerPath, {packagePath}, QFileInfo(viewerPath).absolutePath());
}

} // namespace oxlin::app
