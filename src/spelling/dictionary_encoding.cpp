#include "spelling/dictionary_encoding.h"

#include <QByteArray>

#include <iconv.h>


namespace oxlin::spelling {

namespace {

// The names ".aff" files use, as iconv knows them.
QByteArray iconvName(const std::string& affName) {
    QByteArray name = QByteArray::fromStdString(affName).toUpper();
    if (name.startsWith("ISO8859-"))
        return name.insert(3, '-');
    if (name.startsWith("MICROSOFT-"))
        return name.mid(10);
    if (name == "ISCII-DEVANAGARI")
        return {}; // iconv has no table for it: read as UTF-8
    return name;
}

// Runs one conversion to its end; nothing when a character has no place in
// the target encoding or the input is not valid in its own.
std::optional<std::string> run(iconv_t converter, const char* input, size_t size) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr); // a clean state
    std::string output(size * 4 + 16, '\0');
    char* in = const_cast<char*>(input);
    char* out = output.data();
    size_t inLeft = size;
    size_t outLeft = output.size();
    if (iconv(converter, &in, &inLeft, &out, &outLeft) == size_t(-1))
        return std::nullopt;
    if (iconv(converter, nullptr, nullptr, &out, &outLeft) == size_t(-1))
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace

struct DictionaryEncoding::Converters {
    iconv_t toDictionary = iconv_t(-1);
    iconv_t fromDictionary = iconv_t(-1);
    ~Converters() {
        if (toDictionary != iconv_t(-1))
            iconv_close(toDictionary);
        if (fromDictionary != iconv_t(-1))
            iconv_close(fromDictionary);
    }
};

DictionaryEncoding::DictionaryEncoding(const std::string& name) {
    const QByteArray target = iconvName(name);
    if (target.isEmpty() || target == "UTF-8" || target == "UTF8")
        return;
    auto converters = std::make_unique<Converters>();
    converters->toDictionary = iconv_open(target.constData(), "UTF-8");
    converters->fromDictionary = iconv_open("UTF-8", target.constData());
    if (converters->toDictionary == iconv_t(-1) || converters->fromDictionary == iconv_t(-1))
        return; // unknown: read as UTF-8
    converters_ = std::move(converters);
    utf8_ = false;
}

DictionaryEncoding::~DictionaryEncoding() = default;

std::optional<std::string> DictionaryEncoding::encode(QStringView word) const {
    const QByteArray utf8 = word.toUtf8();
    if (utf8_)
        return utf8.toStdString();
    return run(converters_->toDictionary, utf8.constData(), size_t(utf8.size()));
}

QString DictionaryEncoding::decode(const std::string& bytes) const {
    if (utf8_)
        return QString::fromStdString(bytes);
    const std::optional<std::string> utf8 =
        run(converters_->fromDictionary, bytes.data(), bytes.size());
    return utf8 ? QString::fromStdString(*utf8) : QString();
}

} // namespace oxlin::spelling
