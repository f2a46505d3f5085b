// The table builder: row definitions, and the tables (nested too) the cursor is in while reading.
#pragma once

#include "richtext/rtf_group_state.h"
#include "richtext/rtf_keywords.h"
#include "richtext/table_grid.h"

#include <QByteArrayView>

#include <vector>

class QTextCursor;
class QTextTable;

namespace oxlin::richtext::reading {

// A paragraph mark read but not yet made: it is made when content follows,
// so that a document's last \par adds no empty paragraph.
struct PendingParagraph {
    bool pending = false;
    bool afterTable = false; // the mark only closed a table
};

// What \trowd ... \cellx said of a row.
struct RowDefinition {
    std::vector<CellSpec> cells;
    CellSpec pending; // what was said of the next \cellx
    bool borders = false;
};

// One table being read, at one depth of nesting.
struct TableLevel {
    QTextTable* table = nullptr;
    TableGrid grid;
    int row = 0;
    int rowCell = 0; // the cell of the row that text goes into
    bool rowEnded = false;
    bool cellReady = false; // the cursor is in that cell
    PlacedCell cell;        // where that cell is on the grid
};

// Keeps one level of table state per depth of nesting and moves the shared
// cursor between cells. The cursor must outlive the builder. Inside the
// reader's edit block Qt's frame lookup is not current, so the builder
// remembers the table it last left instead of asking the cursor.
class TableBuilder {
public:
    explicit TableBuilder(QTextCursor& cursor) : cursor_(cursor) {}

    // Rows read at `end` join `table`, which ends there.
    void continueTable(QTextTable* table, int end) { left_ = {table, end, 1}; }

    // \trowd, \cellxN, \clvmrg and \clmrg, of outer rows or, in \*\nesttableprops,
    // of nested ones. False for any other word.
    bool rowWord(Action action, int parameter, bool nested);
    // A word the keyword table does not know: a \brdr word that draws a
    // border gives the row borders.
    void borderWord(QByteArrayView word, bool nested);

    // How many tables the cursor is in.
    size_t depth() const { return levels_.size(); }
    // Puts the cursor in the cell that content at `depth` goes into, leaving
    // deeper tables and starting missing ones. A paragraph mark still pending
    // decides whether a new table joins the one before it.
    void enter(size_t depth, PendingParagraph& paragraph, const ParState& para);
    void leaveTable();
    void leaveAllTables();
    // The cursor's cell is merged into another, so its paragraph format is not the cell's.
    bool inMergedAwayCell() const { return levels_.back().cell.continuation; }
    // The cell's content has ended: text goes on in the next cell of the row.
    void nextCell();
    // Ends the row of the table at `depth`, leaving deeper tables. False when
    // no table is open that deep.
    bool endRow(int depth);
    // Merges cells down the columns of the tables still open.
    void finish();

private:
    RowDefinition& definedRow(bool nested) { return nested ? nestedRow_ : outerRow_; }
    // The row definition a new row at this depth is laid out by: nested rows
    // are defined after their cells, so theirs are placed in turn.
    const std::vector<CellSpec>& layoutOfNewRow(size_t depth) const;
    void readyCell(TableLevel& level);
    void startTable(PendingParagraph& paragraph, const ParState& para);

    QTextCursor& cursor_;
    std::vector<TableLevel> levels_; // the tables the cursor is in, outermost first
    struct LeftTable {
        QTextTable* table = nullptr;
        int end = -1;
        size_t depth = 0;
    } left_; // the table last left, where it ended, and at which depth
    RowDefinition outerRow_;  // rows of the outermost tables, defined before their cells
    RowDefinition nestedRow_; // rows of nested tables, defined after their cells
};

} // namespace oxlin::richtext::reading
