// The list table, the list override table and old-style paragraph numbering (\pn).
#pragma once

#include "richtext/rtf_keywords.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QTextListFormat>

#include <vector>

namespace oxlin::richtext::reading {

// What one level of a list says: its number format, start, the text around
// the number and the number's own font and size.
struct ListLevel {
    int nfc = -1;              // \levelnfc, -1 when not given
    int nfcn = -1;             // \levelnfcn, which newer writers give beside it or alone
    bool numberInText = false; // the level text holds a place for a number
    int start = 1;
    bool noRestart = false;
    // The level text after its length byte; the places of level numbers are
    // the characters 0 to 8.
    QString text;
    int font = -1;      // \f of the number, -1 when not given
    int halfPoints = 0; // \fs of the number, 0 when not given

    int numberFormat() const;
};

// What \listtable and \listoverridetable say about the lists a document
// uses: for each \lsN, the levels of its list. Word, LibreOffice and our
// writer all describe lists this way.
class ListTable {
public:
    // A word inside \listtable or \listoverridetable.
    void word(Action action, int parameter);
    // Text of a level's {\leveltext} or {\levelnumbers} group, the group the
    // last such word opened.
    void levelText(QByteArrayView bytes);
    // A \uN in a level text; its fallback character is left out.
    void levelUnicode(int value);
    // Level `level` of the list marked \lsN; nullptr when the tables do not describe it.
    const ListLevel* level(int ls, int level) const;
    // The style of the first level of list paragraphs marked \lsN; a bullet
    // for a list the tables do not describe.
    QTextListFormat::Style style(int ls) const;

private:
    struct Definition {
        int id = 0;
        std::vector<ListLevel> levels;
    };
    enum class LevelGroup { Text, Numbers };

    ListLevel* currentLevel();

    // In the order read: \listid may come before or after the levels.
    std::vector<Definition> definitions_;
    QHash<int, int> listIdByLs_;  // \ls to \listid
    int overrideListId_ = 0;      // the list of the \listoverride being read
    bool inOverride_ = false;
    LevelGroup levelGroup_ = LevelGroup::Text;
    int levelTextBytes_ = 0;      // bytes of the current level group read so far
    bool levelTextEnded_ = false; // its ";" was read
    int fallbackLeft_ = 0;        // fallback bytes of a \uN still to leave out
};

// The old-style numbering group {\*\pn ...} that the platform's rich edit
// control writes before each numbered or bulleted paragraph.
class ParagraphNumbering {
public:
    void begin() { *this = ParagraphNumbering(); }
    // A word inside \pn; the style it sets lasts until the group ends.
    void word(Action action, int parameter);
    // Text of its {\pntxtb} or {\pntxta} group.
    void text(QByteArrayView bytes);
    // The list style code the group set (a ParState::pnStyle value), 0 for none.
    int style() const { return style_; }
    // What the group said as a list level, for a paragraph numbered by it.
    ListLevel level() const;
    int depth() const { return depth_; } // \pnlvlN less one, 0 for the others

private:
    int style_ = 0;
    int depth_ = 0;
    ListLevel level_; // its start, font and size
    QString before_, after_;
    QString* textTarget_ = nullptr;
};

// The Qt list style of a \levelnfc number format (0 decimal, 23 bullet...).
QTextListFormat::Style styleOfNumberFormat(int nfc);

// The Qt list format of a level at depth `depth` (0 the outermost). The
// bullet glyph chooses among Qt's bullets; the glyph, the level text and the
// start are kept as properties for the writer.
QTextListFormat listFormatOf(const ListLevel& level, int depth, const QString& bulletFont);

} // namespace oxlin::richtext::reading
