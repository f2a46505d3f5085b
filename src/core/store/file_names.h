#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

namespace oxlin::store {

// "%08X.XTZ": the name of the compressed file that holds topic `fileId`.
QString topicFileName(quint32 fileId);

// True for names ending in ".xtz" in any letter case.
bool hasCompressedExtension(const QString& fileName);

// Notebooks come from a case-insensitive file system, where "0000000A.xtz" and
// "0000000A.XTZ" are one file. Returns the path of the entry of `folder` whose
// name equals `fileName` without regard to case, or folder + "/" + fileName
// when there is none, so callers open the existing file and never create a twin.
// The spellings the program and the unpacker write are tried first (a few
// stats); the folder is listed only when none of them exists, so a caller
// looking up many names, some of them missing, should use FolderNames.
QString resolveInFolder(const QString& folder, const QString& fileName);

// The path of `fileName` in `folder` in one of the spellings this program and
// the unpacker write (as given, extension in lower case, all upper, all
// lower), or an empty string. Never lists the folder.
QString findLikelySpelling(const QString& folder, const QString& fileName);

// The names of one folder, listed once, for many case-insensitive lookups in
// constant time each. A snapshot: files made or removed afterwards are not
// seen, so keep one only for the length of one operation.
class FolderNames {
public:
    explicit FolderNames(const QString& folder);

    // As resolveInFolder, from the listing.
    QString resolve(const QString& fileName) const;
    bool contains(const QString& fileName) const;

private:
    QString folder_;
    QHash<QString, QString> names_; // case-folded name -> name on disk
};

// True when `name` names one entry inside a folder: not empty, not "." or
// "..", and without "/" or NUL. What else some file system refuses is
// safeFileName's business.
bool isEntryName(const QString& name);

// `text` cut to at most `bytes` bytes of UTF-8, never inside a character.
QString cutToUtf8Bytes(QString text, qsizetype bytes);

// A label made into a file name that the common file systems all accept, so
// an export can be copied to a memory stick or another desktop: characters
// that Windows or POSIX refuse (/ \ : * ? " < > | and control characters)
// become "_", trailing dots and blanks go, device names (CON, NUL, COM1, ...)
// get a leading "_", and the name is cut to 255 bytes of UTF-8. Never empty,
// never "." or "..".
QString safeFileName(const QString& label);

} // namespace oxlin::store
