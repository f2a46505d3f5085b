#include "app/base/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace oxlin::app {

DesktopLauncher::Desktop DesktopLauncher::systemDesktop() {
    Desktop desktop;
    desktop.startDetached = [](const QString& program, const QStringList& arguments,
                               const QString& workingFolder) {
        return QProcess::startDetached(program, arguments, workingFolder);
    };
    desktop.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    desktop.query = [](const QString& program,
                       const QStringList& arguments) -> std::optional<QByteArray> {
        const QString path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return std::nullopt;
        QProcess process;
        process.start(path, arguments);
        if (!process.waitForFinished(3000) || process.exitStatus() != QProcess::NormalExit)
            return std::nullopt;
        return process.readAllStandardOutput();
    };
    return desktop;
}

// Whether the desktop names an application for the file's type. Opening a
// file starts the desktop's opener whether or not one exists, so without
// this check a file with no application would silently do nothing.
bool DesktopLauncher::hasApplicationFor(const QString& filePath) const {
    const QString type = QMimeDatabase().mimeTypeForFile(filePath).name();
    const std::optional<QByteArray> answer = desktop_.query(
        QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    // Nothing to ask, or no answer: let the opener try.
    return !answer || !answer->trimmed().isEmpty();
}

bool DesktopLauncher::openWithApplication(const QString& filePath) {
    if (!hasApplicationFor(filePath))
        return false;
    return desktop_.openUrl(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()));
}

bool DesktopLauncher::openInBrowser(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target);
    return url.isValid() && desktop_.openUrl(url);
}

bool DesktopLauncher::startViewer(const QString& viewerPath, const QString& packagePath) {
    return desktop_.startDetached(viewerPath, {packagePath}, QFileInfo(viewerPath).absolutePath());
}

} // namespace oxlin::app
