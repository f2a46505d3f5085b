// Format words applied to a group's state, and the Qt formats that state gives.
#include "richtext/rtf_group_state.h"

#include "richtext/rtf_color_table.h"
#include "richtext/rtf_fields.h"
#include "richtext/rtf_font_table.h"
#include "richtext/table_grid.h"
#include "richtext/text_objects.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <algorithm>

namespace oxlin::richtext::reading {

bool applyFormatWord(Action action, int n, bool has, GroupState& s) {
    // A toggle without a parameter, or with any but 0, switches the format on.
    const bool on = !has || n != 0;
    switch (action) {
    case Action::UnicodeSkip: s.unicodeSkip = std::clamp(n, 0, 16); break;
    case Action::Plain: {
        // \plain resets the character format, not the hyperlink the text is in.
        const int link = s.chars.link;
        const int fieldResult = s.chars.fieldResult;
        s.chars = CharState{};
        s.chars.link = link;
        s.chars.fieldResult = fieldResult;
        break;
    }
    case Action::Bold: s.chars.bold = on; break;
    case Action::Italic: s.chars.italic = on; break;
    case Action::Underline: s.chars.underline = on; break;
    case Action::UnderlineNone: s.chars.underline = false; break;
    case Action::Strike: s.chars.strike = on; break;
    case Action::Font: s.chars.font = n; break;
    case Action::FontSize:
        s.chars.halfPoints = has && n > 0 ? std::min(n, 3276) : 24;
        s.chars.sizeGiven = true;
        break;
    case Action::LowAnsiRun: s.chars.run = CharState::Run::LowAnsi; break;
    case Action::HighAnsiRun: s.chars.run = CharState::Run::HighAnsi; break;
    case Action::DoubleByteRun: s.chars.run = CharState::Run::DoubleByte; break;
    case Action::RightToLeftRun: s.chars.rightToLeft = true; break;
    case Action::LeftToRightRun: s.chars.rightToLeft = false; break;
    case Action::AssocFont:
        // The font of the script whose run is current; right-to-left text
        // takes the associated font whichever script was marked.
        if (s.chars.run == CharState::Run::DoubleByte)
            s.chars.doubleByteFont = n;
        else if (s.chars.run == CharState::Run::HighAnsi)
            s.chars.highAnsiFont = n;
        s.chars.assocFont = n;
        break;
    case Action::AssocFontSize: s.chars.assocHalfPoints = has && n > 0 ? std::min(n, 3276) : 0; break;
    case Action::AssocBold: s.chars.assocBold = on ? 1 : 0; break;
    case Action::AssocItalic: s.chars.assocItalic = on ? 1 : 0; break;
    case Action::Foreground: s.chars.foreground = std::max(n, 0); break;
    case Action::Background: s.chars.background = std::max(n, 0); break;
    case Action::Super: s.chars.vertical = on ? 1 : 0; break;
    case Action::Sub: s.chars.vertical = on ? -1 : 0; break;
    case Action::NoSuperSub: s.chars.vertical = 0; break;
    case Action::Pard: s.para = ParState{}; break;
    case Action::ListStyle: s.para.list = n; break;
    case Action::ListLevelNumber: s.para.listLevel = std::uint8_t(std::clamp(n, 0, 8)); break;
    case Action::AlignLeft: s.para.align = 0; break;
    case Action::AlignCenter: s.para.align = 1; break;
    case Action::AlignRight: s.para.align = 2; break;
    case Action::AlignJustify: s.para.align = 3; break;
    case Action::LeftIndent: s.para.leftIndent = n; break;
    case Action::RightIndent: s.para.rightIndent = n; break;
    case Action::FirstIndent: s.para.firstIndent = n; break;
    case Action::SpaceBefore: s.para.spaceBefore = n; break;
    case Action::SpaceAfter: s.para.spaceAfter = n; break;
    case Action::InTable: s.para.tableDepth = on ? std::max(s.para.tableDepth, 1) : 0; break;
    case Action::TableDepth: s.para.tableDepth = std::clamp(has ? n : 1, 0, kMaxTableDepth); break;
    default:
        return false;
    }
    return true;
}

int CharState::effectiveFont() const {
    if (rightToLeft && assocFont >= 0)
        return assocFont;
    if (run == Run::DoubleByte && doubleByteFont >= 0)
        return doubleByteFont;
    if (run == Run::HighAnsi && highAnsiFont >= 0)
        return highAnsiFont;
    return font;
}

// Right-to-left runs take the associated formats where they were given.
// East Asian runs take the regular ones, which word processors write for
// them too, but a format given only as an associated one is not lost: a
// heading written as \dbch\ab\afs32 stays bold and large.
bool CharState::takesAssociatedSize() const {
    return assocHalfPoints > 0 && (rightToLeft || (run != Run::LowAnsi && !sizeGiven));
}

int CharState::effectiveHalfPoints() const {
    return takesAssociatedSize() ? assocHalfPoints : halfPoints;
}

bool CharState::sizeStated() const {
    return sizeGiven || takesAssociatedSize();
}

bool CharState::effectiveBold() const {
    if (assocBold >= 0 && rightToLeft)
        return assocBold == 1;
    return bold || (run != Run::LowAnsi && assocBold == 1);
}

bool CharState::effectiveItalic() const {
    if (assocItalic >= 0 && rightToLeft)
        return assocItalic == 1;
    return italic || (run != Run::LowAnsi && assocItalic == 1);
}

namespace {

double twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

} // namespace

void applyParagraphFormat(QTextCursor& cursor, const ParState& p) {
    QTextBlockFormat format = cursor.blockFormat();
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                               Qt::AlignJustify};
    format.setAlignment(kAlign[p.align]);
    format.setLeftMargin(twipsToPixels(std::clamp(p.leftIndent, -100000, 100000)));
    format.setRightMargin(twipsToPixels(std::clamp(p.rightIndent, -100000, 100000)));
    format.setTextIndent(twipsToPixels(std::clamp(p.firstIndent, -100000, 100000)));
    format.setTopMargin(twipsToPixels(std::clamp(p.spaceBefore, 0, 100000)));
    format.setBottomMargin(twipsToPixels(std::clamp(p.spaceAfter, 0, 100000)));
    cursor.setBlockFormat(format);
}

QTextCharFormat CharFormats::format(const CharState& chars) {
    if (haveLast_ && chars == lastState_)
        return last_;
    QTextCharFormat format;
    // The Symbol font's characters are read as the Unicode they show, which
    // the Symbol font of this system may not have.
    const Font* font = fonts_.find(chars.effectiveFont());
    if (font && !font->name.isEmpty() && !font->symbolFont)
        format.setFontFamilies(QStringList{font->name});
    // Text whose size the document does not state shows in the default font
    // of the document it is read into, the size the writer leaves unstated.
    if (chars.sizeStated())
        format.setFontPointSize(chars.effectiveHalfPoints() / 2.0);
    else
        format.setProperty(kSizeUnstatedProperty, true);
    if (chars.effectiveBold())
        format.setFontWeight(QFont::Bold);
    if (chars.effectiveItalic())
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (chars.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor color = colors_.color(chars.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = colors_.color(chars.background); color.isValid())
        format.setBackground(color);
    if (chars.link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(fields_.link(chars.link));
    }
    if (chars.fieldResult >= 0)
        format.setProperty(kFieldInstructionProperty, fields_.instruction(chars.fieldResult));
    lastState_ = chars;
    last_ = format;
    haveLast_ = true;
    return format;
}

} // namespace oxlin::richtext::reading
