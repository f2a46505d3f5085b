#include "publish/html_writer.h"

#include "publish/block_pieces.h"
#include "publish/html_styles.h"

#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <vector>

namespace oxlin::publish {

namespace {

// The font most of the text is in, by characters: given once around the
// whole content rather than on every run (a topic read from RTF names its
// font on each).
QStringList commonFont(const QTextDocument& document) {
    QHash<QString, int> characters;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            characters[charFont(it.fragment().charFormat()).join(QLatin1Char(';'))] +=
                it.fragment().length();
    QString common;
    int most = 0;
    for (auto it = characters.cbegin(); it != characters.cend(); ++it)
        if (it.value() > most || (it.value() == most && it.key() < common)) {
            most = it.value();
            common = it.key();
        }
    return common.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

class HtmlWriter {
public:
    HtmlWriter(const QTextDocument& document, const PageOutput& output)
        : document_(document), output_(output), font_(commonFont(document)) {}

    QString write() {
        const QTextFrame* root = document_.rootFrame();
        writeItems(root->begin(), root->end());
        if (font_.isEmpty())
            return out_;
        return QStringLiteral("<div%1>\n%2</div>\n").arg(styleAttribute(font_), out_);
    }

private:
    struct OpenList {
        const QTextList* list;
        int level;
        bool ordered;
    };

    void writeItems(QTextFrame::iterator it, const QTextFrame::iterator& end);
    void writeFrame(QTextFrame* frame);
    void writeTable(const QTextTable& table);
    void writeParagraph(const QTextBlock& block);
    void writeListItem(const QTextBlock& block);
    void closeList();
    void closeLists();
    void writeInline(const QTextBlock& block);
    void writePicture(const BlockPiece& piece);

    const QTextDocument& document_;
    const PageOutput& output_;
    const QStringList font_;      // the font around the whole content
    std::vector<OpenList> lists_; // the innermost last
    QString out_;
};

void HtmlWriter::writeItems(QTextFrame::iterator it, const QTextFrame::iterator& end) {
    for (; it != end; ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            closeLists();
            writeFrame(frame);
        } else if (it.currentBlock().textList()) {
            writeListItem(it.currentBlock());
        } else {
            closeLists();
            writeParagraph(it.currentBlock());
        }
    }
    closeLists();
}

void HtmlWriter::writeFrame(QTextFrame* frame) {
    if (const auto* table = qobject_cast<const QTextTable*>(frame)) {
        writeTable(*table);
        return;
    }
    out_ += QStringLiteral("<div%1>\n").arg(styleAttribute(frameStyle(frame->frameFormat())));
    writeItems(frame->begin(), frame->end());
    out_ += QStringLiteral("</div>\n");
}

void HtmlWriter::writeTable(const QTextTable& table) {
    const QTextTableFormat format = table.format();
    out_ += QStringLiteral("<table%1>\n").arg(styleAttribute(tableStyle(format)));
    const QList<QTextLength> widths = format.columnWidthConstraints();
    if (!widths.isEmpty()) {
        out_ += QStringLiteral("<colgroup>");
        for (const QTextLength& width : widths)
            out_ += QStringLiteral("<col%1>").arg(styleAttribute(lengthStyle("width", width)));
        out_ += QStringLiteral("</colgroup>\n");
    }
    for (int row = 0; row < table.rows(); ++row) {
        out_ += QStringLiteral("<tr>");
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            // A spanned cell is written once, where it starts.
            if (cell.row() != row || cell.column() != column)
                continue;
            out_ += QStringLiteral("<td");
            if (cell.rowSpan() > 1)
                out_ += QStringLiteral(" rowspan=\"%1\"").arg(cell.rowSpan());
            if (cell.columnSpan() > 1)
                out_ += QStringLiteral(" colspan=\"%1\"").arg(cell.columnSpan());
            out_ += styleAttribute(cellStyle(format, cell.format().toTableCellFormat()));
            out_ += QLatin1Char('>');
            writeItems(cell.begin(), cell.end());
            out_ += QStringLiteral("</td>");
        }
        out_ += QStringLiteral("</tr>\n");
    }
    out_ += QStringLiteral("</table>\n");
}

void HtmlWriter::writeParagraph(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    const int heading = format.headingLevel();
    const QString tag =
        heading >= 1 && heading <= 6 ? QStringLiteral("h%1").arg(heading) : QStringLiteral("p");
    out_ += QStringLiteral("<%1%2>").arg(tag, styleAttribute(blockStyle(format, true)));
    writeInline(block);
    out_ += QStringLiteral("</%1>\n").arg(tag);
}

void HtmlWriter::writeListItem(const QTextBlock& block) {
    const QTextList* list = block.textList();
    const QTextListFormat format = list->format();
    const int level = std::max(1, format.indent());
    while (!lists_.empty() && (lists_.back().level > level ||
                               (lists_.back().level == level && lists_.back().list != list)))
        closeList();
    if (!lists_.empty() && lists_.back().level == level) {
        out_ += QStringLiteral("</li>\n");
    } else {
        // A deeper list opens inside the item before it, as HTML nests lists.
        const bool ordered = isOrderedList(format.style());
        out_ += QStringLiteral("<%1%2>").arg(ordered ? QStringLiteral("ol") : QStringLiteral("ul"),
                                             styleAttribute(listStyle(format.style())));
        lists_.push_back({list, level, ordered});
    }
    out_ += QStringLiteral("<li%1>").arg(styleAttribute(blockStyle(block.blockFormat(), false)));
    writeInline(block);
}

void HtmlWriter::closeList() {
    out_ += lists_.back().ordered ? QStringLiteral("</li></ol>") : QStringLiteral("</li></ul>");
    lists_.pop_back();
    // Only between top-level elements: inside an item a line end would show.
    if (lists_.empty())
        out_ += QLatin1Char('\n');
}

void HtmlWriter::closeLists() {
    while (!lists_.empty())
        closeList();
}

void HtmlWriter::writeInline(const QTextBlock& block) {
    const std::vector<BlockPiece> pieces = blockPieces(block);
    if (pieces.empty()) {
        out_ += QStringLiteral("<br>"); // an empty paragraph keeps its line
        return;
    }
    QString openLink; // the link of the <a> open now, empty when none
    for (const BlockPiece& piece : pieces) {
        if (piece.link != openLink) {
            if (!openLink.isEmpty())
                out_ += QStringLiteral("</a>");
            openLink.clear();
            const QString href = piece.link.isEmpty() ? QString() : output_.href(piece.link);
            if (!href.isEmpty()) {
                out_ += QStringLiteral("<a href=\"%1\">").arg(escapeHtml(href));
                openLink = piece.link;
            }
        }
        if (piece.isPicture()) {
            writePicture(piece);
            continue;
        }
        const QString style = styleAttribute(charStyle(piece.format, font_));
        QString text = escapeHtml(piece.text);
        text.replace(QChar::LineSeparator, QLatin1String("<br>"));
        out_ += style.isEmpty() ? text : QStringLiteral("<span%1>%2</span>").arg(style, text);
    }
    if (!openLink.isEmpty())
        out_ += QStringLiteral("</a>");
}

void HtmlWriter::writePicture(const BlockPiece& piece) {
    const QTextImageFormat format = piece.format.toImageFormat();
    const QString source = output_.picture ? output_.picture(document_, format) : QString();
    if (source.isEmpty())
        return;
    out_ += QStringLiteral("<img src=\"%1\" alt=\"\"").arg(escapeHtml(source));
    if (format.width() > 0)
        out_ += QStringLiteral(" width=\"%1\"").arg(qRound(format.width()));
    if (format.height() > 0)
        out_ += QStringLiteral(" height=\"%1\"").arg(qRound(format.height()));
    out_ += QLatin1Char('>');
}

} // namespace

QString documentHtml(const QTextDocument& document, const PageOutput& output) {
    return HtmlWriter(document, output).write();
}

QString escapeHtml(QStringView text) {
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text[i + 1]);
            if ((code & 0xFFFE) != 0xFFFE) // not a non-character
                escaped.append(text.mid(i, 2));
            ++i;
            continue;
        }
        const char16_t u = c.unicode();
        if (c.isSurrogate() || (u < 0x20 && u != '\t' && u != '\n') || (u >= 0x7F && u < 0xA0) ||
            (u >= 0xFDD0 && u <= 0xFDEF) || u >= 0xFFFE)
            continue; // a parse error in a page, and never meant as text
        switch (u) {
        case '&':
            escaped.append(QLatin1String("&amp;"));
            break;
        case '<':
            escaped.append(QLatin1String("&lt;"));
            break;
        case '>':
            escaped.append(QLatin1String("&gt;"));
            break;
        case '"':
            escaped.append(QLatin1String("&quot;"));
            break;
        default:
            escaped.append(c);
        }
    }
    return escaped;
}

QString htmlPage(const QString& title, const QString& navigation, const QString& body,
                 const std::optional<QFont>& font) {
    // White space is kept as typed, the way the editor shows it; paragraphs
    // carry their own margins.
    static const QString kStyle =
        QStringLiteral("p,li,h1,h2,h3,h4,h5,h6{white-space:pre-wrap}p{margin:0}"
                       "nav{margin-bottom:1em;font-family:sans-serif}"
                       "table{margin:0.5em 0}img{max-width:100%;height:auto}");
    const QStringList bodyFont =
        font
            ? fontStyle(font->families().isEmpty() ? QStringList{font->family()} : font->families(),
                        font->pointSizeF())
            : QStringList();
    const QString nav =
        navigation.isEmpty() ? QString() : QStringLiteral("<nav>%1</nav>\n").arg(navigation);
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, "
                          "initial-scale=1\">\n<title>%1</title>\n<style>%2</style>\n</head>\n"
                          "<body>\n%3<main%4>\n%5</main>\n</body>\n</html>\n")
        .arg(escapeHtml(title), kStyle, nav, styleAttribute(bodyFont), body);
}

} // namespace oxlin::publish
