#include "app/editor/text_formatting.h"

#include "richtext/rtf_reader.h"
#include "richtext/text_objects.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace oxlin::app {

namespace {

using richtext::kTwipsPerPixel;

int toTwips(double pixels) { return int(std::lround(pixels * kTwipsPerPixel)); }
double toPixels(int twips) { return twips / kTwipsPerPixel; }

// The paragraphs the cursor's selection touches (the cursor's own paragraph
// without a selection).
std::vector<QTextBlock> selectedBlocks(const QTextCursor& cursor) {
    const QTextDocument* document = cursor.document();
    std::vector<QTextBlock> blocks;
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    for (QTextBlock b = document->findBlock(cursor.selectionStart()); b.isValid(); b = b.next()) {
        blocks.push_back(b);
        if (b == last)
            break;
    }
    return blocks;
}

// The format the selection reports: that of its first character, or the
// typing format without a selection.
QTextCharFormat reportedFormat(const QTextEdit& edit) {
    const QTextCursor cursor = edit.textCursor();
    if (!cursor.hasSelection())
        return edit.currentCharFormat();
    QTextCursor first(edit.document());
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

bool hasEffect(const QTextCharFormat& format, CharEffect effect) {
    switch (effect) {
    case CharEffect::Bold: return format.fontWeight() > QFont::Medium;
    case CharEffect::Italic: return format.fontItalic();
    case CharEffect::Underline: return format.fontUnderline();
    }
    return false;
}

enum class Side { Left, Centre, Right, Justify };

Side sideOf(Qt::Alignment alignment) {
    const Qt::Alignment a = alignment & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignJustify)
        return Side::Justify;
    if (a & Qt::AlignHCenter)
        return Side::Centre;
    if ((a & (Qt::AlignRight | Qt::AlignTrailing)) && !(a & Qt::AlignLeft))
        return Side::Right;
    return Side::Left;
}

Indentation indentationOf(const QTextBlockFormat& format) {
    // Qt keeps the other lines' margin and the first line's extra indent;
    // the control keeps the first line's start and the others' offset from it.
    const int body = toTwips(format.leftMargin());
    const int first = body + toTwips(format.textIndent());
    return {first, body - first};
}

} // namespace

void toggleCharEffect(QTextEdit& edit, CharEffect effect) {
    const bool on = !hasEffect(reportedFormat(edit), effect);
    QTextCharFormat change;
    switch (effect) {
    case CharEffect::Bold: change.setFontWeight(on ? QFont::Bold : QFont::Normal); break;
    case CharEffect::Italic: change.setFontItalic(on); break;
    case CharEffect::Underline: change.setFontUnderline(on); break;
    }
    edit.mergeCurrentCharFormat(change);
}

void applyTextColour(QTextEdit& edit, const QColor& colour) {
    QTextCharFormat change;
    change.setForeground(colour);
    edit.mergeCurrentCharFormat(change);
}

bool applyAlignment(QTextCursor cursor, Qt::Alignment alignment) {
    const Side wanted = sideOf(alignment);
    bool already = true;
    for (const QTextBlock& b : selectedBlocks(cursor))
        already = already && sideOf(b.blockFormat().alignment()) == wanted;
    if (already)
        return false;
    QTextBlockFormat change;
    change.setAlignment(alignment);
    cursor.mergeBlockFormat(change);
    return true;
}

Indentation indentationOf(const QTextCursor& cursor) {
    return indentationOf(cursor.document()->findBlock(cursor.selectionStart()).blockFormat());
}

namespace {

// The style a list one level deeper (or shallower) takes, as word processors
// vary them: bullets go disc, circle, square; numbers 1, a, i.
QTextListFormat::Style styleAtLevel(QTextListFormat::Style style, int indent) {
    static constexpr QTextListFormat::Style kBullets[] = {
        QTextListFormat::ListDisc, QTextListFormat::ListCircle, QTextListFormat::ListSquare};
    static constexpr QTextListFormat::Style kNumbers[] = {QTextListFormat::ListDecimal,
                                                          QTextListFormat::ListLowerAlpha,
                                                          QTextListFormat::ListLowerRoman};
    const bool bullet = style == QTextListFormat::ListDisc ||
                        style == QTextListFormat::ListCircle ||
                        style == QTextListFormat::ListSquare;
    return (bullet ? kBullets : kNumbers)[(indent - 1) % 3];
}

// Moves a list paragraph one level in or out: it joins the nearest list of
// that level among the list paragraphs just before it, or starts one.
void changeListLevel(const QTextBlock& block, bool increase) {
    QTextList* list = block.textList();
    const int indent = std::clamp(list->format().indent() + (increase ? 1 : -1), 1, 9);
    if (indent == list->format().indent())
        return;
    QTextList* target = nullptr;
    for (QTextBlock b = block.previous(); b.isValid() && b.textList() && !target; b = b.previous())
        if (b.textList()->format().indent() == indent)
            target = b.textList();
    list->remove(block);
    if (target) {
        target->add(block);
        return;
    }
    QTextListFormat format = list->format();
    format.setIndent(indent);
    format.setStyle(styleAtLevel(format.style(), indent));
    QTextCursor(block).createList(format);
}

} // namespace

void changeIndentation(QTextCursor cursor, bool increase) {
    // List paragraphs change level; the others their indentation.
    const std::vector<QTextBlock> blocks = selectedBlocks(cursor);
    if (std::all_of(blocks.begin(), blocks.end(),
                    [](const QTextBlock& b) { return b.textList(); })) {
        cursor.beginEditBlock();
        for (const QTextBlock& b : blocks)
            changeListLevel(b, increase);
        cursor.endEditBlock();
        return;
    }
    int startChange = 720;
    int offset = -720;
    if (!increase) {
        const int o = indentationOf(cursor).offset;
        startChange = o < 0 ? o : -o;
        offset = o < 0 ? -o : o;
    }
    cursor.beginEditBlock();
    for (const QTextBlock& b : selectedBlocks(cursor)) {
        const Indentation now = indentationOf(b.blockFormat());
        const int start = now.start + startChange;
        QTextBlockFormat format = b.blockFormat();
        format.setLeftMargin(toPixels(start + offset));
        format.setTextIndent(toPixels(-offset));
        QTextCursor at(b);
        at.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

void toggleList(QTextCursor cursor, QTextListFormat::Style style) {
    const std::vector<QTextBlock> blocks = selectedBlocks(cursor);
    bool allInStyle = true;
    for (const QTextBlock& b : blocks)
        allInStyle = allInStyle && b.textList() && b.textList()->format().style() == style;

    cursor.beginEditBlock();
    if (allInStyle) {
        for (const QTextBlock& b : blocks) {
            if (QTextList* list = b.textList())
                list->remove(b);
            QTextBlockFormat format = b.blockFormat();
            format.setIndent(0);
            QTextCursor(b).setBlockFormat(format);
        }
    } else {
        QTextListFormat format;
        format.setStyle(style);
        format.setIndent(1);
        QTextList* list = nullptr;
        for (const QTextBlock& b : blocks) {
            if (QTextList* old = b.textList())
                old->remove(b);
            if (!list)
                list = QTextCursor(b).createList(format);
            else
                list->add(b);
        }
    }
    cursor.endEditBlock();
}

bool insertTableRows(QTextCursor& cursor, int rows, int columns) {
    if (rows < 1 || rows > 4 || columns < 1 || columns > 5)
        return false;
    // Rows as the editor notebooks were made with writes them: bordered
    // cells 2200 twips wide. The fragment has no closing brace and is read as
    // a fragment, so its first row joins a table that ends right before the
    // cursor, as a row inserted there by itself would. All rows go in by one
    // insertion, so one undo takes the table away.
    QByteArray fragment = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\froman"
                          "\\fprq2\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}"
                          "{\\*\\generator Msftedit 5.41.15.1503;}\\viewkind4\\uc1";
    for (int r = 0; r < rows; ++r) {
        fragment += "\\trowd\\trgaph108\\trleft8\\trbrdrl\\brdrs\\brdrw10 \\trbrdrt\\brdrs"
                    "\\brdrw10 \\trbrdrr\\brdrs\\brdrw10 \\trbrdrb\\brdrs\\brdrw10 \\trpaddl108"
                    "\\trpaddr108\\trpaddfl3\\trpaddfr3";
        for (int k = 1; k <= columns; ++k)
            fragment += "\\clbrdrl\\brdrw10\\brdrs\\clbrdrt\\brdrw10\\brdrs\\clbrdrr\\brdrw10"
                        "\\brdrs\\clbrdrb\\brdrw10\\brdrs\\cellx" +
                        QByteArray::number(2200 * k);
        fragment += "\\pard\\intbl";
        for (int k = 0; k < columns; ++k)
            fragment += "\\cell";
        fragment += "\\row";
    }
    fragment += "\\pard\\lang2052\\kerning0\\b\\f1\\fs24\\par";
    richtext::insertRtf(fragment, cursor);
    return true;
}

} // namespace oxlin::app
