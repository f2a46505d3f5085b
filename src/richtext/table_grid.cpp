// TableGrid: column edges, cell spans and merged cells of one table.
#include "richtext/table_grid.h"

#include "richtext/text_objects.h"

#include <QTextCursor>
#include <QTextTable>

#include <algorithm>

namespace oxlin::richtext {
namespace {

// Edges closer than this are the same edge: producers round widths differently
// from row to row.
constexpr int kSnapTwips = 10;
// The width given to columns no row definition described.
constexpr int kDefaultWidthTwips = 2200;
// Edges beyond this (about 17 m) are taken as this, so no sum overflows.
constexpr int kMaxEdgeTwips = 1'000'000;

int usableEdge(int edge) { return std::clamp(edge, -kMaxEdgeTwips, kMaxEdgeTwips); }

} // namespace

QTextTable* TableGrid::create(QTextCursor& cursor, QTextTableFormat format,
                              const std::vector<CellSpec>& cells) {
    finish();
    table_ = nullptr;
    frozen_ = false;
    edges_.clear();
    for (const CellSpec& cell : cells)
        edgeIndex(cell.right, true);
    widthsKnown_ = !edges_.empty();
    if (edges_.empty())
        edges_.push_back(kDefaultWidthTwips);
    format.setColumnWidthConstraints(columnWidths());
    if (!widthsKnown_)
        format.clearColumnWidthConstraints();
    table_ = cursor.insertTable(1, int(edges_.size()), format);
    layOutRow(0, cells);
    return table_;
}

void TableGrid::adopt(QTextTable* table) {
    if (table == table_)
        return;
    finish();
    table_ = table;
    frozen_ = false;
    for (int r = 0; r < table->rows() && !frozen_; ++r)
        for (int c = 0; c < table->columns() && !frozen_; ++c)
            frozen_ = table->cellAt(r, c).rowSpan() > 1;
    edges_.clear();
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    widthsKnown_ = !widths.isEmpty();
    int edge = 0;
    for (int c = 0; c < table->columns(); ++c) {
        const bool fixed = c < widths.size() && widths[c].type() == QTextLength::FixedLength;
        const double width = fixed ? widths[c].rawValue() * kTwipsPerPixel : kDefaultWidthTwips;
        edge = std::min(edge, kMaxEdgeTwips) + int(std::clamp(width, 1.0, 100000.0));
        edges_.push_back(edge);
    }
    placed_.clear();
    nextFreeColumn_ = 0;
}

void TableGrid::appendRow(const std::vector<CellSpec>& cells) {
    const size_t before = edges_.size();
    for (const CellSpec& cell : cells)
        edgeIndex(cell.right, !frozen_);
    table_->appendRows(1);
    layOutRow(table_->rows() - 1, cells);
    if (edges_.size() != before)
        applyWidths();
}

void TableGrid::describeColumns(const std::vector<CellSpec>& cells) {
    if (widthsKnown_ || cells.empty() || int(cells.size()) != table_->columns())
        return;
    for (size_t i = 1; i < cells.size(); ++i)
        if (usableEdge(cells[i].right) <= usableEdge(cells[i - 1].right))
            return;
    edges_.clear();
    for (const CellSpec& cell : cells)
        edges_.push_back(usableEdge(cell.right));
    widthsKnown_ = true;
    applyWidths();
}

PlacedCell TableGrid::place(int index) {
    if (index < int(placed_.size()))
        return placed_[size_t(index)];
    int column = nextFreeColumn_ + (index - int(placed_.size()));
    while (column >= table_->columns() && table_->columns() < kMaxColumns && !frozen_) {
        edges_.push_back(std::min(edges_.back(), kMaxEdgeTwips) + kDefaultWidthTwips);
        table_->appendColumns(1);
        applyWidths();
    }
    if (column >= table_->columns())
        return {table_->columns() - 1, true}; // the text stays, in the last cell
    return {column, false};
}

int TableGrid::edgeIndex(int edge, bool insert) {
    edge = usableEdge(edge);
    const auto at = std::lower_bound(edges_.begin(), edges_.end(), edge - kSnapTwips);
    const int index = int(at - edges_.begin());
    if (at != edges_.end() && *at <= edge + kSnapTwips)
        return index;
    if (insert && int(edges_.size()) < kMaxColumns) {
        insertEdge(index, edge);
        return index;
    }
    // No room for another column: the next edge to the right, or the last.
    return std::min(index, int(edges_.size()) - 1);
}

void TableGrid::insertEdge(int at, int edge) {
    edges_.insert(edges_.begin() + at, edge);
    if (!table_)
        return;
    if (at == int(edges_.size()) - 1) {
        // Beyond every row so far: those rows simply end before it.
        table_->appendColumns(1);
        return;
    }
    // Column `at` is split in two; every cell that ended with it still does.
    for (DownMerge& merge : downMerges_) {
        if (merge.column > at)
            ++merge.column;
        else if (merge.column + merge.width - 1 >= at)
            ++merge.width;
    }
    table_->insertColumns(at + 1, 1);
    for (int r = 0; r < table_->rows(); ++r) {
        const QTextTableCell cell = table_->cellAt(r, at);
        if (cell.row() == r && cell.column() + cell.columnSpan() - 1 == at)
            table_->mergeCells(r, cell.column(), cell.rowSpan(), cell.columnSpan() + 1);
    }
}

void TableGrid::layOutRow(int row, const std::vector<CellSpec>& cells) {
    struct Span {
        int first, last;
        bool mergesUp;
        size_t placedIndex;
    };
    std::vector<Span> spans;
    placed_.clear();
    int next = 0; // the first grid column not yet taken in this row
    const int columns = table_->columns();
    for (const CellSpec& cell : cells) {
        if (next >= columns) {
            // Edges that do not grow: the cell has no room of its own.
            placed_.push_back({columns - 1, true});
            continue;
        }
        const int last = std::max(edgeIndex(cell.right, false), next);
        if (cell.mergesLeft && !spans.empty()) {
            spans.back().last = last;
            placed_.push_back({spans.back().first, true});
        } else {
            spans.push_back({next, last, cell.mergesUp, placed_.size()});
            placed_.push_back({next, false});
        }
        next = last + 1;
    }
    nextFreeColumn_ = next;

    for (const Span& span : spans) {
        const int width = span.last - span.first + 1;
        if (width > 1)
            table_->mergeCells(row, span.first, 1, width);
        if (span.mergesUp && row > 0) {
            downMerges_.push_back({row, span.first, width});
            placed_[span.placedIndex].continuation = true;
        }
    }
}

void TableGrid::finish() {
    if (!table_)
        return;
    // Top down, so a cell continued twice grows by one row each time.
    for (const DownMerge& merge : downMerges_) {
        const QTextTableCell above = table_->cellAt(merge.row - 1, merge.column);
        const QTextTableCell cell = table_->cellAt(merge.row, merge.column);
        if (above.column() != merge.column || above.columnSpan() != merge.width ||
            cell.row() != merge.row || cell.column() != merge.column ||
            cell.columnSpan() != merge.width)
            continue; // nothing of the same width to continue: the cell stays on its own
        table_->mergeCells(above.row(), merge.column, merge.row - above.row() + 1, merge.width);
    }
    downMerges_.clear();
}

QList<QTextLength> TableGrid::columnWidths() const {
    QList<QTextLength> widths;
    int left = 0;
    for (int edge : edges_) {
        widths.append(QTextLength(QTextLength::FixedLength,
                                  std::clamp(edge - left, 1, 100000) / kTwipsPerPixel));
        left = edge;
    }
    return widths;
}

void TableGrid::applyWidths() {
    if (!widthsKnown_)
        return;
    QTextTableFormat format = table_->format();
    format.setColumnWidthConstraints(columnWidths());
    table_->setFormat(format);
}

} // namespace oxlin::richtext
