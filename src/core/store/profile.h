#pragma once

#include <QByteArrayView>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace oxlin::store {

class IniDocument;

// INI files read and written the way the desktop's private-profile functions
// do it: sections "[name]" and "key=value" lines, names matched without regard
// to case, spaces around keys and values ignored, lines ending in CR LF.
//
// Every write rewrites the file completely beside it and renames it into
// place, so a reader never sees half a file. All operations of one service are
// serialised, so threads that share a service may read and write the same file
// at once; every user of a file in the process must go through the same
// service for that to hold. Text is written as UTF-8; lines that are not valid
// UTF-8 are read as Windows-1252.
class ProfileService {
public:
    ProfileService() = default;
    ProfileService(const ProfileService&) = delete;
    ProfileService& operator=(const ProfileService&) = delete;

    // The value of `key`, or nothing when the file, the section or the key is missing.
    std::optional<QString> find(const QString& file, const QString& section,
                                const QString& key) const;

    QString readString(const QString& file, const QString& section, const QString& key,
                       const QString& defaultValue = {}) const {
        return find(file, section, key).value_or(defaultValue);
    }

    // Replaces the key's value in place, else appends the key to the end of the
    // section, else adds the section at the end of the file. Creates the file
    // when it is missing. Returns false when the file could not be written.
    bool writeString(const QString& file, const QString& section, const QString& key,
                     const QString& value);

    // Several keys of one section with a single rewrite of the file, each with
    // the rules of writeString, in order.
    bool writeStrings(const QString& file, const QString& section,
                      const QList<std::pair<QString, QString>>& entries);

    // Replaces the whole file with one section holding `entries` (in order,
    // a repeated key taking its last value), written beside and renamed in:
    // a reader sees the old file or the new one, never none. No entries
    // remove the file. Returns false when the file could not be written.
    bool replaceFile(const QString& file, const QString& section,
                     const QList<std::pair<QString, QString>>& entries);

    // Every non-empty line of the first section so named, in file order, with
    // the spaces around a key and its value removed ("key=value").
    QStringList readSection(const QString& file, const QString& section) const;

    bool deleteFile(const QString& file);

private:
    bool writeEntries(const IniDocument& document, const QString& file, const QString& section,
                      const QList<std::pair<QString, QString>>& entries);

    mutable QMutex mutex_;
};

// Converts the leading decimal digits of `text` (optional sign) as the C
// library's atoi does: "12abc" is 12, "abc" is 0.
int leadingInteger(const QString& text);

// The same conversion, but nothing when the digits do not fit a signed
// 32-bit integer, where leadingInteger would give the nearest end of the range.
std::optional<qint32> leadingInteger32(const QString& text);
// The same over Latin-1 text (a line of a file known to be ASCII).
std::optional<qint32> leadingInteger32(QByteArrayView latin1);

} // namespace oxlin::store
