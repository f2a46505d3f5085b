// The keyword table: every control word the reader acts on, sorted by name.
#include "richtext/rtf_keywords.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace oxlin::richtext::reading {

namespace {

// Sorted by name for binary search.
constexpr Keyword kKeywords[] = {
    {"ab", Action::AssocBold},
    {"af", Action::AssocFont},
    {"afs", Action::AssocFontSize},
    {"ai", Action::AssocItalic},
    {"annotation", Action::SkipGroup},
    {"ansi", Action::Ansi},
    {"ansicpg", Action::AnsiCodePage},
    {"atnauthor", Action::SkipGroup},
    {"atnid", Action::SkipGroup},
    {"b", Action::Bold},
    {"blue", Action::Blue},
    {"bullet", Action::Char, 0x2022},
    {"cb", Action::Background},
    {"cell", Action::Cell},
    {"cellx", Action::CellX},
    {"cf", Action::Foreground},
    {"chcbpat", Action::Background},
    {"clmrg", Action::CellMergeLeft},
    {"clvmrg", Action::CellMergeUp},
    {"colortbl", Action::ColorTable},
    {"cpg", Action::FontCodePage},
    {"dbch", Action::DoubleByteRun},
    {"deff", Action::DefaultFont},
    {"dibitmap", Action::PictDib},
    {"emdash", Action::Char, 0x2014},
    {"emfblip", Action::PictOpaque},
    {"emspace", Action::Char, 0x2003},
    {"endash", Action::Char, 0x2013},
    {"enspace", Action::Char, 0x2002},
    {"f", Action::Font},
    {"fcharset", Action::FontCharset},
    {"fi", Action::FirstIndent},
    {"field", Action::Field},
    {"fldinst", Action::FieldInstruction},
    {"fldrslt", Action::FieldResult},
    {"fonttbl", Action::FontTable},
    {"footer", Action::KeptGroup},
    {"footerf", Action::KeptGroup},
    {"footerl", Action::KeptGroup},
    {"footerr", Action::KeptGroup},
    {"footnote", Action::KeptGroup},
    {"fs", Action::FontSize},
    {"green", Action::Green},
    {"gutter", Action::PageSetting},
    {"header", Action::KeptGroup},
    {"headerf", Action::KeptGroup},
    {"headerl", Action::KeptGroup},
    {"headerr", Action::KeptGroup},
    {"hich", Action::HighAnsiRun},
    {"highlight", Action::Background},
    {"i", Action::Italic},
    {"ilvl", Action::ListLevelNumber},
    {"info", Action::SkipGroup},
    {"intbl", Action::InTable},
    {"itap", Action::TableDepth},
    {"jpegblip", Action::PictJpeg},
    {"landscape", Action::PageSetting},
    {"ldblquote", Action::Char, 0x201C},
    {"levelnfc", Action::LevelNumberFormat},
    {"levelnfcn", Action::LevelNumberFormatNew},
    {"levelnorestart", Action::LevelNoRestart},
    {"levelnumbers", Action::LevelNumbers},
    {"levelstartat", Action::LevelStartAt},
    {"leveltext", Action::LevelText},
    {"li", Action::LeftIndent},
    {"lin", Action::LeftIndent},
    {"line", Action::Line},
    {"list", Action::ListDefinition},
    {"listid", Action::ListId},
    {"listlevel", Action::ListLevel},
    {"listoverride", Action::ListOverride},
    {"listoverridetable", Action::ListTable},
    {"listtable", Action::ListTable},
    {"listtext", Action::SkipGroup}, // the marker a reader without lists shows
    {"loch", Action::LowAnsiRun},
    {"lquote", Action::Char, 0x2018},
    {"ls", Action::ListStyle},
    {"ltrch", Action::LeftToRightRun},
    {"ltrmark", Action::Char, 0x200E},
    {"mac", Action::Mac},
    {"macpict", Action::PictOpaque},
    {"margb", Action::PageSetting},
    {"margl", Action::PageSetting},
    {"margr", Action::PageSetting},
    {"margt", Action::PageSetting},
    {"nestcell", Action::NestCell},
    {"nestrow", Action::NestRow},
    {"nesttableprops", Action::NestedRowProperties},
    {"nonesttables", Action::SkipGroup},
    {"nonshppict", Action::SkipGroup},
    {"nosupersub", Action::NoSuperSub},
    {"objdata", Action::ObjectData},
    {"object", Action::Object},
    {"objh", Action::ObjH},
    {"objw", Action::ObjW},
    {"page", Action::Par},
    {"paperh", Action::PageSetting},
    {"paperw", Action::PageSetting},
    {"par", Action::Par},
    {"pard", Action::Pard},
    {"pc", Action::Pc},
    {"pca", Action::Pca},
    {"pich", Action::PicH},
    {"pichgoal", Action::PicHGoal},
    {"picscalex", Action::PicScaleX},
    {"picscaley", Action::PicScaleY},
    {"pict", Action::Picture},
    {"picw", Action::PicW},
    {"picwgoal", Action::PicWGoal},
    {"plain", Action::Plain},
    {"pmmetafile", Action::PictOpaque},
    {"pn", Action::ParagraphNumbering},
    {"pndec", Action::PnDecimal},
    {"pnf", Action::PnFont},
    {"pnfs", Action::PnFontSize},
    {"pngblip", Action::PictPng},
    {"pnlcltr", Action::PnLowerLetter},
    {"pnlcrm", Action::PnLowerRoman},
    {"pnlvl", Action::PnLevel},
    {"pnlvlblt", Action::PnBullet},
    {"pnlvlbody", Action::PnBody},
    {"pnstart", Action::PnStart},
    {"pntext", Action::SkipGroup}, // the marker, as \listtext
    {"pntxta", Action::PnTextAfter},
    {"pntxtb", Action::PnTextBefore},
    {"pnucltr", Action::PnUpperLetter},
    {"pnucrm", Action::PnUpperRoman},
    {"qc", Action::AlignCenter},
    {"qd", Action::AlignJustify},
    {"qj", Action::AlignJustify},
    {"ql", Action::AlignLeft},
    {"qmspace", Action::Char, 0x2005},
    {"qr", Action::AlignRight},
    {"rdblquote", Action::Char, 0x201D},
    {"red", Action::Red},
    {"result", Action::ObjectResult},
    {"revtbl", Action::SkipGroup},
    {"ri", Action::RightIndent},
    {"rin", Action::RightIndent},
    {"row", Action::Row},
    {"rquote", Action::Char, 0x2019},
    {"rtlch", Action::RightToLeftRun},
    {"rtlmark", Action::Char, 0x200F},
    {"sa", Action::SpaceAfter},
    {"sb", Action::SpaceBefore},
    {"sect", Action::Par},
    {"shppict", Action::TextGroup},
    {"strike", Action::Strike},
    {"striked", Action::Strike},
    {"stylesheet", Action::SkipGroup},
    {"sub", Action::Sub},
    {"super", Action::Super},
    {"tab", Action::Tab},
    {"trowd", Action::RowDefaults},
    {"u", Action::Unicode},
    {"uc", Action::UnicodeSkip},
    {"ud", Action::UnicodeOnly},
    {"ul", Action::Underline},
    {"uld", Action::Underline},
    {"uldash", Action::Underline},
    {"uldashd", Action::Underline},
    {"uldashdd", Action::Underline},
    {"uldb", Action::Underline},
    {"ulhwave", Action::Underline},
    {"ulnone", Action::UnderlineNone},
    {"ulth", Action::Underline},
    {"ulw", Action::Underline},
    {"ulwave", Action::Underline},
    {"upr", Action::UnicodeAlternative},
    {"wbitmap", Action::PictOpaque},
    {"wmetafile", Action::PictOpaque},
    {"xe", Action::SkipGroup},
    {"zwj", Action::Char, 0x200D},
    {"zwnj", Action::Char, 0x200C},
};

constexpr bool keywordsSorted() {
    for (size_t i = 1; i < std::size(kKeywords); ++i)
        if (!(kKeywords[i - 1].name < kKeywords[i].name))
            return false;
    return true;
}
static_assert(keywordsSorted(), "kKeywords must be sorted by name");

// Where the names starting with each letter begin in the table. Every
// control word of the input is looked up, so a lookup searches only the few
// names that share its first letter.
struct LetterStarts {
    std::uint8_t at[27];
};
static_assert(std::size(kKeywords) < 256, "LetterStarts holds table indices in a byte");

constexpr LetterStarts makeLetterStarts() {
    LetterStarts starts{};
    size_t i = 0;
    for (int letter = 0; letter < 26; ++letter) {
        while (i < std::size(kKeywords) && kKeywords[i].name[0] < 'a' + letter)
            ++i;
        starts.at[letter] = std::uint8_t(i);
    }
    starts.at[26] = std::uint8_t(std::size(kKeywords));
    return starts;
}
constexpr LetterStarts kLetterStarts = makeLetterStarts();

} // namespace

const Keyword* findKeyword(QByteArrayView name) {
    // Every name in the table is lower case.
    if (name.isEmpty() || name[0] < 'a' || name[0] > 'z')
        return nullptr;
    const int letter = name[0] - 'a';
    const Keyword* first = kKeywords + kLetterStarts.at[letter];
    const Keyword* last = kKeywords + kLetterStarts.at[letter + 1];
    const std::string_view key(name.data(), size_t(name.size()));
    auto it = std::lower_bound(first, last, key,
                               [](const Keyword& k, std::string_view n) { return k.name < n; });
    return (it != last && it->name == key) ? it : nullptr;
}

} // namespace oxlin::richtext::reading
