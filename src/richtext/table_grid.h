// TableGrid: the rows of one RTF table laid on a shared grid of columns.
#pragma once

// Rows of one RTF table laid on a shared column grid.
//
// RTF defines every row on its own, by the right edges of its cells, so the
// rows of one table may disagree: a row of three cells under a row of five is
// how Word and others write cells merged across columns. A QTextTable has one
// grid for all rows. TableGrid keeps the edges every row has used so far; a
// cell spans the grid columns between its left and right edge, and a new edge
// splits a column without splitting any cell already laid out.
//
// Cells merged down a column are merged when the table is finished: Qt's
// column insertion mistakes a cell spanning rows for one spanning columns,
// so no column is inserted into a table that has such cells.

#include <QList>
#include <QTextLength>

#include <vector>

class QTextCursor;
class QTextTable;
class QTextTableFormat;

namespace oxlin::richtext {

// Tables inside cells are kept this deep; deeper ones hold their text in the
// deepest kept. Reader and writer agree on it.
inline constexpr int kMaxTableDepth = 8;

// A cell as its row definition gives it.
struct CellSpec {
    int right = 0;           // \cellx: the right edge, twips from the row's left
    bool mergesUp = false;   // \clvmrg: continues the cell above
    bool mergesLeft = false; // \clmrg: continues the cell on its left
};

// Where one cell of the current row went.
struct PlacedCell {
    int column = 0;            // the grid column the cell starts in
    bool continuation = false; // merged into a cell above or on its left
};

class TableGrid {
public:
    // More columns than this are not made; further cells share the last.
    static constexpr int kMaxColumns = 63;

    // Inserts a table of one row laid out by `cells` at `cursor`.
    QTextTable* create(QTextCursor& cursor, QTextTableFormat format,
                       const std::vector<CellSpec>& cells);
    // Continues `table`, which this grid did not lay out (its edges are read
    // from its column widths, and a table with cells spanning rows keeps its
    // columns), or did (its edges are kept).
    void adopt(QTextTable* table);
    // Merges the cells that continue the cell above them. The table is not
    // changed after this but through adopt().
    void finish();
    // Appends a row laid out by `cells`.
    void appendRow(const std::vector<CellSpec>& cells);
    // Takes the column widths from a row definition that comes after its
    // cells, when no row has given them yet and it names every column.
    void describeColumns(const std::vector<CellSpec>& cells);

    // The grid column of the row's `index`-th cell; cells the row definition
    // did not name take the columns after the last one it did.
    PlacedCell place(int index);

private:
    // The grid index of `edge`, made if it is new and there is room.
    int edgeIndex(int edge, bool insert);
    void insertEdge(int at, int edge);
    void layOutRow(int row, const std::vector<CellSpec>& cells);
    QList<QTextLength> columnWidths() const;
    void applyWidths();

    struct DownMerge {
        int row, column, width; // a cell that continues the one above it
    };

    QTextTable* table_ = nullptr;
    bool frozen_ = false; // no columns may be added
    std::vector<DownMerge> downMerges_;
    std::vector<int> edges_; // right edges of the grid columns, ascending
    bool widthsKnown_ = false; // some row named its edges; else Qt sizes the columns
    std::vector<PlacedCell> placed_;
    int nextFreeColumn_ = 0;
};

} // namespace oxlin::richtext
