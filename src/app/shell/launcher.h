#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace oxlin::app {

// Everything the application starts outside itself goes through here: a file
// opened with the application the desktop associates with it, a web page in
// the browser, and the Vistelo viewer. Nothing is ever run through a shell.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool openWithApplication(const QString& filePath) = 0;
    virtual bool openInBrowser(const QString& target) = 0;
    virtual bool startViewer(const QString& viewerPath, const QString& packagePath) = 0;
};

class DesktopLauncher final : public Launcher {
public:
    bool openWithApplication(const QString& filePath) override;
    bool openInBrowser(const QString& target) override;
    bool startViewer(const QString& viewerPath, const QString& packagePath) override;
};

// Records what would have been started, for tests.
class RecordingLauncher final : public Launcher {
public:
    struct Started {
        QString kind; // "open", "browser", "viewer"
        QStringList arguments;
    };
    QList<Started> started;
    bool noApplication = false; // as when no application is set up for the file's type

    bool openWithApplication(const QString& filePath) override {
        if (noApplication)
            return false;
        started.append({QStringLiteral("open"), {filePath}});
        return true;
    }
    bool openInBrowser(const QString& target) override {
        started.append({QStringLiteral("browser"), {target}});
        return true;
    }
    bool startViewer(const QString& viewerPath, const QString& packagePath) override {
        started.append({QStringLiteral("viewer"), {viewerPath, packagePath}});
        return true;
    }
};

} // namespace oxlin::app
