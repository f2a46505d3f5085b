#pragma once

// Words to and from a dictionary's own encoding. Hunspell compares bytes in
// the encoding its ".aff" file names (SET): UTF-8, or one of the ISO-8859
// and Windows code pages that older dictionaries use.

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <string>

namespace oxlin::spelling {

class DictionaryEncoding {
public:
    // `name` as a ".aff" file gives it ("UTF-8", "ISO8859-1",
    // "microsoft-cp1251"); an unknown name is read as UTF-8.
    explicit DictionaryEncoding(const std::string& name);
    ~DictionaryEncoding();
    DictionaryEncoding(const DictionaryEncoding&) = delete;
    DictionaryEncoding& operator=(const DictionaryEncoding&) = delete;

    bool isUtf8() const { return utf8_; }
    // The word in the dictionary's bytes; nothing when the encoding cannot
    // hold one of its characters (no dictionary of it can know the word).
    std::optional<std::string> encode(QStringView word) const;
    QString decode(const std::string& bytes) const;

private:
    struct Converters;
    bool utf8_ = true;
    std::unique_ptr<Converters> converters_;
};

} // namespace oxlin::spelling
