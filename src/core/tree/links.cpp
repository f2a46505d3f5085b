#include "core/tree/links.h"

#include "core/store/stored_text.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace oxlin::tree {

namespace {

constexpr int kFilePrefixLength = 7;            // "file://"
constexpr int kCurrentBookLength = 13;          // "$CurrentBook$"
constexpr int kTopicPrefixLength = 7 + 13 + 1;  // "file://$CurrentBook$\"

bool startsWithNoCase(QStringView text, qsizetype at, QLatin1StringView prefix) {
    return text.size() - at >= prefix.size() &&
           text.sliced(at, prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

// The prefixes that start a link, lower case; "www." needs no scheme.
constexpr QLatin1StringView kLinkStarts[] = {
    QLatin1StringView("file://"), QLatin1StringView("http://"), QLatin1StringView("https://"),
    QLatin1StringView("ftp://"),  QLatin1StringView("mailto:"), QLatin1StringView("www."),
};

qsizetype linkStartAt(QStringView text, qsizetype at) {
    // A link starts a word: "xhttp://" is not one.
    if (at > 0 && (text[at - 1].isLetterOrNumber() || text[at - 1] == u'_'))
        return 0;
    // Most words that begin with a link's first letter are told apart by
    // their second; an ASCII one is compared here (setting bit 5 folds the
    // ASCII capitals only), anything else is left to the full comparison.
    const char16_t second = at + 1 < text.size() ? text[at + 1].unicode() : 0;
    const bool asciiSecond = second != 0 && second < 0x80;
    for (QLatin1StringView start : kLinkStarts) {
        if (asciiSecond && (second | 0x20) != char16_t(start[1].unicode()))
            continue;
        if (startsWithNoCase(text, at, start))
            return start.size();
    }
    return 0;
}

bool isTrailingPunctuation(QChar c) {
    return c == u'.' || c == u',' || c == u';' || c == u':' || c == u'!' || c == u'?' ||
           c == u'"' || c == u'\'';
}

// Drops what ends a sentence rather than the link, and a closing bracket
// the link did not open: "(see www.a.org)" links "www.a.org".
qsizetype trimmedEnd(QStringView link) {
    qsizetype end = link.size();
    for (;;) {
        if (end == 0)
            return 0;
        const QChar last = link[end - 1];
        if (isTrailingPunctuation(last)) {
            --end;
            continue;
        }
        const QChar open = last == u')' ? u'(' : last == u']' ? u'[' : last == u'>' ? u'<' : QChar();
        if (!open.isNull() && link.first(end).count(open) < link.first(end).count(last)) {
            --end;
            continue;
        }
        return end;
    }
}

} // namespace

QString escapeLinkPath(const QString& path) {
    static const char kHex[] = "0123456789abcdef";
    const QByteArray bytes = path.toUtf8();
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || byte == '\t' || byte == ' ') {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return QString::fromLatin1(out);
}

UnescapedLink unescapeLinkText(const QString& text) {
    UnescapedLink result;
    if (!text.contains(u'%')) {
        result.text = text;
        return result;
    }
    result.wasEscaped = true;
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '%' && i + 2 < bytes.size() && store::hexDigitValue(bytes[i + 1]) >= 0 &&
            store::hexDigitValue(bytes[i + 2]) >= 0) {
            out += char(store::hexDigitValue(bytes[i + 1]) * 16 + store::hexDigitValue(bytes[i + 2]));
            i += 2;
        } else {
            out += bytes[i];
        }
    }
    result.text = store::decodeStoredText(out);
    return result;
}

QString fileLinkText(const QString& path) {
    return QLatin1String(kFileLinkPrefix) + escapeLinkPath(path);
}

QString topicLinkText(const QString& itemPath) {
    return QLatin1String(kTopicLinkPrefix) + escapeLinkPath(itemPath);
}

ParsedLink parseLink(const QString& text) {
    ParsedLink link;
    if (text.isEmpty())
        return link;
    if (!startsWithNoCase(text, 0, QLatin1StringView(kFileLinkPrefix))) {
        link.kind = LinkKind::Web;
        link.target = text;
        return link;
    }
    const bool topic =
        startsWithNoCase(text, kFilePrefixLength, QLatin1StringView("$CurrentBook$")) &&
        text.size() > kTopicPrefixLength - 1 &&
        (text[kTopicPrefixLength - 1] == u'\\' || text[kTopicPrefixLength - 1] == u'/');
    if (topic) {
        link.kind = LinkKind::Topic;
        link.target = unescapeLinkText(text.mid(kTopicPrefixLength)).text;
        // Item paths are joined by "\" whatever wrote the link.
        link.target.replace(u'/', u'\\');
    } else {
        link.kind = LinkKind::File;
        link.target = unescapeLinkText(text.mid(kFilePrefixLength)).text;
        const qsizetype slash =
            std::max(link.target.lastIndexOf(u'\\'), link.target.lastIndexOf(u'/'));
        link.folder = slash < 0 ? QString() : link.target.left(slash);
        // "file:///a.txt": the root folder, not none.
        if (slash == 0)
            link.folder = link.target.left(1);
        link.fileName = link.target.mid(slash + 1);
    }
    link.tooLong = link.target.toUtf8().size() > kMaxLinkPathBytes;
    return link;
}

std::vector<LinkSpan> findLinks(QStringView text) {
    std::vector<LinkSpan> links;
    qsizetype i = 0;
    while (i < text.size()) {
        // Every link start begins with one of these letters, in either case:
        // a cheap first test. Setting bit 5 lower-cases exactly the ASCII
        // capitals and gives no other character one of these letters, so
        // no Unicode case table is consulted on every character.
        const char16_t c = text[i].unicode() | 0x20;
        const qsizetype prefix = (c == u'f' || c == u'h' || c == u'm' || c == u'w')
                                     ? linkStartAt(text, i)
                                     : 0;
        if (prefix == 0) {
            ++i;
            continue;
        }
        qsizetype end = i + prefix;
        while (end < text.size() && !text[end].isSpace() && text[end] != QChar::ObjectReplacementCharacter)
            ++end;
        const qsizetype length = trimmedEnd(text.sliced(i, end - i));
        if (length > prefix)
            links.push_back({int(i), int(length)});
        i = end;
    }
    return links;
}

bool isWholeLink(QStringView text) {
    if (text.isEmpty() || text.front().isSpace())
        return false;
    const std::vector<LinkSpan> links = findLinks(text);
    return links.size() == 1 && links.front().start == 0 && links.front().length == text.size();
}

bool isProgramFile(const QString& path) {
    static const QSet<QString> kRunnable = {
        QStringLiteral("exe"),     QStringLiteral("com"),   QStringLiteral("bat"),
        QStringLiteral("cmd"),     QStringLiteral("msi"),   QStringLiteral("scr"),
        QStringLiteral("vbs"),     QStringLiteral("ps1"),   QStringLiteral("jar"),
        QStringLiteral("sh"),      QStringLiteral("bash"),  QStringLiteral("zsh"),
        QStringLiteral("csh"),     QStringLiteral("run"),   QStringLiteral("bin"),
        QStringLiteral("appimage"), QStringLiteral("desktop"), QStringLiteral("py"),
        QStringLiteral("pl"),      QStringLiteral("rb"),    QStringLiteral("command"),
        QStringLiteral("lnk"),     QStringLiteral("pif"),
    };
    const QFileInfo info(path);
    if (kRunnable.contains(info.suffix().toLower()))
        return true;
    return info.isFile() && info.isExecutable();
}

} // namespace oxlin::tree
