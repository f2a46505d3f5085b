#include "app/shell/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace oxlin::app {

namespace {

// Whether the desktop names an application for the file's type. Opening a
// file starts the desktop's opener whether or not one exists, so without
// this check a file with no application would silently do nothing.
bool hasApplicationFor(const QString& filePath) {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return true; // nothing to ask: let the opener try
    const QString type = QMimeDatabase().mimeTypeForFile(filePath).name();
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!process.waitForFinished(3000) || process.exitStatus() != QProcess::NormalExit)
        return true;
    return !process.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool DesktopLauncher::openWithApplication(const QString& filePath) {
    if (!hasApplicationFor(filePath))
        return false;
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
