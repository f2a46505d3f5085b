// The RTF writer's lists: the list and override tables and each item's \lsN and \ilvlN.
#include "richtext/rtf_document_writer.h"

#include "richtext/list_properties.h"

#include <QTextBlock>
#include <QTextList>

namespace oxlin::richtext::writing {

int numberFormat(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListDecimal: return 0;
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    case QTextListFormat::ListStyleUndefined:
        return 255;     // nothing shown
    default: return 23; // a bullet
    }
}

char16_t bulletOf(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListCircle: return 0x25E6;
    case QTextListFormat::ListSquare: return 0x25AA;
    default: return 0x2022;
    }
}

namespace {

int depthOf(const QTextList* list) {
    return std::clamp(list->format().indent() - 1, 0, kListLevels - 1);
}

// The level text of a list at `depth`: the one it was read with while it
// still fits its style, else the bullet or the number between Qt's prefix and suffix.
QString levelTextOf(const QTextListFormat& format, int depth) {
    if (format.style() == QTextListFormat::ListStyleUndefined)
        return {};
    const bool bullet = numberFormat(format.style()) == 23;
    const QString kept = format.stringProperty(kListLevelTextProperty);
    if (!kept.isEmpty() && kept.contains(QChar(char16_t(depth))) != bullet)
        return kept;
    if (bullet)
        return QString(QChar(bulletOf(format.style())));
    const QString suffix = format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix()
                                                                             : QStringLiteral(".");
    return format.numberPrefix() + QChar(char16_t(depth)) + suffix;
}

} // namespace

Writer::ListItem Writer::listItem(const QTextBlock& block) {
    const QTextList* list = block.textList();
    const int depth = depthOf(list);
    int index = listOf_.value(list, -1);
    if (index < 0) {
        // A list deeper than the list of the items before it is a level of
        // the same RTF list, so that the outer numbering goes on after it;
        // unless a list is still open at that level, or the level was
        // defined by a list of another format. Readers start a level's
        // numbering again under each new item of the level above.
        if (lastList_ >= 0 && depth > 0) {
            const WrittenList& last = lists_[size_t(lastList_)];
            const QTextList* defined = last.levels[size_t(depth)];
            if (!last.open[size_t(depth)] && (!defined || defined->format() == list->format()))
                index = lastList_;
        }
        if (index < 0) {
            index = int(lists_.size());
            lists_.emplace_back();
        }
        listOf_.insert(list, index);
        WrittenList& written = lists_[size_t(index)];
        if (!written.levels[size_t(depth)]) {
            written.levels[size_t(depth)] = list;
            written.numberFormats[size_t(depth)] = block.charFormat();
        }
    }
    WrittenList& written = lists_[size_t(index)];
    written.open[size_t(depth)] = list;
    for (int d = depth + 1; d < kListLevels; ++d)
        written.open[size_t(d)] = nullptr;
    lastList_ = index;
    return {index + 1, depth};
}

QByteArray Writer::listLevel(const WrittenList& list, int depth) {
    const QTextList* qtList = list.levels[size_t(depth)];
    QTextListFormat format;
    format.setStyle(QTextListFormat::ListDecimal);
    if (qtList)
        format = qtList->format();
    const int nfc = numberFormat(format.style());
    const QString text = levelTextOf(format, depth);
    const QByteArray nfcText = QByteArray::number(nfc);
    const int start = std::max(0, format.intProperty(kListStartProperty));
    QByteArray out = "{\\listlevel\\levelnfc" + nfcText + "\\levelnfcn" + nfcText +
                     "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat" +
                     QByteArray::number(start > 0 ? start : 1) + "\\levelspace0\\levelindent0";
    QByteArray numbers;
    out +=
        "{\\leveltext\\'" + QByteArray::number(qsizetype(text.size()), 16).rightJustified(2, '0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c <= 8) {
            out += "\\'0" + QByteArray::number(int(c));
            numbers += "\\'" + QByteArray::number(qsizetype(i + 1), 16).rightJustified(2, '0');
        } else if (c < 0x80 && c >= 0x20 && c != '\\' && c != '{' && c != '}' && c != ';') {
            out += char(c);
        } else {
            out += "\\u" + QByteArray::number(int(qint16(c))) + " ?";
        }
    }
    out += ";}{\\levelnumbers" + numbers + ";}";
    // The number's own font and size: its paragraph's, as Qt draws it; a
    // bullet glyph in the font it was read in.
    const QString bulletFont = format.stringProperty(kListBulletFontProperty);
    const QTextCharFormat& number = list.numberFormats[size_t(depth)];
    const QStringList families = number.fontFamilies().toStringList();
    if (nfc == 23 && !bulletFont.isEmpty())
        out += "\\f" + QByteArray::number(fontIndex(bulletFont));
    else
        out += "\\f" +
               QByteArray::number(fontIndex(families.isEmpty() ? QString() : families.first()));
    if (const int halfPoints = halfPointsOf(number); halfPoints > 0)
        out += "\\fs" + QByteArray::number(halfPoints);
    const QByteArray indent = QByteArray::number(720 * (depth + 1));
    return out + "\\fi-360\\li" + indent + "\\lin" + indent + " }";
}

QByteArray Writer::listTables() {
    // One RTF list of nine levels for each group of Qt lists nested in each
    // other (of one level when nothing is nested), and one override per list so that \lsN names it: the form Word
    // and LibreOffice read.
    if (lists_.empty())
        return {};
    QByteArray table = "{\\*\\listtable";
    QByteArray overrides = "{\\*\\listoverridetable";
    for (size_t i = 0; i < lists_.size(); ++i) {
        const QByteArray id = QByteArray::number(qsizetype(i + 1));
        // A list of one level is a simple list: nine levels for every bulleted
        // paragraph would make the file grow for nothing.
        const auto& levels = lists_[i].levels;
        const bool simple = std::all_of(levels.begin() + 1, levels.end(),
                                        [](const QTextList* list) { return !list; });
        table += "\r\n{\\list\\listtemplateid" + id + (simple ? "\\listsimple" : "");
        for (int depth = 0; depth < (simple ? 1 : kListLevels); ++depth)
            table += listLevel(lists_[i], depth);
        table += "{\\listname ;}\\listid" + id + "}";
        overrides += "\r\n{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + "}";
    }
    return table + "}\r\n" + overrides + "}\r\n";
}

} // namespace oxlin::richtext::writing
