// Tables read from RTF: row definitions laid on a TableGrid, one level per depth of nesting.
#include "richtext/rtf_table_builder.h"

#include <QTextCursor>
#include <QTextTable>

#include <algorithm>

namespace oxlin::richtext::reading {

namespace {

// Row definitions longer than this keep only their first cells.
constexpr size_t kMaxRowCells = 1024;

void setBorders(QTextTableFormat& format, bool borders) {
    format.setBorder(borders ? 1 : 0);
    format.setBorderStyle(borders ? QTextFrameFormat::BorderStyle_Solid
                                  : QTextFrameFormat::BorderStyle_None);
}

// Border words (\brdrs, \brdrdb...) that draw a border, as opposed to those
// that only describe one (width, colour, spacing) or remove it.
bool drawsBorder(QByteArrayView word) {
    return word.startsWith("brdr") && word != "brdrw" && word != "brdrnone" && word != "brdrcf" &&
           word != "brdrtbl" && word != "brdrsp";
}

} // namespace

void TableBuilder::borderWord(QByteArrayView word, bool nested) {
    if (drawsBorder(word))
        definedRow(nested).borders = true;
}

bool TableBuilder::rowWord(Action action, int n, bool nested) {
    RowDefinition& row = definedRow(nested);
    switch (action) {
    case Action::RowDefaults:
        row = RowDefinition{};
        return true;
    case Action::CellMergeUp: row.pending.mergesUp = true; return true;
    case Action::CellMergeLeft: row.pending.mergesLeft = true; return true;
    case Action::CellX:
        row.pending.right = n;
        if (row.cells.size() < kMaxRowCells)
            row.cells.push_back(row.pending);
        row.pending = CellSpec{};
        return true;
    default:
        return false;
    }
}

const std::vector<CellSpec>& TableBuilder::layoutOfNewRow(size_t depth) const {
    static const std::vector<CellSpec> inTurn;
    return depth == 1 ? outerRow_.cells : inTurn;
}

void TableBuilder::enter(size_t want, PendingParagraph& paragraph, const ParState& para) {
    while (levels_.size() > want)
        leaveTable();
    for (;;) {
        if (!levels_.empty())
            readyCell(levels_.back());
        if (levels_.size() >= want)
            break;
        startTable(paragraph, para);
    }
}

void TableBuilder::readyCell(TableLevel& level) {
    if (level.rowEnded) {
        level.grid.appendRow(layoutOfNewRow(size_t(&level - levels_.data()) + 1));
        level.row = level.table->rows() - 1;
        level.rowCell = 0;
        level.rowEnded = false;
        level.cellReady = false;
    }
    if (!level.cellReady) {
        level.cell = level.grid.place(level.rowCell);
        cursor_ = level.table->cellAt(level.row, level.cell.column).lastCursorPosition();
        level.cellReady = true;
    }
}

void TableBuilder::startTable(PendingParagraph& paragraph, const ParState& para) {
    const bool nested = !levels_.empty();
    const std::vector<CellSpec>& cells = layoutOfNewRow(levels_.size() + 1);
    // The table that ends right before the cursor, if any. The document's
    // frames are not looked up: inside the edit block they are not current.
    QTextTable* previous = left_.table && cursor_.position() == left_.end &&
                                   left_.depth == levels_.size() + 1
                               ? left_.table
                               : nullptr;
    TableLevel level;
    // A row right after a table joins it, as consecutive rows do in RTF.
    if (previous && !paragraph.pending) {
        level.table = previous;
        level.grid.adopt(previous);
        level.grid.appendRow(cells);
        level.row = previous->rows() - 1;
        level.cell = level.grid.place(0);
        cursor_ = previous->cellAt(level.row, level.cell.column).firstCursorPosition();
        level.cellReady = true;
        levels_.push_back(std::move(level));
        return;
    }
    // A paragraph ended right after a table is the one that Qt keeps between
    // two tables: the new table goes after it.
    const bool betweenTables = previous != nullptr;
    if (cursor_.block().length() > 1 && !paragraph.pending)
        applyParagraphFormat(cursor_, para);
    paragraph = PendingParagraph{};

    QTextTableFormat format;
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    setBorders(format, nested ? nestedRow_.borders : outerRow_.borders);
    format.setAlignment(Qt::AlignLeft);
    // At the start of a paragraph the table goes after the previous one, so
    // no empty paragraph appears before it; not out of the cell it is in.
    int start = 0;
    if (nested) {
        const TableLevel& outer = levels_.back();
        start = outer.table->cellAt(outer.row, outer.cell.column).firstPosition();
    }
    if (!betweenTables && cursor_.atBlockStart() && cursor_.position() > start &&
        cursor_.block().previous().isValid())
        cursor_.setPosition(cursor_.position() - 1);
    level.table = level.grid.create(cursor_, format, cells);
    level.cell = level.grid.place(0);
    cursor_ = level.table->cellAt(0, level.cell.column).firstCursorPosition();
    level.cellReady = true;
    levels_.push_back(std::move(level));
}

void TableBuilder::leaveTable() {
    if (levels_.empty())
        return;
    TableLevel& level = levels_.back();
    level.grid.finish();
    cursor_.setPosition(level.table->lastPosition() + 1);
    left_ = {level.table, cursor_.position(), levels_.size()};
    levels_.pop_back();
}

void TableBuilder::leaveAllTables() {
    while (!levels_.empty())
        leaveTable();
}

void TableBuilder::nextCell() {
    TableLevel& level = levels_.back();
    ++level.rowCell;
    level.cellReady = false;
}

bool TableBuilder::endRow(int depth) {
    if (levels_.empty() || int(levels_.size()) < depth)
        return false;
    while (int(levels_.size()) > depth)
        leaveTable();
    TableLevel& level = levels_.back();
    if (depth > 1) {
        level.grid.describeColumns(nestedRow_.cells);
        if (nestedRow_.borders && level.table->format().border() <= 0) {
            QTextTableFormat format = level.table->format();
            setBorders(format, true);
            level.table->setFormat(format);
        }
    }
    level.rowEnded = true;
    return true;
}

void TableBuilder::finish() {
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
        level->grid.finish();
}

} // namespace oxlin::richtext::reading
