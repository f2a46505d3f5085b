#include "core/store/file_names.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace oxlin::store {

namespace {

constexpr qsizetype kMaxFileNameBytes = 255;

bool refusedInFileNames(QChar c) {
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || refused.contains(c);
}

} // namespace

QString topicFileName(quint32 fileId) {
    return QStringLiteral("%1.XTZ").arg(fileId, 8, 16, QLatin1Char('0')).toUpper();
}

bool hasCompressedExtension(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".xtz"), Qt::CaseInsensitive);
}

QString resolveInFolder(const QString& folder, const QString& fileName) {
    // Not QDir::filePath, which returns a name starting with ":" (a resource
    // path to Qt) alone, outside the folder.
    const QString exact = QDir(folder).path() + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(exact))
        return exact;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                                QDir::System);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return it.filePath();
    }
    return exact;
}

QString cutToUtf8Bytes(QString text, qsizetype bytes) {
    while (text.toUtf8().size() > bytes) {
        text.chop(1);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

QString safeFileName(const QString& label) {
    QString name = label;
    for (QChar& c : name)
        if (refusedInFileNames(c))
            c = QLatin1Char('_');
    // Windows drops them silently, so two labels would meet in one file.
    while (!name.isEmpty() && (name.back() == QLatin1Char('.') || name.back() == QLatin1Char(' ')))
        name.chop(1);
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(name).hasMatch())
        name.prepend(QLatin1Char('_'));
    name = cutToUtf8Bytes(name, kMaxFileNameBytes);
    return name.isEmpty() ? QStringLiteral("_") : name;
}

} // namespace oxlin::store
