// The list table, the list override table and old-style paragraph numbering (\pn).
#pragma once

#include "richtext/rtf_keywords.h"

#include <QByteArrayView>
#include <QHash>
#include <QTextListFormat>

#include <vector>

namespace oxlin::richtext::reading {

// What \listtable and \listoverridetable say about the lists a document
// uses: for each \lsN, the style of its list's first level. Word, LibreOffice
// and our writer all describe lists this way.
class ListTable {
public:
    // A word inside \listtable or \listoverridetable.
    void word(Action action, int parameter);
    // Text of a level's {\leveltext} or {\levelnumbers} group, the group the
    // last such word opened.
    void levelText(QByteArrayView bytes);
    // The style of list paragraphs marked \lsN; a bullet for a list the
    // tables do not describe.
    QTextListFormat::Style style(int ls) const;

private:
    // What the first level of a \list says about its number format. Only the
    // first level counts: our lists have one level.
    struct Definition {
        int id = 0;
        int levels = 0;
        int nfc = -1;  // \levelnfc, -1 when not given
        int nfcn = -1; // \levelnfcn, which newer writers give beside it or alone
        bool numberInText = false; // the level text holds a place for the number
        int numberFormat() const;
    };
    enum class LevelGroup { Text, Numbers };

    bool inFirstLevel() const;

    // In the order read: \listid may come before or after the levels.
    std::vector<Definition> definitions_;
    QHash<int, int> listIdByLs_;  // \ls to \listid
    int overrideListId_ = 0;      // the list of the \listoverride being read
    bool inOverride_ = false;
    LevelGroup levelGroup_ = LevelGroup::Text;
    int levelTextBytes_ = 0;      // bytes of the current level group read so far
    bool levelTextEnded_ = false; // its ";" was read
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
