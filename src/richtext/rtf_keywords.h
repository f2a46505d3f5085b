// The RTF control words the reader acts on, and what each one does.
#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <string_view>

namespace oxlin::richtext::reading {

// What a control word does; the reader and its destinations switch on it.
enum class Action : std::uint8_t {
    // destinations
    FontTable, ColorTable, SkipGroup, TextGroup, Picture, Object, ObjectData, ObjectResult,
    Field, FieldInstruction, FieldResult, UnicodeAlternative, UnicodeOnly, ListTable,
    ParagraphNumbering, KeptGroup,
    // characters
    Par, Line, Tab, Cell, Row, NestCell, NestRow, Char, Unicode, UnicodeSkip,
    // character formats
    Plain, Bold, Italic, Underline, UnderlineNone, Strike, Font, FontSize, Foreground,
    Background, Super, Sub, NoSuperSub,
    // the script a run is in, and the formats of the scripts other than Latin
    LowAnsiRun, HighAnsiRun, DoubleByteRun, RightToLeftRun, LeftToRightRun, AssocFont,
    AssocFontSize, AssocBold, AssocItalic,
    // paragraph formats
    Pard, AlignLeft, AlignCenter, AlignRight, AlignJustify, LeftIndent, RightIndent,
    FirstIndent, SpaceBefore, SpaceAfter, InTable, TableDepth, ListStyle, ListLevelNumber,
    // lists: the list tables and old-style paragraph numbering
    ListDefinition, ListLevel, LevelNumberFormat, LevelNumberFormatNew, LevelText,
    LevelNumbers, LevelStartAt, LevelNoRestart, ListId, ListOverride, PnBullet, PnBody,
    PnLevel, PnStart, PnFont, PnFontSize, PnTextBefore, PnTextAfter,
    PageSetting,
    PnDecimal, PnLowerLetter, PnUpperLetter, PnLowerRoman, PnUpperRoman,
    // tables
    RowDefaults, CellX, CellMergeUp, CellMergeLeft, NestedRowProperties,
    // document
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, FontCharset, FontCodePage, Red, Green, Blue,
    // pictures and objects
    PictPng, PictJpeg, PictDib, PictOpaque, PicW, PicH, PicWGoal, PicHGoal, PicScaleX,
    PicScaleY, ObjW, ObjH,
};

struct Keyword {
    std::string_view name;
    Action action;
    char16_t character = 0; // for Action::Char
};

// The keyword named `name`, or nullptr for a word the reader does not act on.
const Keyword* findKeyword(QByteArrayView name);

} // namespace oxlin::richtext::reading
