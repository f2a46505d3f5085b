// The RTF writer's tables: row definitions, cells, and tables nested in cells.
#include "richtext/rtf_document_writer.h"

#include "richtext/table_grid.h"

#include <QTextTable>

namespace oxlin::richtext::writing {

namespace {

constexpr int kDefaultCellWidth = 2200; // twips

} // namespace

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

} // namespace oxlin::richtext::writing
