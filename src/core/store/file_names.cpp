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

namespace {

// Not QDir::filePath, which returns a name starting with ":" (a resource
// path to Qt) alone, outside the folder.
QString joined(const QString& folder, const QString& fileName) {
    return QDir(folder).path() + QLatin1Char('/') + fileName;
}

// The spellings a file of the folder almost always has: as asked, the
// unpacker's (stored name, extension in lower case: "0000000A.xtz"), and the
// name all in upper or all in lower case. Each is one stat.
QStringList likelySpellings(const QString& fileName) {
    QStringList names{fileName};
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        names.append(fileName.left(dot) + fileName.mid(dot).toLower());
    names.append(fileName.toUpper());
    names.append(fileName.toLower());
    names.removeDuplicates();
    return names;
}

} // namespace

QString findLikelySpelling(const QString& folder, const QString& fileName) {
    for (const QString& name : likelySpellings(fileName)) {
        const QString path = joined(folder, name);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QString resolveInFolder(const QString& folder, const QString& fileName) {
    const QString likely = findLikelySpelling(folder, fileName);
    if (!likely.isEmpty())
        return likely;
    return FolderNames(folder).resolve(fileName);
}

FolderNames::FolderNames(const QString& folder) : folder_(QDir(folder).path()) {
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                                QDir::System);
    while (it.hasNext()) {
        it.next();
        // The first spelling listed wins, as a scan stopping at the first match would.
        const QString key = it.fileName().toCaseFolded();
        if (!names_.contains(key))
            names_.insert(key, it.fileName());
    }
}

QString FolderNames::resolve(const QString& fileName) const {
    const auto found = names_.constFind(fileName.toCaseFolded());
    return folder_ + QLatin1Char('/') + (found == names_.cend() ? fileName : *found);
}

bool FolderNames::contains(const QString& fileName) const {
    return names_.contains(fileName.toCaseFolded());
}

QString cutToUtf8Bytes(QString text, qsizetype bytes) {
    while (text.toUtf8().size() > bytes) {
        text.chop(1);
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

bool isEntryName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
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
