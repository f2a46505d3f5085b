// What one group of RTF input sets: where its text goes, its character and paragraph formats.
#pragma once

#include "richtext/rtf_keywords.h"

#include <QTextCharFormat>

#include <cstdint>

class QTextCursor;

namespace oxlin::richtext::reading {

class ColorTable;
class FieldTable;
class FontTable;

// Where the text of a group goes.
enum class Destination : std::uint8_t {
    Text,          // the document
    Skip,          // nowhere
    FontTable,     // font names
    ColorTable,    // colour entries
    Picture,       // hex or binary picture data
    FieldInstruction,
    NestedRowProperties, // \*\nesttableprops: a nested row's definition, no text
    Object,        // an OLE object; only its result picture is looked at
    ObjectResult,
    ListTable,          // \listtable and \listoverridetable
    ListLevelText,      // {\leveltext} and {\levelnumbers} of a list level
    ParagraphNumbering, // {\*\pn ...}: the numbering of the enclosing paragraph
    Kept,               // footnotes, headers, footers: kept as their RTF, not read
};

struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    int foreground = 0; // colour table index, 0 = automatic
    int background = 0;
    int link = -1;      // index into the field table's links
    int fieldResult = -1;     // the field, other than a hyperlink, whose result the text is
    std::int8_t vertical = 0; // 1 super, -1 sub
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool sizeGiven = false; // \fs was given, not only assumed

    // Word processors mark each run's script: \loch (Latin, the regular
    // formats), \hich and \dbch (East Asian: the font given by \af after
    // them) and \rtlch (right-to-left: the associated formats \af \afs \ab
    // \ai). Bytes of a double-byte run are read in its font's code page.
    enum class Run : std::uint8_t { LowAnsi, HighAnsi, DoubleByte };
    Run run = Run::LowAnsi;
    bool rightToLeft = false;
    int highAnsiFont = -1; // -1: the regular font
    int doubleByteFont = -1;
    int assocFont = -1;
    int assocHalfPoints = 0;    // 0: not given
    std::int8_t assocBold = -1; // -1: not given
    std::int8_t assocItalic = -1;

    // What the run shows, its script taken into account.
    int effectiveFont() const;
    int effectiveHalfPoints() const;
    bool takesAssociatedSize() const;
    bool sizeStated() const; // by \fs, or by \afs for the run's script
    bool effectiveBold() const;
    bool effectiveItalic() const;

    bool operator==(const CharState&) const = default;
};

struct ParState {
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::uint8_t align = 0; // 0 left, 1 centre, 2 right, 3 justify
    int tableDepth = 0;     // 0 outside tables, 1 in a table, 2 in a table in a cell...
    int list = 0;           // \lsN: the paragraph is an item of list N; 0 none
    std::uint8_t listLevel = 0; // \ilvl
    std::uint8_t pnStyle = 0;   // old-style numbering (ParagraphNumbering::style()); 0 none
};

struct GroupState {
    CharState chars;
    ParState para;
    qsizetype groupStart = 0; // input offset of this group's '{'
    int field = -1;           // the enclosing field in the field table
    int unicodeSkip = 1;      // \ucN
    Destination destination = Destination::Text;
};

// Applies a character or paragraph format word (\b, \fs, \qc, \li, \intbl,
// \uc...) to `group`. False when `action` is none of those.
bool applyFormatWord(Action action, int parameter, bool hasParameter, GroupState& group);

// Sets the paragraph format of the cursor's block from `para`.
void applyParagraphFormat(QTextCursor& cursor, const ParState& para);

// Qt character formats for character states. The last one made is kept,
// since runs of text one after another mostly share their format. The tables
// are read when a format is made: the document's font and colour tables come
// before its text.
class CharFormats {
public:
    CharFormats(const FontTable& fonts, const ColorTable& colors, const FieldTable& fields)
        : fonts_(fonts), colors_(colors), fields_(fields) {}

    QTextCharFormat format(const CharState& chars);

private:
    const FontTable& fonts_;
    const ColorTable& colors_;
    const FieldTable& fields_;
    bool haveLast_ = false;
    CharState lastState_;
    QTextCharFormat last_;
};

} // namespace oxlin::richtext::reading
