// Paragraph marks, cells, rows, text runs, pictures and objects put into the document.
#include "richtext/rtf_document_builder.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace oxlin::richtext::reading {

DocumentBuilder::DocumentBuilder(QByteArrayView input, QTextCursor& cursor, bool fragment,
                                 RtfReadReport& report, const Destinations& destinations)
    : cursor_(cursor), fragment_(fragment),
      formats_(destinations.fonts, destinations.colors, destinations.fields),
      pictures_(input, *cursor.document(), report), tables_(cursor) {}

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
    cursor_.insertText(text, formats_.format(group.chars));
}

void DocumentBuilder::paragraphBreak(const GroupState& group) {
    if (group.destination != Destination::Text)
        return;
    const bool wasInTable = tables_.depth() > 0;
    beginContent(group);
    applyParagraphFormat(cursor_, group.para);
    paragraph_.pending = true;
    paragraph_.afterTable = wasInTable && tables_.depth() == 0;
}

void DocumentBuilder::endCell(int depth, const GroupState& group) {
    if (group.destination != Destination::Text)
        return;
    beginContent(group, depth);
    // A merged-away cell's paragraph format is not the merged cell's.
    if (!tables_.inMergedAwayCell())
        applyParagraphFormat(cursor_, group.para);
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

void DocumentBuilder::finish(const GroupState& group) {
    if (paragraph_.pending) {
        // A whole document's last \par is the end of the text. An inserted
        // fragment keeps it, unless it only closed a table.
        if (fragment_ && !paragraph_.afterTable)
            cursor_.insertBlock();
        paragraph_.pending = false;
    } else if (tables_.depth() == 0) {
        applyParagraphFormat(cursor_, group.para);
    }
    if (fragment_)
        tables_.leaveAllTables();
    tables_.finish();
}

} // namespace oxlin::richtext::reading
