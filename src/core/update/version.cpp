#include "core/update/version.h"

#include <QStringList>

namespace oxlin::update {

Version versionFromDotted(const QString& dotted) {
    Version version{0, 0, 0, 0};
    const QStringList parts = dotted.split(u'.');
    for (int i = 0; i < 4 && i < parts.size(); ++i)
        version[std::size_t(i)] = parts[i].toUInt();
    return version;
}

QString versionText(const Version& version) {
    return QStringLiteral("%1, %2, %3, %4")
        .arg(version[0])
        .arg(version[1])
        .arg(version[2])
        .arg(version[3]);
}

std::optional<Version> parseVersionPage(QByteArrayView body) {
    const QByteArray text = body.trimmed().toByteArray();
    const QList<QByteArray> parts = text.split(',');
    if (parts.size() != 4)
        return std::nullopt;
    Version version{};
    for (int i = 0; i < 4; ++i) {
        const QByteArray number = parts[i].trimmed();
        if (number.isEmpty())
            return std::nullopt;
        for (char c : number)
            if (c < '0' || c > '9')
                return std::nullopt;
        // A number past what a field holds would read as 0 and make the
        // page look like some other version: no version at all.
        bool fits = false;
        version[std::size_t(i)] = number.toUInt(&fits);
        if (!fits)
            return std::nullopt;
    }
    return version;
}

bool offersNewerVersion(QByteArrayView body, const Version& own) {
    const std::optional<Version> offered = parseVersionPage(body);
    return offered && *offered > own;
}

} // namespace oxlin::update
