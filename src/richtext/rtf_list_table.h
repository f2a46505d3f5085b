// The list table, the list override table and old-style paragraph numbering (\pn).
#pragma once

#include "richtext/rtf_keywords.h"

#include <QHash>
#include <QTextListFormat>

namespace oxlin::richtext::reading {

// What \listtable and \listoverridetable say about the lists a document
// uses: for each \lsN, the style of its list's first level. Word, LibreOffice
// and our writer all describe lists this way.
class ListTable {
public:
    // A word inside \listtable or \listoverridetable.
    void word(Action action, int parameter);
    // The style of list paragraphs marked \lsN; a bullet for a list the
    // tables do not describe.
    QTextListFormat::Style style(int ls) const;

private:
    struct Definition {
        int id = 0;
        int nfc = -1; // \levelnfc of the first level, -1 until read
    };
    QHash<int, int> nfcById_;     // \listid to the first level's number format
    QHash<int, int> listIdByLs_;  // \ls to \listid
    Definition list_;             // the \list being read
    int overrideListId_ = 0;      // the list of the \listoverride being read
    bool inLevel_ = false;
    bool inOverride_ = false;
};

// The old-style numbering group {\*\pn ...} that the platform's rich edit
// control writes before each numbered or bulleted paragraph.
class ParagraphNumbering {
public:
    void begin() { style_ = 0; }
    // A word inside \pn; the style it sets lasts until the group ends.
    void word(Action action);
    // The list style code the group set (a ParState::pnStyle value), 0 for none.
    int style() const { return style_; }

private:
    int style_ = 0;
};

// The Qt list style of a \levelnfc number format (0 decimal, 23 bullet...).
QTextListFormat::Style styleOfNumberFormat(int nfc);

} // namespace oxlin::richtext::reading
