#pragma once

// Links in topic text: how they are written, found, read back and told apart.
// A link is plain text in the topic; nothing about it is stored elsewhere.
//
//   file link   "file://" + escaped path          file://C:\My%20Docs\a.txt
//   topic link  "file://$CurrentBook$\" + escaped item path
//   web link    http://, https://, ftp://, mailto:, www. addresses, unchanged

#include <QString>
#include <QStringView>

#include <vector>

namespace oxlin::tree {

inline constexpr char kFileLinkPrefix[] = "file://";
inline constexpr char kTopicLinkPrefix[] = "file://$CurrentBook$\\";

// The longest path a link may carry once unescaped, in bytes: the platform's
// path limit. Longer links are refused, never cut.
inline constexpr int kMaxLinkPathBytes = 4096;

// Every byte of the path's UTF-8 form with its high bit set, and every tab
// and space, becomes "%" and two lower-case hex digits; the rest is copied.
QString escapeLinkPath(const QString& path);

struct UnescapedLink {
    QString text;
    bool wasEscaped = false; // the text held at least one "%"
};
// "%" and the two characters after it become the byte they name (hex digits
// of either case); a "%" without two hex digits stays as it is. The bytes are
// read as UTF-8, else as Windows-1252 (links written on Windows).
UnescapedLink unescapeLinkText(const QString& text);

QString fileLinkText(const QString& path);
QString topicLinkText(const QString& itemPath);

enum class LinkKind { None, Web, File, Topic };

struct ParsedLink {
    LinkKind kind = LinkKind::None;
    QString target;   // web: the text unchanged; file: the unescaped path; topic: the item path
    QString folder;   // file links: the part before the last "\" or "/"
    QString fileName; // file links: the part after it
    bool tooLong = false; // the unescaped path is past kMaxLinkPathBytes
};
// Tells a link's kind by its prefixes (without regard to case) and reads its
// target. Both "\" and "/" separate folders, so links written on Windows
// still name their folder and file here.
ParsedLink parseLink(const QString& text);

struct LinkSpan {
    int start = 0;
    int length = 0;
};
// The links in a piece of text (one paragraph), in order: a link runs from
// its prefix to the next blank or line end, without trailing punctuation
// (".", ",", ";", ":", "!", "?", quotes) or a closing bracket it did not open.
std::vector<LinkSpan> findLinks(QStringView text);

// Whether the whole text is one link, as findLinks finds links in text.
bool isWholeLink(QStringView text);

// Whether opening the file would run a program rather than show a document:
// it is executable, or its extension is one that desktops and shells run.
bool isProgramFile(const QString& path);

} // namespace oxlin::tree
