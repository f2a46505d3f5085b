// Paragraph marks, cells, rows, text runs, pictures and objects put into the document.
#include "richtext/rtf_document_builder.h"

#include "richtext/list_properties.h"
#include "richtext/text_objects.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>

#include <algorithm>

namespace oxlin::richtext::reading {

DocumentBuilder::DocumentBuilder(QByteArrayView input, QTextCursor& cursor, bool fragment,
                                 RtfReadReport& report, const Destinations& destinations)
    : cursor_(cursor), fragment_(fragment),
      formats_(destinations.fonts, destinations.colors, destinations.fields),
      pictures_(input, *cursor.document(), report), tables_(cursor), listTable_(destinations.lists),
      numbering_(destinations.numbering), fonts_(destinations.fonts) {}

namespace {

// Lists made from old-style numbering carry this mark: consecutive numbered
// paragraphs form one list, where \lsN names its list outright.
constexpr int kFromParagraphNumbering = QTextFormat::UserProperty + 0x4f10;

QTextListFormat::Style styleOfParagraphNumbering(int pnStyle) {
    static constexpr QTextListFormat::Style kStyles[] = {
        QTextListFormat::ListDisc,       QTextListFormat::ListDisc,
        QTextListFormat::ListDecimal,    QTextListFormat::ListLowerAlpha,
        QTextListFormat::ListUpperAlpha, QTextListFormat::ListLowerRoman,
        QTextListFormat::ListUpperRoman};
    return kStyles[std::clamp(pnStyle, 0, 6)];
}

bool isBulletStyle(QTextListFormat::Style style) {
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle ||
           style == QTextListFormat::ListSquare;
}

} // namespace

void DocumentBuilder::joinList(const GroupState& group) {
    const ParState& para = group.para;
    const int previousList = lastItemList_;
    lastItemList_ = para.list;
    if (para.list == 0 && para.pnStyle == 0)
        return;
    // The list indents its items; the paragraph's own indent, written for
    // readers without lists, would come on top of it.
    QTextBlockFormat block = cursor_.blockFormat();
    block.setLeftMargin(0);
    block.setTextIndent(0);
    cursor_.setBlockFormat(block);
    if (para.list != 0)
        joinTableList(group, previousList != para.list);
    else
        joinNumberedParagraph(group);
}

void DocumentBuilder::joinTableList(const GroupState& group, bool afterOtherText) {
    const int depth = std::clamp(int(group.para.listLevel), 0, kListDepths - 1);
    const ListLevel* level = listTable_.level(group.para.list, depth);
    const ListLevel bullet;
    const ListLevel& shown = level ? *level : bullet;
    auto& lists = listsByLs_[group.para.list];
    // Qt marks every item of a list changed each time one joins, so a list
    // running over a whole document costs the square of its items. Bullets
    // show the same in any list: after other text they start a new one.
    // Numbers go on counting, which only one list can do.
    if (afterOtherText)
        for (QTextList*& open : lists)
            if (open && isBulletStyle(open->format().style()))
                open = nullptr;
    // An item ends the lists of the levels under its own: their next item
    // starts a list of its own, numbered from the start again.
    for (int d = depth + 1; d < kListDepths; ++d) {
        const ListLevel* under = listTable_.level(group.para.list, d);
        if (!under || !under->noRestart)
            lists[size_t(d)] = nullptr;
    }
    QTextList*& list = lists[size_t(depth)];
    if (list)
        list->add(cursor_.block());
    else
        list = cursor_.createList(listFormatOf(shown, depth, fontName(shown.font)));
    setNumberFormat(shown, group.chars);
}

void DocumentBuilder::joinNumberedParagraph(const GroupState& group) {
    const ListLevel level = numbering_.level();
    QTextListFormat format = listFormatOf(level, numbering_.depth(), fontName(level.font));
    if (group.para.pnStyle > 1)
        format.setStyle(styleOfParagraphNumbering(group.para.pnStyle));
    format.setProperty(kFromParagraphNumbering, true);
    QTextList* previous = cursor_.block().previous().textList();
    if (previous && previous->format() == format)
        previous->add(cursor_.block());
    else
        cursor_.createList(format);
    setNumberFormat(level, group.chars);
}

QString DocumentBuilder::fontName(int font) const {
    const Font* found = font >= 0 ? fonts_.find(font) : nullptr;
    return found ? found->name : QString();
}

void DocumentBuilder::setNumberFormat(const ListLevel& level, const CharState& mark) {
    // Qt draws a list's marker in its paragraph's block format: the format
    // of the paragraph mark, with the level's own size and, for numbers, font.
    CharState number = mark;
    if (level.halfPoints > 0) {
        number.halfPoints = level.halfPoints;
        number.sizeGiven = true;
    }
    if (level.font >= 0 && level.numberInText)
        number.font = level.font;
    cursor_.setBlockCharFormat(formats_.format(number));
}

void DocumentBuilder::beginContent(const GroupState& group, int depth) {
    const int want = std::clamp(depth < 0 ? group.para.tableDepth : depth, 0, kMaxTableDepth);
    tables_.enter(size_t(want), paragraph_, group.para);
    if (paragraph_.pending) {
        paragraph_ = PendingParagraph{};
        cursor_.insertBlock(QTextBlockFormat(), formats_.format(group.chars));
    }
}

void DocumentBuilder::insertText(const QString& text, const GroupState& group) {
    beginContent(group);
    const CharState& chars = group.chars;
    if (chars.run != CharState::Run::DoubleByte || chars.rightToLeft) {
        cursor_.insertText(text, formats_.format(chars));
        return;
    }
    // \dbch names the font and formats of a run's East Asian characters; its
    // ASCII characters (a Latin word after a paragraph's \dbch\af) keep the
    // regular ones, as word processors show them.
    CharState latin = chars;
    latin.run = CharState::Run::LowAnsi;
    const QTextCharFormat regular = formats_.format(latin);
    const QTextCharFormat eastAsian = formats_.format(chars);
    if (regular == eastAsian) {
        cursor_.insertText(text, eastAsian);
        return;
    }
    qsizetype start = 0;
    while (start < text.size()) {
        const bool ascii = text[start].unicode() < 0x80;
        qsizetype end = start + 1;
        while (end < text.size() && (text[end].unicode() < 0x80) == ascii)
            ++end;
        cursor_.insertText(text.sliced(start, end - start), ascii ? regular : eastAsian);
        start = end;
    }
}

void DocumentBuilder::paragraphBreak(const GroupState& group) {
    if (group.destination != Destination::Text)
        return;
    const bool wasInTable = tables_.depth() > 0;
    beginContent(group);
    applyParagraphFormat(cursor_, group.para);
    joinList(group);
    paragraph_.pending = true;
    paragraph_.afterTable = wasInTable && tables_.depth() == 0;
}

void DocumentBuilder::endCell(int depth, const GroupState& group) {
    if (group.destination != Destination::Text)
        return;
    beginContent(group, depth);
    // A merged-away cell's paragraph format is not the merged cell's.
    if (!tables_.inMergedAwayCell()) {
        applyParagraphFormat(cursor_, group.para);
        joinList(group);
    }
    tables_.nextCell();
}

void DocumentBuilder::endRow(int depth, const GroupState& group) {
    // A nested row's definition ends with \nestrow, after its cells.
    if (group.destination != Destination::Text &&
        group.destination != Destination::NestedRowProperties)
        return;
    if (tables_.endRow(depth))
        paragraph_.pending = false;
}

void DocumentBuilder::insertPicture(const ReadPicture& picture, const GroupState& closed,
                                    qsizetype groupEnd, const GroupState& group) {
    beginContent(group);
    pictures_.insertPicture(cursor_, picture, closed.groupStart, groupEnd);
}

void DocumentBuilder::insertObject(const ObjectDestination& object, const GroupState& closed,
                                   qsizetype groupEnd, const GroupState& group) {
    beginContent(group);
    pictures_.insertObject(cursor_, object, closed.groupStart, groupEnd);
}

void DocumentBuilder::keepGroup(const GroupState& closed, qsizetype groupEnd, bool footnote,
                                const GroupState& group) {
    if (!footnote) {
        keptDocument_ += pictures_.keptGroup(closed.groupStart, groupEnd);
        return;
    }
    beginContent(group);
    pictures_.insertFootnote(cursor_, closed.groupStart, groupEnd, ++footnotes_,
                             formats_.format(group.chars).font());
}

void DocumentBuilder::keepDocumentWord(QByteArrayView name, int parameter, bool hasParameter) {
    keptDocument_ += '\\';
    keptDocument_ += name;
    if (hasParameter)
        keptDocument_ += QByteArray::number(parameter);
}

void DocumentBuilder::finish(const GroupState& group) {
    if (paragraph_.pending) {
        // A whole document's last \par is the end of the text. An inserted
        // fragment keeps it, unless it only closed a table.
        if (fragment_ && !paragraph_.afterTable)
            cursor_.insertBlock();
        paragraph_.pending = false;
    } else if (tables_.depth() == 0) {
        applyParagraphFormat(cursor_, group.para);
        joinList(group);
    }
    if (fragment_)
        tables_.leaveAllTables();
    tables_.finish();
    // What the editor does not show is kept with a whole document, on its root frame.
    if (!fragment_ && !keptDocument_.isEmpty()) {
        QTextFrameFormat root = cursor_.document()->rootFrame()->frameFormat();
        root.setProperty(kKeptDocumentRtfProperty, keptDocument_);
        cursor_.document()->rootFrame()->setFrameFormat(root);
    }
}

} // namespace oxlin::richtext::reading
