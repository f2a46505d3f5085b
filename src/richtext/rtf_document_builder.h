// The document side of reading: text, paragraph marks, cells, rows, pictures, objects.
#pragma once

#include "richtext/rtf_destinations.h"
#include "richtext/rtf_group_state.h"
#include "richtext/rtf_picture_builder.h"
#include "richtext/rtf_table_builder.h"

#include <QHash>
#include <QString>

#include <array>

class QTextCursor;
class QTextList;

namespace oxlin::richtext::reading {

// Puts what the reader reads into the document at the cursor. Each call
// takes the state of the group the content is in; paragraph marks, cells and
// rows count only in the document's text. The input, cursor, report and
// destinations must outlive the builder.
class DocumentBuilder {
public:
    DocumentBuilder(QByteArrayView input, QTextCursor& cursor, bool fragment, RtfReadReport& report,
                    const Destinations& destinations);

    static constexpr bool kKeepsPictures = true;

    TableBuilder& tables() { return tables_; }
    bool stopped() const { return false; }

    void insertText(const QString& text, const GroupState& group);
    void paragraphBreak(const GroupState& group);
    // Ends the cell at `depth`: \cell is 1, \nestcell deeper.
    void endCell(int depth, const GroupState& group);
    void endRow(int depth, const GroupState& group);
    // A picture or object whose group, which started at `closed.groupStart`,
    // ended at `groupEnd` in the text of the document.
    void insertPicture(const ReadPicture& picture, const GroupState& closed, qsizetype groupEnd,
                       const GroupState& group);
    void insertObject(const ObjectDestination& object, const GroupState& closed, qsizetype groupEnd,
                      const GroupState& group);
    // A footnote, header or footer group that started at `closed.groupStart`
    // and ended at `groupEnd`: a footnote stays where it is, as a mark; the
    // others are kept with the document.
    void keepGroup(const GroupState& closed, qsizetype groupEnd, bool footnote,
                   const GroupState& group);
    // A page setting (\\paperw, \\margl...), kept with the document.
    void keepDocumentWord(QByteArrayView name, int parameter, bool hasParameter);
    // The input has ended inside `group`: the last paragraph mark and open tables are settled.
    void finish(const GroupState& group);

private:
    // Puts the cursor where content goes: in the cell of the table at the
    // paragraph's depth (or at `depth`, when given), then makes a pending paragraph.
    void beginContent(const GroupState& group, int depth = -1);
    // Makes the cursor's paragraph an item of the list its paragraph format
    // names, if any; `group` is the state at its paragraph mark.
    void joinList(const GroupState& group);
    // `afterOtherText`: the paragraph before was not an item of the same \lsN.
    void joinTableList(const GroupState& group, bool afterOtherText);
    void joinNumberedParagraph(const GroupState& group);
    void setNumberFormat(const ListLevel& level, const CharState& mark);
    QString fontName(int font) const;

    static constexpr int kListDepths = 9;

    QTextCursor& cursor_;
    QByteArray keptDocument_; // headers, footers and page settings, as read
    int footnotes_ = 0;
    const bool fragment_;
    CharFormats formats_;
    PendingParagraph paragraph_;
    PictureBuilder pictures_;
    TableBuilder tables_;
    const ListTable& listTable_;
    const ParagraphNumbering& numbering_;
    const FontTable& fonts_;
    // The list of each level of each \lsN whose items are being read.
    QHash<int, std::array<QTextList*, kListDepths>> listsByLs_;
    int lastItemList_ = 0; // the \lsN of the paragraph just read, 0 outside lists
};

} // namespace oxlin::richtext::reading
