// The text side of reading: what a document built from the same RTF would
// give as its text, without building the document.
#pragma once

#include "richtext/rtf_destinations.h"
#include "richtext/rtf_group_state.h"
#include "richtext/rtf_keywords.h"
#include "richtext/rtf_picture_builder.h"
#include "richtext/rtf_reader.h"

#include <QByteArrayView>
#include <QString>

namespace oxlin::richtext::reading {

// Stands in for the table builder: row definitions carry no text.
class TextTables {
public:
    bool rowWord(Action action, int, bool) const {
        return action == Action::RowDefaults || action == Action::CellMergeUp ||
               action == Action::CellMergeLeft || action == Action::CellX;
    }
    void borderWord(QByteArrayView, bool) const {}
    size_t depth() const { return 0; }
};

// Takes the calls the document builder takes and keeps only the text,
// joined as documentText() joins blocks: one "\n" between paragraphs, line
// breaks as "\n", pictures and objects as nothing; then, as visibleText()
// of a document, the text of each footnote on a line of its own. A table's text depends on
// the grid the document lays out, so at the first content in a table the
// builder gives up (needsDocument) and the reader stops; all text handed on
// before is the start of the document's text.
class TextBuilder {
public:
    static constexpr bool kKeepsPictures = false;

    TextBuilder(QByteArrayView input, const RtfTextPieces& pieces, RtfReadReport&,
                const Destinations&)
        : input_(input), pieces_(pieces) {}

    TextTables& tables() { return tables_; }
    bool stopped() const { return stopped_; }
    bool needsDocument() const { return needsDocument_; }

    void insertText(const QString& text, const GroupState& group);
    void paragraphBreak(const GroupState& group);
    void endCell(int depth, const GroupState& group);
    void endRow(int, const GroupState&) {} // no table is ever open here
    void insertPicture(const GroupState& group) { beginContent(group); }
    void insertObject(const ObjectDestination&, const GroupState&, qsizetype,
                      const GroupState& group) {
        beginContent(group);
    }
    // As the document builder: a footnote is an object in the text, whose
    // own text comes after the document's; a header is nothing.
    void keepGroup(const GroupState& closed, qsizetype groupEnd, bool footnote,
                   const GroupState& group);
    void keepDocumentWord(QByteArrayView, int, bool) {}
    void finish(const GroupState& group);

private:
    // As the document builder's: a pending paragraph mark becomes a block
    // break once content follows. False once the read has stopped.
    bool beginContent(const GroupState& group, int depth = -1);
    void append(QStringView text);
    void send();

    QByteArrayView input_;
    const RtfTextPieces& pieces_;
    TextTables tables_;
    QString buffer_;
    QString notes_;        // the footnotes' text, each after a line end
    bool pending_ = false; // a paragraph mark read, its block not made yet
    bool stopped_ = false;
    bool needsDocument_ = false;
};

} // namespace oxlin::richtext::reading
