#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

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
    // The three ways the launcher reaches the desktop. The system's are
    // QProcess and QDesktopServices; tests give their own and start nothing.
    struct Desktop {
        // Starts `program` with `arguments` in `workingFolder` and does not wait.
        std::function<bool(const QString& program, const QStringList& arguments,
                           const QString& workingFolder)>
            startDetached;
        // Hands a file or web address to the desktop's opener.
        std::function<bool(const QUrl& url)> openUrl;
        // Runs a short query program found on the PATH and returns what it
        // printed; nothing when it is not there or did not finish.
        std::function<std::optional<QByteArray>(const QString& program,
                                                const QStringList& arguments)>
            query;
    };
    static Desktop systemDesktop();

    DesktopLauncher() : DesktopLauncher(systemDesktop()) {}
    explicit DesktopLauncher(Desktop desktop) : desktop_(std::move(desktop)) {}

    bool openWithApplication(const QString& filePath) override;
    bool openInBrowser(const QString& target) override;
    bool startViewer(const QString& viewerPath, const QString& packagePath) override;

private:
    bool hasApplicationFor(const QString& filePath) const;

    Desktop desktop_;
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
