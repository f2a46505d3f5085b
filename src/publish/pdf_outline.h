#pragma once

// PDF bookmarks, which QPdfWriter cannot write: added to the file it wrote
// as an incremental update, the way the PDF format lets any program add to
// a file without rewriting it. The update holds the outline items and a new
// catalog that names them; the pages and everything else stay byte for
// byte as written.

#include <QByteArray>
#include <QString>

#include <vector>

namespace oxlin::publish {

// One bookmark, in tree order: its depth (0 at the top) says where it nests.
struct OutlineEntry {
    QString title;
    int depth = 0;
    int page = 0; // 0-based index of the page it opens
};

// `pdf` with the bookmarks added, or `pdf` unchanged when it is not laid out
// as a file QPdfWriter writes (one page tree, a classic cross-reference
// table) or there are no entries.
QByteArray addOutline(const QByteArray& pdf, const std::vector<OutlineEntry>& entries);

} // namespace oxlin::publish
