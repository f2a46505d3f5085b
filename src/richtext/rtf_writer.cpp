// The RTF writer: the header and its tables, paragraphs, character runs and links.
#include "richtext/rtf_writer.h"

#include "richtext/rtf_document_writer.h"
#include "richtext/text_objects.h"

#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace oxlin::richtext::writing {

int toTwips(double pixels) {
    return int(std::clamp(pixels * kTwipsPerPixel, -1.0e7, 1.0e7) + (pixels >= 0 ? 0.5 : -0.5));
}

Writer::Writer(const QTextDocument& document) : document_(document) {
    defaultFamily_ = document.defaultFont().family();
    if (defaultFamily_.isEmpty())
        defaultFamily_ = QStringLiteral("Arial");
    fonts_.push_back(defaultFamily_);
    // Runs without a size of their own show in the document's default font:
    // that is the size they are stored with, so they read back as shown.
    const QFont font = document.defaultFont();
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    defaultHalfPoints_ = size > 0 ? std::clamp(qRound(size * 2), 1, 3276) : 24;
}

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

namespace {

// The sixteen colours \highlight offers in word processors.
bool isHighlightColor(const QColor& color) {
    static constexpr QRgb kPalette[] = {0x000000, 0x0000ff, 0x00ffff, 0x00ff00, 0xff00ff, 0xff0000,
                                        0xffff00, 0xffffff, 0x000080, 0x008080, 0x008000, 0x800080,
                                        0x800000, 0x808000, 0x808080, 0xc0c0c0};
    const QRgb rgb = color.rgb() & 0xffffff;
    return std::find(std::begin(kPalette), std::end(kPalette), rgb) != std::end(kPalette);
}

} // namespace

int Writer::halfPointsOf(const QTextCharFormat& format) const {
    // Text read without a size keeps none; text typed without one is
    // stored at the size it shows in, the editor's default.
    const double size = format.fontPointSize();
    if (size > 0)
        return std::clamp(qRound(size * 2), 1, 3276);
    return format.boolProperty(kSizeUnstatedProperty) ? kUnstatedSize : defaultHalfPoints_;
}

void Writer::switchTo(const QTextCharFormat& format) {
    RunState next;
    QString family;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        family = families.first();
    next.font = fontIndex(family);
    next.halfPoints = halfPointsOf(format);
    next.bold = format.fontWeight() > QFont::Medium;
    next.italic = format.fontItalic();
    next.underline = format.fontUnderline();
    next.strike = format.fontStrikeOut();
    if (format.foreground().style() != Qt::NoBrush)
        next.foreground = colorIndex(format.foreground().color());
    if (format.background().style() != Qt::NoBrush) {
        next.background = colorIndex(format.background().color());
        if (isHighlightColor(format.background().color()))
            next.highlight = next.background;
    }
    if (next.halfPoints == kUnstatedSize && run_.halfPoints > 0) {
        // RTF cannot take a size back but by \plain, which resets the rest too.
        word("plain");
        run_ = RunState{};
        run_.halfPoints = kUnstatedSize;
    }
    next.eastAsianFont = run_.eastAsianFont;
    next.complexFont = run_.complexFont;
    next.complexHalfPoints = run_.complexHalfPoints;
    next.complexBold = run_.complexBold;
    next.complexItalic = run_.complexItalic;

    if (next.font != run_.font) word("f", next.font);
    if (next.halfPoints != run_.halfPoints && next.halfPoints > 0)
        word("fs", next.halfPoints);
    if (next.foreground != run_.foreground) word("cf", next.foreground);
    // \chcbpat is any colour of the table; other programs take \highlight
    // as one of a fixed palette, so it comes beside it only for those colours.
    // Our reader takes the last of the two, so \highlight comes first.
    if (next.highlight != run_.highlight)
        word("highlight", next.highlight);
    if (next.background != run_.background)
        word("chcbpat", next.background);
    if (next.bold != run_.bold) next.bold ? word("b") : word("b", 0);
    if (next.italic != run_.italic) next.italic ? word("i") : word("i", 0);
    if (next.underline != run_.underline) next.underline ? word("ul") : word("ulnone");
    if (next.strike != run_.strike) next.strike ? word("strike") : word("strike", 0);
    run_ = next;
}

namespace {

bool isEastAsian(char16_t c) {
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA960 && c <= 0xA97F) ||
           (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xD840 && c <= 0xD8BF) || // planes 2 and 3
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

// Scripts word processors format with the associated words: right-to-left,
// Indic, Thai, Lao, Tibetan, Khmer.
bool isComplex(char16_t c) {
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0x0900 && c <= 0x0FFF) ||
           (c >= 0x1780 && c <= 0x17FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFF);
}

} // namespace

void Writer::writeScriptFormats(const QString& s) {
    bool eastAsian = false;
    bool complex = false;
    for (QChar c : s) {
        eastAsian = eastAsian || isEastAsian(c.unicode());
        complex = complex || isComplex(c.unicode());
    }
    if (eastAsian && run_.eastAsianFont != run_.font) {
        // \loch after it: the run's other characters stay Latin.
        word("dbch");
        word("af", run_.font);
        word("loch");
        run_.eastAsianFont = run_.font;
    }
    if (!complex)
        return;
    if (run_.complexFont != run_.font) {
        word("af", run_.font);
        run_.complexFont = run_.font;
    }
    if (run_.complexHalfPoints != run_.halfPoints && run_.halfPoints > 0) {
        word("afs", run_.halfPoints);
        run_.complexHalfPoints = run_.halfPoints;
    }
    if (run_.complexBold != run_.bold) {
        run_.bold ? word("ab") : word("ab", 0);
        run_.complexBold = run_.bold;
    }
    if (run_.complexItalic != run_.italic) {
        run_.italic ? word("ai") : word("ai", 0);
        run_.complexItalic = run_.italic;
    }
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
    writeScriptFormats(s);
    // Superscript and subscript each in a group of their own: LibreOffice
    // drops the text after a \super that no group closes.
    const auto vertical = format.verticalAlignment();
    if (vertical != QTextCharFormat::AlignSuperScript && vertical != QTextCharFormat::AlignSubScript) {
        text(s);
        return;
    }
    raw("{");
    word(vertical == QTextCharFormat::AlignSuperScript ? "super" : "sub");
    text(s);
    raw("}");
}

namespace {

// The field instruction a run is the result of: a hyperlink's, or the one
// kept from the file read; empty outside fields.
QString fieldInstructionOf(const QTextCharFormat& format) {
    const QString href = format.isAnchor() ? format.anchorHref() : QString();
    if (href.isEmpty())
        return format.stringProperty(kFieldInstructionProperty);
    QString target = href;
    QString argument;
    if (target.startsWith(u'#')) {
        argument = QStringLiteral("\\l ");
        target = target.mid(1);
    }
    target.replace(u'\\', QLatin1String("\\\\")).replace(u'"', QLatin1String("\\\""));
    return QStringLiteral("HYPERLINK ") + argument + u'"' + target + u'"';
}

// Whether `block` starts with the result of the field `instruction`.
bool startsWithField(const QTextBlock& block, const QString& instruction) {
    if (!block.isValid() || block.begin().atEnd())
        return false;
    const QTextCharFormat format = block.begin().fragment().charFormat();
    return !format.isAnchor() && format.stringProperty(kFieldInstructionProperty) == instruction;
}

} // namespace

void Writer::writeRuns(const QTextBlock& block) {
    if (QTextList* list = block.textList()) {
        // The marker as text, for readers that know no lists.
        const QTextListFormat::Style style = list->format().style();
        raw("{");
        word("listtext");
        if (style != QTextListFormat::ListStyleUndefined)
            text(numberFormat(style) == 23 ? QString(QChar(bulletOf(style)))
                                           : list->itemText(block));
        word("tab");
        raw("}");
    }
    QString last;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QTextCharFormat format = fragment.charFormat();
        const QString instruction = fieldInstructionOf(format);
        if (instruction != openField_)
            closeField();
        if (!instruction.isEmpty() && openField_.isEmpty())
            openField(instruction);
        writeFragmentText(fragment.text(), format);
        last = instruction;
    }
    // A field's result that goes on in the next paragraph (a table of
    // contents) stays one field across the paragraph mark; links end with
    // their paragraph, as the editor makes them.
    const bool goesOn = !openField_.isEmpty() && last == openField_ && fieldMayContinue_ &&
                        !openField_.startsWith(QLatin1String("HYPERLINK ")) &&
                        startsWithField(block.next(), openField_);
    if (!goesOn)
        closeField();
    if (block.length() <= 1)
        switchTo(block.charFormat());
}

void Writer::openField(const QString& instruction) {
    fieldOutside_ = run_;
    openField_ = instruction;
    raw("{");
    word("field");
    raw("{");
    word("*");
    word("fldinst");
    raw("{");
    text(instruction);
    raw("}}{");
    word("fldrslt");
    raw("{");
}

void Writer::closeField() {
    if (openField_.isEmpty())
        return;
    raw("}}}");
    run_ = fieldOutside_;
    openField_.clear();
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
    fieldMayContinue_ = depth == 0; // a cell's next paragraph may be in another cell
    writeParagraphStart(depth);
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignJustify)
        word("qj");
    else if (align & Qt::AlignHCenter)
        word("qc");
    else if (align & (Qt::AlignRight | Qt::AlignTrailing) && !(align & Qt::AlignLeft))
        word("qr");
    if (block.textList()) {
        // A list item: its list indents it, with the marker hanging before it.
        const ListItem item = listItem(block);
        word("fi", -360);
        word("li", 720 * (item.depth + 1));
        word("ls", item.ls);
        word("ilvl", item.depth);
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

    // The list table names fonts too, so it is made before the font table.
    const QByteArray lists = listTables();
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
    header += lists;
    header += "{\\*\\generator Oxlin;}";
    header += document_.rootFrame()->frameFormat().property(kKeptDocumentRtfProperty).toByteArray();
    return header + body + "}\r\n";
}

} // namespace oxlin::richtext::writing

namespace oxlin::richtext {

QByteArray writeRtf(const QTextDocument& document) {
    writing::Writer writer(document);
    return writer.write();
}

} // namespace oxlin::richtext
