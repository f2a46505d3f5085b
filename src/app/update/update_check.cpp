#include "app/update/update_check.h"

#include "app/base/launcher.h"
#include "app/base/prompter.h"

#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace oxlin::app {

QUrl UpdateCheck::serverAddress() {
    const QByteArray configured = qgetenv(kServerVariable);
    return QUrl(configured.isEmpty() ? QString::fromLatin1(kDefaultServer)
                                     : QString::fromLocal8Bit(configured));
}

QUrl UpdateCheck::downloadAddress(const QUrl& server) {
#ifdef Q_OS_WIN
    const QString file = QStringLiteral("/oxlinsetup.exe");
#else
    const QString file = QStringLiteral("/oxlinsetup.tar.gz");
#endif
    QUrl address = server;
    address.setPath(server.path().chopped(server.path().endsWith(u'/') ? 1 : 0) + file);
    return address;
}

UpdateCheck::UpdateCheck(Prompter& prompter, Launcher& launcher, update::Version own,
                         QObject* parent)
    : QObject(parent), prompter_(prompter), launcher_(launcher), own_(own) {
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

void UpdateCheck::start(const QUrl& server) {
    if (running_)
        return;
    QUrl page = server;
    page.setPath(server.path().chopped(server.path().endsWith(u'/') ? 1 : 0) +
                 QLatin1String(kVersionPage));
    if (!page.isValid() || (page.scheme() != QLatin1String("http") &&
                            page.scheme() != QLatin1String("https"))) {
        Q_EMIT finished(false);
        return;
    }
    running_ = true;
    server_ = server;
    QNetworkRequest request(page);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Oxlin"));
    request.setRawHeader("Accept", "*/*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = network_.get(request);
    // A body past the limit is no version page: stop reading it.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxBody)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { answer(reply); });
}

void UpdateCheck::answer(QNetworkReply* reply) {
    reply->deleteLater();
    running_ = false;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->read(kMaxBody + 1);
    const bool newer = reply->error() == QNetworkReply::NoError && status >= 200 &&
                       status < 300 && body.size() <= kMaxBody &&
                       update::offersNewerVersion(body, own_);
    if (!newer) {
        Q_EMIT finished(false);
        return;
    }
    const PromptAnswer choice =
        prompter_.message(tr("Oxlin has been update.\r\nDo you want to DOWNLOAD a new Version?"),
                          tr("Oxlin"), PromptIcon::Information, PromptButtons::UnaskedYesNo);
    if (choice == PromptAnswer::Yes) {
        // One argument to the desktop's opener; no shell sees the address.
        launcher_.openInBrowser(downloadAddress(server_).toString());
        Q_EMIT exitRequested();
    }
    Q_EMIT finished(true);
}

} // namespace oxlin::app
