#pragma once

// The once-per-start question whether a newer release exists. The version
// page is fetched asynchronously (the window never waits), read into memory
// (at most 4 KiB), and only a successful answer naming a newer version of the
// same form asks the user; every failure is silent.

#include "core/update/version.h"

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkReply;

namespace oxlin::app {

class Launcher;
class Prompter;

class UpdateCheck final : public QObject {
    Q_OBJECT
public:
    static constexpr char kDefaultServer[] = "https://oxlin.example.net";
    static constexpr char kServerVariable[] = "OXLIN_UPDATE_URL";
    static constexpr char kVersionPage[] = "/oxlinversion.htm";
    static constexpr int kMaxBody = 4096;
    static constexpr int kTimeoutMs = 10000;
    static constexpr int kMaxRedirects = 5;

    // The server: OXLIN_UPDATE_URL when set, else the built-in one.
    static QUrl serverAddress();
    // Where a new release is downloaded for this platform.
    static QUrl downloadAddress(const QUrl& server);

    UpdateCheck(Prompter& prompter, Launcher& launcher, update::Version own,
                QObject* parent = nullptr);

    // Starts the check against `server`; `finished` follows in any case.
    void start(const QUrl& server);
    // How long a silent server is waited for.
    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }

Q_SIGNALS:
    // The user chose to download: the program should end normally.
    void exitRequested();
    // The check is over, whatever its outcome (for tests).
    void finished(bool asked);

private:
    void answer(QNetworkReply* reply);

    Prompter& prompter_;
    Launcher& launcher_;
    update::Version own_;
    QNetworkAccessManager network_;
    QUrl server_;
    bool running_ = false;
    int timeoutMs_ = kTimeoutMs;
};

} // namespace oxlin::app
