#include "core/session/conflict_copies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace oxlin::session {

namespace {

struct Pattern {
    QRegularExpression name;
    // How the captured date and time read: capture numbers of date and time.
    int date;
    int time; // 0 when the name gives no time
};

const std::vector<Pattern>& patterns() {
    static const auto options = QRegularExpression::CaseInsensitiveOption;
    static const std::vector<Pattern> all = {
        {QRegularExpression(
             QStringLiteral(R"(^(.+)\.sync-conflict-(\d{8})-(\d{6})-[A-Za-z0-9]+\.xzz$)"), options),
         2, 3},
        {QRegularExpression(
             QStringLiteral(R"(^(.+) \(conflicted copy (\d{4}-\d{2}-\d{2}) (\d{6})\)\.xzz$)"),
             options),
         2, 3},
        {QRegularExpression(
             QStringLiteral(
                 R"(^(.+) \(.+'s conflicted copy (\d{4}-\d{2}-\d{2})(?: \(\d+\))?\)\.xzz$)"),
             options),
         2, 0},
    };
    return all;
}

// "20261208" or "2026-12-08", and "101010", as "2026-12-08 10:10:10".
QString readableDate(QString date, const QString& time) {
    if (date.size() == 8)
        date = date.left(4) + u'-' + date.mid(4, 2) + u'-' + date.mid(6);
    if (time.size() != 6)
        return date;
    return date + u' ' + time.left(2) + u':' + time.mid(2, 2) + u':' + time.mid(4);
}

} // namespace

QString conflictCopyOf(const QString& fileName, QString* madeOn) {
    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch match = pattern.name.match(fileName);
        if (!match.hasMatch())
            continue;
        if (madeOn)
            *madeOn = readableDate(match.captured(pattern.date),
                                   pattern.time ? match.captured(pattern.time) : QString());
        return match.captured(1);
    }
    return {};
}

std::vector<ConflictCopy> findConflictCopies(const QString& dataFolder,
                                             const QString& notebookName) {
    std::vector<ConflictCopy> copies;
    const QDir folder(dataFolder);
    for (const QString& file :
         folder.entryList({QStringLiteral("*.xzz")}, QDir::Files | QDir::Hidden, QDir::Name)) {
        QString madeOn;
        if (conflictCopyOf(file, &madeOn) == notebookName)
            copies.push_back({folder.filePath(file), madeOn});
    }
    return copies;
}

bool putMergedCopyAside(const QString& dataFolder, const QString& copy) {
    const QDir merged(QDir(dataFolder).filePath(QLatin1String(kMergedFolderName)));
    if (!QDir().mkpath(merged.path()))
        return false;
    const QFileInfo info(copy);
    QString target = merged.filePath(info.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = merged.filePath(info.completeBaseName() + QStringLiteral(" (%1).").arg(n) +
                                 info.suffix());
    return QDir().rename(copy, target);
}

} // namespace oxlin::session
