// The RTF writer: font and colour tables, paragraphs, tables, pictures, links, kept objects.
#include "richtext/rtf_writer.h"

#include "richtext/table_grid.h"
#include "richtext/text_objects.h"

#include <QBuffer>
#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <vector>

namespace oxlin::richtext {

namespace {

struct RunState {
    int font = 0;
    int halfPoints = 24;
    int foreground = 0;
    int background = 0;
    int vertical = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

constexpr int kDefaultCellWidth = 2200; // twips
constexpr int kHexLineLength = 128;

int toTwips(double pixels) {
    return int(std::clamp(pixels * kTwipsPerPixel, -1.0e7, 1.0e7) + (pixels >= 0 ? 0.5 : -0.5));
}

class Writer {
public:
    explicit Writer(const QTextDocument& document) : document_(document) {
        defaultFamily_ = document.defaultFont().family();
        if (defaultFamily_.isEmpty())
            defaultFamily_ = QStringLiteral("Arial");
        fonts_.push_back(defaultFamily_);
        const double size = document.defaultFont().pointSizeF();
        defaultHalfPoints_ = size > 0 ? qRound(size * 2) : 24;
    }

    QByteArray write();

private:
    void writeFrameContent(const QTextFrame* frame);
    // `depth` is how deep in tables the text is: 0 outside, 1 in a table,
    // 2 in a table inside a cell, and so on.
    void writeBlock(const QTextBlock& block, int depth);
    void writeParagraphStart(int depth);
    void writeTable(const QTextTable* table, int depth);
    void writeRowDefinition(const QTextTable* table, int row, const std::vector<int>& edges,
                            bool borders);
    void writeCell(const QTextTableCell& cell, int depth);
    void writeCellContent(QTextFrame::iterator it, int depth, bool& paragraphOpen);
    void writeRuns(const QTextBlock& block);
    void writeFragmentText(const QString& text, const QTextCharFormat& format);
    void writePicture(const QTextImageFormat& format);
    void switchTo(const QTextCharFormat& format);

    void word(const char* name) {
        body_ += '\\';
        body_ += name;
        delimit_ = true;
    }
    void word(const char* name, long long value) {
        body_ += '\\';
        body_ += name;
        body_ += QByteArray::number(value);
        delimit_ = true;
    }
    void raw(const QByteArray& bytes) {
        body_ += bytes;
        delimit_ = false;
    }
    void text(const QString& s, bool fontName = false);

    int fontIndex(const QString& family);
    int colorIndex(const QColor& color);
    // The \lsN of a list, numbering lists in the order they are met.
    int listIndex(const QTextList* list);
    QByteArray listTables() const;

    const QTextDocument& document_;
    QString defaultFamily_;
    int defaultHalfPoints_ = 24;
    std::vector<QString> fonts_;
    std::vector<QColor> colors_;
    std::vector<const QTextList*> lists_;
    QByteArray body_;
    bool delimit_ = false;
    RunState run_;
};

int Writer::fontIndex(const QString& family) {
    const QString name = family.isEmpty() ? defaultFamily_ : family;
    for (size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i] == name)
            return int(i);
    fonts_.push_back(name);
    return int(fonts_.size() - 1);
}

int Writer::colorIndex(const QColor& color) {
    const QRgb rgb = color.rgb();
    for (size_t i = 0; i < colors_.size(); ++i)
        if (colors_[i].rgb() == rgb)
            return int(i + 1);
    colors_.push_back(color);
    return int(colors_.size());
}

int Writer::listIndex(const QTextList* list) {
    for (size_t i = 0; i < lists_.size(); ++i)
        if (lists_[i] == list)
            return int(i + 1);
    lists_.push_back(list);
    return int(lists_.size());
}

// The \levelnfc number format of a list style.
int numberFormat(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListDecimal: return 0;
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    default: return 23; // a bullet
    }
}

// The bullet a list of `style` shows.
char16_t bulletOf(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListCircle: return 0x25E6;
    case QTextListFormat::ListSquare: return 0x25AA;
    default: return 0x2022;
    }
}

QByteArray Writer::listTables() const {
    // One simple list per QTextList, each with one level, and one override
    // per list so that \lsN names it: the form Word and LibreOffice read.
    if (lists_.empty())
        return {};
    QByteArray table = "{\\*\\listtable";
    QByteArray overrides = "{\\*\\listoverridetable";
    for (size_t i = 0; i < lists_.size(); ++i) {
        const QTextListFormat format = lists_[i]->format();
        const int nfc = numberFormat(format.style());
        const QByteArray id = QByteArray::number(qsizetype(i + 1));
        const QByteArray nfcText = QByteArray::number(nfc);
        const QByteArray indent = QByteArray::number(720 * std::max(1, format.indent()));
        table += "\r\n{\\list\\listtemplateid" + id + "\\listsimple{\\listlevel\\levelnfc" +
                 nfcText + "\\levelnfcn" + nfcText +
                 "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0\\levelindent0";
        if (nfc == 23)
            table += "{\\leveltext\\'01\\u" + QByteArray::number(int(bulletOf(format.style()))) +
                     " ?;}{\\levelnumbers;}";
        else
            table += "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}";
        table += "\\fi-360\\li" + indent + "\\lin" + indent + " }{\\listname ;}\\listid" + id + "}";
        overrides += "\r\n{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + "}";
    }
    return table + "}\r\n" + overrides + "}\r\n";
}

void Writer::text(const QString& s, bool fontName) {
    QByteArray& out = body_;
    for (QChar qc : s) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
            delimit_ = false;
        } else if (c == u'\t' && !fontName) {
            word("tab");
        } else if (c == QChar::LineSeparator && !fontName) {
            word("line");
        } else if (c == QChar::Nbsp && !fontName) {
            out += "\\~";
            delimit_ = false;
        } else if (c < 0x20 || c == QChar::ObjectReplacementCharacter ||
                   c == QChar::ParagraphSeparator || (fontName && c == u';')) {
            continue;
        } else if (c < 0x80) {
            if (delimit_) {
                out += ' ';
                delimit_ = false;
            }
            out += char(c);
        } else {
            out += "\\u";
            out += QByteArray::number(int(qint16(c)));
            out += '?';
            delimit_ = false;
        }
    }
}

void Writer::switchTo(const QTextCharFormat& format) {
    RunState next;
    QString family;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        family = families.first();
    next.font = fontIndex(family);
    const double size = format.fontPointSize();
    next.halfPoints = size > 0 ? std::clamp(qRound(size * 2), 1, 3276) : defaultHalfPoints_;
    next.bold = format.fontWeight() > QFont::Medium;
    next.italic = format.fontItalic();
    next.underline = format.fontUnderline();
    next.strike = format.fontStrikeOut();
    if (format.foreground().style() != Qt::NoBrush)
        next.foreground = colorIndex(format.foreground().color());
    if (format.background().style() != Qt::NoBrush)
        next.background = colorIndex(format.background().color());
    const auto v = format.verticalAlignment();
    next.vertical = v == QTextCharFormat::AlignSuperScript ? 1
                    : v == QTextCharFormat::AlignSubScript ? -1
                                                          : 0;

    if (next.font != run_.font) word("f", next.font);
    if (next.halfPoints != run_.halfPoints) word("fs", next.halfPoints);
    if (next.foreground != run_.foreground) word("cf", next.foreground);
    if (next.background != run_.background) word("highlight", next.background);
    if (next.bold != run_.bold) next.bold ? word("b") : word("b", 0);
    if (next.italic != run_.italic) next.italic ? word("i") : word("i", 0);
    if (next.underline != run_.underline) next.underline ? word("ul") : word("ulnone");
    if (next.strike != run_.strike) next.strike ? word("strike") : word("strike", 0);
    if (next.vertical != run_.vertical)
        next.vertical > 0 ? word("super") : next.vertical < 0 ? word("sub") : word("nosupersub");
    run_ = next;
}

void Writer::writePicture(const QTextImageFormat& format) {
    const QByteArray kept = format.property(kKeptRtfProperty).toByteArray();
    if (!kept.isEmpty()) {
        raw(kept);
        return;
    }
    QByteArray data = format.property(kPictureDataProperty).toByteArray();
    auto kind = PictureKind(format.property(kPictureKindProperty).toInt());
    const QImage image = pictureImage(document_, format);
    if (data.isEmpty() || (kind != PictureKind::Png && kind != PictureKind::Jpeg)) {
        if (image.isNull())
            return; // nothing to write: the picture's image is not in the document
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        kind = PictureKind::Png;
    }
    const double w = format.width() > 0 ? format.width() : image.width();
    const double h = format.height() > 0 ? format.height() : image.height();
    raw("{");
    word("pict");
    word(kind == PictureKind::Jpeg ? "jpegblip" : "pngblip");
    word("picw", image.isNull() ? qRound(w) : image.width());
    word("pich", image.isNull() ? qRound(h) : image.height());
    word("picwgoal", toTwips(w));
    word("pichgoal", toTwips(h));
    raw("\r\n");
    static const char kHex[] = "0123456789abcdef";
    QByteArray hex;
    hex.reserve(data.size() * 2 + data.size() / (kHexLineLength / 2) * 2 + 4);
    for (qsizetype i = 0; i < data.size(); ++i) {
        const uchar b = uchar(data[i]);
        hex += kHex[b >> 4];
        hex += kHex[b & 15];
        if ((i + 1) % (kHexLineLength / 2) == 0)
            hex += "\r\n";
    }
    raw(hex);
    raw("}");
}

void Writer::writeFragmentText(const QString& s, const QTextCharFormat& format) {
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        for (QChar c : s)
            if (c == QChar::ObjectReplacementCharacter)
                writePicture(image);
        return;
    }
    switchTo(format);
    text(s);
}

void Writer::writeRuns(const QTextBlock& block) {
    if (QTextList* list = block.textList()) {
        // The marker as text, for readers that know no lists.
        const QTextListFormat::Style style = list->format().style();
        raw("{");
        word("listtext");
        text(numberFormat(style) == 23 ? QString(QChar(bulletOf(style))) : list->itemText(block));
        word("tab");
        raw("}");
    }
    QString linkTarget;
    RunState outside;
    bool inLink = false;
    auto closeLink = [&] {
        if (inLink) {
            raw("}}}");
            run_ = outside;
            inLink = false;
        }
    };
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        const QString href = format.isAnchor() ? format.anchorHref() : QString();
        if (inLink && href != linkTarget)
            closeLink();
        if (!href.isEmpty() && !inLink) {
            outside = run_;
            linkTarget = href;
            inLink = true;
            raw("{");
            word("field");
            raw("{");
            word("*");
            word("fldinst");
            raw("{");
            raw("HYPERLINK ");
            QString target = href;
            QString argument;
            if (target.startsWith(u'#')) {
                argument = QStringLiteral("\\l ");
                target = target.mid(1);
            }
            target.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
            text(argument + u'"' + target + u'"');
            raw("}}{");
            word("fldrslt");
            raw("{");
        }
        writeFragmentText(fragment.text(), format);
    }
    closeLink();
    if (block.length() <= 1)
        switchTo(block.charFormat());
}

void Writer::writeParagraphStart(int depth) {
    word("pard");
    if (depth > 0)
        word("intbl");
    if (depth > 1)
        word("itap", depth);
}

void Writer::writeBlock(const QTextBlock& block, int depth) {
    const QTextBlockFormat format = block.blockFormat();
    writeParagraphStart(depth);
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignJustify)
        word("qj");
    else if (align & Qt::AlignHCenter)
        word("qc");
    else if (align & (Qt::AlignRight | Qt::AlignTrailing) && !(align & Qt::AlignLeft))
        word("qr");
    if (const QTextList* list = block.textList()) {
        // A list item: its list indents it, with the marker hanging before it.
        const int level = std::max(1, list->format().indent());
        word("fi", -360);
        word("li", 720 * level);
        word("ls", listIndex(list));
        if (level > 1)
            word("ilvl", level - 1);
    } else {
        const double left = format.leftMargin() + format.indent() * document_.indentWidth();
        if (int v = toTwips(left)) word("li", v);
        if (int v = toTwips(format.textIndent())) word("fi", v);
    }
    if (int v = toTwips(format.rightMargin())) word("ri", v);
    if (int v = toTwips(format.topMargin())) word("sb", v);
    if (int v = toTwips(format.bottomMargin())) word("sa", v);
    writeRuns(block);
}

void Writer::writeCell(const QTextTableCell& cell, int depth) {
    bool paragraphOpen = false;
    writeCellContent(cell.begin(), depth, paragraphOpen);
    if (!paragraphOpen)
        writeParagraphStart(depth);
}

void Writer::writeCellContent(QTextFrame::iterator it, int depth, bool& paragraphOpen) {
    // Paragraphs end with \par but the last, which the cell's end ends; a
    // table inside the cell ends the paragraph before it and is followed by
    // one of its own. Other frames add their paragraphs to the cell's.
    for (; !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            if (auto* nested = qobject_cast<QTextTable*>(frame)) {
                if (paragraphOpen) {
                    word("par");
                    raw("\r\n");
                }
                writeTable(nested, std::min(depth + 1, kMaxTableDepth));
                paragraphOpen = false;
            } else {
                writeCellContent(frame->begin(), depth, paragraphOpen);
            }
            continue;
        }
        const QTextBlock block = it.currentBlock();
        if (!block.isValid())
            continue;
        if (paragraphOpen) {
            word("par");
            raw("\r\n");
        }
        writeBlock(block, depth);
        paragraphOpen = true;
    }
}

void Writer::writeRowDefinition(const QTextTable* table, int r, const std::vector<int>& edges,
                                bool borders) {
    word("trowd");
    word("trgaph", 108);
    word("trleft", 8);
    if (borders) {
        for (const char* side : {"trbrdrl", "trbrdrt", "trbrdrr", "trbrdrb"}) {
            word(side);
            word("brdrs");
            word("brdrw", 10);
        }
    }
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(r, c);
        if (cell.column() != c)
            continue; // covered by a cell spanning columns
        if (cell.row() != r)
            word("clvmrg");
        else if (cell.rowSpan() > 1)
            word("clvmgf");
        if (borders) {
            for (const char* side : {"clbrdrl", "clbrdrt", "clbrdrr", "clbrdrb"}) {
                word(side);
                word("brdrw", 10);
                word("brdrs");
            }
        }
        word("cellx", edges[size_t(std::min(c + cell.columnSpan() - 1, table->columns() - 1))]);
    }
}

void Writer::writeTable(const QTextTable* table, int depth) {
    const QTextTableFormat format = table->format();
    const bool borders = format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_None;
    const QList<QTextLength> widths = format.columnWidthConstraints();
    std::vector<int> edges;
    int edge = 0;
    for (int c = 0; c < table->columns(); ++c) {
        int width = kDefaultCellWidth;
        if (c < widths.size() && widths[c].type() == QTextLength::FixedLength && widths[c].rawValue() > 0)
            width = toTwips(widths[c].rawValue());
        edge += width;
        edges.push_back(edge);
    }
    const bool nested = depth > 1;
    for (int r = 0; r < table->rows(); ++r) {
        // An outer row is defined before its cells; a nested one after them.
        if (!nested) {
            writeRowDefinition(table, r, edges, borders);
            raw("\r\n");
        }
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.column() != c)
                continue;
            if (cell.row() != r)
                writeParagraphStart(depth);
            else
                writeCell(cell, depth);
            word(nested ? "nestcell" : "cell");
            raw("\r\n");
        }
        if (nested) {
            raw("{");
            word("*");
            word("nesttableprops");
            writeRowDefinition(table, r, edges, borders);
            word("nestrow");
            raw("}{");
            word("nonesttables");
            word("par");
            raw("}\r\n");
        } else {
            word("row");
            raw("\r\n");
        }
    }
}

void Writer::writeFrameContent(const QTextFrame* frame) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child))
                writeTable(table, 1);
            else
                writeFrameContent(child);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        if (!block.isValid())
            continue;
        writeBlock(block, 0);
        word("par");
        raw("\r\n");
    }
}

QByteArray Writer::write() {
    body_.reserve(document_.characterCount() * 2 + 1024);
    word("viewkind4");
    word("uc", 1);
    writeFrameContent(document_.rootFrame());

    QByteArray body;
    body.swap(body_);
    // Font names go through text(), which writes into body_.
    QByteArray fontTable;
    for (size_t i = 0; i < fonts_.size(); ++i) {
        body_ = "{\\f" + QByteArray::number(qsizetype(i)) + "\\fnil\\fcharset0 ";
        delimit_ = false;
        text(fonts_[i], true);
        fontTable += body_ + ";}";
    }
    QByteArray header = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl" + fontTable + "}\r\n";
    if (!colors_.empty()) {
        header += "{\\colortbl ;";
        for (const QColor& c : colors_)
            header += "\\red" + QByteArray::number(c.red()) + "\\green" +
                      QByteArray::number(c.green()) + "\\blue" + QByteArray::number(c.blue()) + ';';
        header += "}\r\n";
    }
    header += listTables();
    header += "{\\*\\generator Oxlin;}";
    return header + body + "}\r\n";
}

} // namespace

QByteArray writeRtf(const QTextDocument& document) {
    Writer writer(document);
    return writer.write();
}

} // namespace oxlin::richtext
