#include "publish/pdf_outline.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>

#include <cctype>

namespace oxlin::publish {

namespace {

struct Trailer {
    qint64 startXref = -1;
    int size = 0;
    int root = 0;
    int info = 0;
};

int referenceAfter(const QByteArray& dictionary, const char* key) {
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d+)\\s+0\\s+R"));
    const qsizetype at = dictionary.indexOf(key);
    if (at < 0)
        return 0;
    const auto match =
        number.match(QString::fromLatin1(dictionary.mid(at + qsizetype(qstrlen(key)), 24)));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

Trailer readTrailer(const QByteArray& pdf) {
    Trailer trailer;
    const qsizetype start = pdf.lastIndexOf("startxref");
    const qsizetype dictionary = pdf.lastIndexOf("trailer");
    if (start < 0 || dictionary < 0 || dictionary > start)
        return trailer;
    trailer.startXref =
        pdf.mid(start + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong();
    const QByteArray text = pdf.mid(dictionary, start - dictionary);
    static const QRegularExpression size(QStringLiteral("/Size\\s+(\\d+)"));
    const auto match = size.match(QString::fromLatin1(text));
    trailer.size = match.hasMatch() ? match.captured(1).toInt() : 0;
    trailer.root = referenceAfter(text, "/Root");
    trailer.info = referenceAfter(text, "/Info");
    return trailer;
}

// Where each object starts, from the cross-reference table at `startXref`;
// empty when there is no classic table there.
using ObjectOffsets = QHash<int, qsizetype>;

ObjectOffsets objectOffsets(const QByteArray& pdf, qint64 startXref) {
    ObjectOffsets offsets;
    if (startXref < 0 || !pdf.mid(startXref, 4).startsWith("xref"))
        return {};
    qsizetype at = pdf.indexOf('\n', startXref) + 1;
    // Subsections: "FIRST COUNT", then COUNT entries of 20 bytes each.
    while (at > 0 && at < pdf.size() && std::isdigit(static_cast<unsigned char>(pdf[at]))) {
        const qsizetype lineEnd = pdf.indexOf('\n', at);
        const QList<QByteArray> head = pdf.mid(at, lineEnd - at).trimmed().split(' ');
        if (lineEnd < 0 || head.size() != 2)
            return {};
        const int first = head[0].toInt();
        const int count = head[1].toInt();
        at = lineEnd + 1;
        for (int i = 0; i < count; ++i, at += 20) {
            const QByteArray entry = pdf.mid(at, 20);
            if (entry.size() < 18)
                return {};
            if (entry[17] == 'n')
                offsets.insert(first + i, entry.left(10).toLongLong());
        }
    }
    return offsets;
}

// The text between "N 0 obj" and "endobj" of object `id`, empty when absent.
QByteArray objectBody(const QByteArray& pdf, const ObjectOffsets& offsets, int id) {
    const QByteArray head = QByteArray::number(id) + " 0 obj";
    const qsizetype at = offsets.value(id, -1);
    if (at < 0 || pdf.mid(at, head.size()) != head)
        return {};
    const qsizetype start = at + head.size();
    const qsizetype end = pdf.indexOf("endobj", start);
    return end < 0 ? QByteArray() : pdf.mid(start, end - start).trimmed();
}

// The page objects in order, from the page tree's one /Kids array.
QList<int> pageObjects(const QByteArray& pdf, const ObjectOffsets& offsets, int pagesId) {
    const QByteArray pages = objectBody(pdf, offsets, pagesId);
    const qsizetype kids = pages.indexOf("/Kids");
    const qsizetype open = pages.indexOf('[', kids);
    const qsizetype close = pages.indexOf(']', open);
    QList<int> ids;
    if (kids < 0 || open < 0 || close < 0)
        return ids;
    static const QRegularExpression reference(QStringLiteral("(\\d+)\\s+0\\s+R"));
    auto it = reference.globalMatch(QString::fromLatin1(pages.mid(open + 1, close - open - 1)));
    while (it.hasNext())
        ids.append(it.next().captured(1).toInt());
    for (int id : ids) { // a nested page tree is not what this reads
        const QByteArray page = objectBody(pdf, offsets, id);
        if (!page.contains("/Type /Page") || page.contains("/Type /Pages"))
            return {};
    }
    return ids;
}

// A text string as UTF-16 with its byte-order mark, in hex.
QByteArray pdfText(const QString& text) {
    QByteArray bytes("FEFF");
    for (QChar c : text)
        bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return '<' + bytes + '>';
}

QByteArray reference(int id) {
    return QByteArray::number(id) + " 0 R";
}

// The outline items' dictionaries, entries[i] as object firstId + 1 + i
// under the outline root firstId.
QList<QByteArray> outlineObjects(const std::vector<OutlineEntry>& entries, const QList<int>& pages,
                                 int firstId) {
    const int count = int(entries.size());
    std::vector<int> parent(std::size_t(count), firstId);
    std::vector<int> previous(std::size_t(count), 0), next(std::size_t(count), 0);
    std::vector<int> first(std::size_t(count), 0), last(std::size_t(count), 0);
    std::vector<int> descendants(std::size_t(count), 0);
    std::vector<int> open; // indexes of the entries enclosing the current one
    int rootFirst = 0, rootLast = 0, lastAtTop = -1;
    std::vector<int> lastChild(std::size_t(count), -1);
    for (int i = 0; i < count; ++i) {
        const int depth = std::max(0, std::min(entries[std::size_t(i)].depth, int(open.size())));
        open.resize(std::size_t(depth));
        const int id = firstId + 1 + i;
        int& sibling = open.empty() ? lastAtTop : lastChild[std::size_t(open.back())];
        if (!open.empty()) {
            const std::size_t p = std::size_t(open.back());
            parent[std::size_t(i)] = firstId + 1 + open.back();
            if (!first[p])
                first[p] = id;
            last[p] = id;
        } else {
            rootFirst = rootFirst ? rootFirst : id;
            rootLast = id;
        }
        if (sibling >= 0) {
            previous[std::size_t(i)] = firstId + 1 + sibling;
            next[std::size_t(sibling)] = id;
        }
        sibling = i;
        for (int enclosing : open)
            ++descendants[std::size_t(enclosing)];
        open.push_back(i);
    }
    QList<QByteArray> objects;
    objects.append("<< /Type /Outlines /First " + reference(rootFirst) + " /Last " +
                   reference(rootLast) + " /Count " + QByteArray::number(count) + " >>");
    for (int i = 0; i < count; ++i) {
        const std::size_t at = std::size_t(i);
        const int page = std::clamp(entries[at].page, 0, int(pages.size()) - 1);
        QByteArray item = "<< /Title " + pdfText(entries[at].title) + " /Parent " +
                          reference(parent[at]) + " /Dest [" + reference(pages[page]) +
                          " /XYZ null null null]";
        if (previous[at])
            item += " /Prev " + reference(previous[at]);
        if (next[at])
            item += " /Next " + reference(next[at]);
        if (first[at]) // open: its children show
            item += " /First " + reference(first[at]) + " /Last " + reference(last[at]) +
                    " /Count " + QByteArray::number(descendants[at]);
        objects.append(item + " >>");
    }
    return objects;
}

} // namespace

QByteArray addOutline(const QByteArray& pdf, const std::vector<OutlineEntry>& entries) {
    const Trailer trailer = readTrailer(pdf);
    if (entries.empty() || trailer.startXref < 0 || trailer.size <= 0 || trailer.root <= 0)
        return pdf;
    const ObjectOffsets offsets = objectOffsets(pdf, trailer.startXref);
    QByteArray catalog = objectBody(pdf, offsets, trailer.root);
    const QList<int> pages = pageObjects(pdf, offsets, referenceAfter(catalog, "/Pages"));
    if (pages.isEmpty() || !catalog.endsWith(">>") || catalog.contains("/Outlines"))
        return pdf;
    const int firstId = trailer.size;
    catalog.chop(2);
    catalog += "/Outlines " + reference(firstId) + " /PageMode /UseOutlines\n>>";

    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    QList<qint64> written; // where each new object starts
    const auto addObject = [&](int id, const QByteArray& body) {
        written.append(pdf.size() + update.size());
        update += QByteArray::number(id) + " 0 obj\n" + body + "\nendobj\n";
    };
    addObject(trailer.root, catalog);
    const QList<QByteArray> outline = outlineObjects(entries, pages, firstId);
    for (int i = 0; i < outline.size(); ++i)
        addObject(firstId + i, outline[i]);

    const qint64 xref = pdf.size() + update.size();
    const auto entry = [](qint64 offset) {
        return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    };
    update += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(trailer.root) + " 1\n" +
              entry(written[0]) + QByteArray::number(firstId) + ' ' +
              QByteArray::number(outline.size()) + '\n';
    for (int i = 1; i < written.size(); ++i)
        update += entry(written[i]);
    update += "trailer\n<< /Size " + QByteArray::number(firstId + outline.size()) + " /Root " +
              reference(trailer.root) +
              (trailer.info ? " /Info " + reference(trailer.info) : QByteArray()) + " /Prev " +
              QByteArray::number(trailer.startXref) + " >>\nstartxref\n" +
              QByteArray::number(xref) + "\n%%EOF\n";
    return pdf + update;
}

} // namespace oxlin::publish
