// The list table, the list override table and old-style paragraph numbering (\pn).
#include "richtext/rtf_list_table.h"

#include "richtext/list_properties.h"

#include <algorithm>

namespace oxlin::richtext::reading {

QTextListFormat::Style styleOfNumberFormat(int nfc) {
    switch (nfc) {
    case 0: return QTextListFormat::ListDecimal;
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    default: return QTextListFormat::ListDisc; // 23 bullet, 255 none, and the rest
    }
}

int ListLevel::numberFormat() const {
    if (nfc >= 0)
        return nfc;
    if (nfcn >= 0)
        return nfcn;
    // No format given: a level whose text has a place for its number is
    // numbered; one that shows a fixed character, or says nothing, is a bullet.
    return numberInText ? 0 : 23;
}

namespace {

// Which of Qt's bullets looks like `glyph`: word processors draw an open
// circle as "o" in Courier New or U+25E6, a square as Wingdings' "§"
// (U+F0A7) or U+25AA.
QTextListFormat::Style bulletStyleOf(const QString& glyph) {
    const char16_t c = glyph.isEmpty() ? u'\x2022' : glyph.back().unicode();
    switch (c) {
    case u'o':
    case 0x25E6:
    case 0x25CB:
    case 0xF06F:
        return QTextListFormat::ListCircle;
    case 0xA7:
    case 0xF0A7:
    case 0x25AA:
    case 0x25A0:
    case 0xF06E:
    case 0xF0FC:
        return QTextListFormat::ListSquare;
    default:
        return QTextListFormat::ListDisc;
    }
}

} // namespace

QTextListFormat listFormatOf(const ListLevel& level, int depth, const QString& bulletFont) {
    QTextListFormat format;
    format.setIndent(depth + 1);
    const int nfc = level.numberFormat();
    const QChar own{char16_t(depth)};
    const qsizetype place = level.text.indexOf(own);
    // A level with no number and no text (the outline levels of headings)
    // shows nothing before its paragraphs.
    if (nfc == 255 && level.text.isEmpty()) {
        format.setStyle(QTextListFormat::ListStyleUndefined);
        return format;
    }
    // A numbered level whose text has no place for its number shows that text.
    if (nfc == 23 || nfc == 255 || (place < 0 && !level.text.isEmpty())) {
        format.setStyle(bulletStyleOf(level.text));
        if (!bulletFont.isEmpty())
            format.setProperty(kListBulletFontProperty, bulletFont);
    } else {
        format.setStyle(styleOfNumberFormat(nfc));
        if (level.start != 1)
            format.setProperty(kListStartProperty, level.start);
        if (place < 0)
            return format; // no level text: Qt's "1."
        // Qt shows one number: the text before it when no other level's
        // number comes first, and after it up to the next ("1.1." shows "1.").
        qsizetype from = place;
        while (from > 0 && level.text[from - 1].unicode() > 8)
            --from;
        if (from > 0)
            from = place;
        qsizetype to = place + 1;
        while (to < level.text.size() && level.text[to].unicode() > 8)
            ++to;
        format.setNumberPrefix(level.text.mid(from, place - from));
        format.setNumberSuffix(level.text.mid(place + 1, to - place - 1));
    }
    if (!level.text.isEmpty())
        format.setProperty(kListLevelTextProperty, level.text);
    return format;
}

ListLevel* ListTable::currentLevel() {
    if (inOverride_ || definitions_.empty() || definitions_.back().levels.empty())
        return nullptr;
    return &definitions_.back().levels.back();
}

void ListTable::word(Action action, int n) {
    ListLevel* level = currentLevel();
    switch (action) {
    case Action::ListDefinition:
        definitions_.emplace_back();
        inOverride_ = false;
        return;
    case Action::ListLevel:
        if (!inOverride_ && !definitions_.empty())
            definitions_.back().levels.emplace_back();
        return;
    case Action::LevelNumberFormat:
        if (level && level->nfc < 0)
            level->nfc = n;
        return;
    case Action::LevelNumberFormatNew:
        if (level && level->nfcn < 0)
            level->nfcn = n;
        return;
    case Action::LevelStartAt:
        if (level)
            level->start = n;
        return;
    case Action::LevelNoRestart:
        if (level)
            level->noRestart = true;
        return;
    case Action::Font:
        if (level)
            level->font = n;
        return;
    case Action::FontSize:
        if (level && n > 0)
            level->halfPoints = n;
        return;
    case Action::LevelText:
    case Action::LevelNumbers:
        levelGroup_ = action == Action::LevelText ? LevelGroup::Text : LevelGroup::Numbers;
        levelTextBytes_ = 0;
        levelTextEnded_ = false;
        fallbackLeft_ = 0;
        return;
    case Action::ListId:
        if (inOverride_)
            overrideListId_ = n;
        else if (!definitions_.empty())
            definitions_.back().id = n;
        return;
    case Action::ListOverride:
        inOverride_ = true;
        overrideListId_ = 0;
        return;
    case Action::ListStyle:
        if (inOverride_)
            listIdByLs_.insert(n, overrideListId_);
        return;
    default:
        return;
    }
}

void ListTable::levelText(QByteArrayView bytes) {
    ListLevel* level = currentLevel();
    if (!level)
        return;
    for (char c : bytes) {
        if (levelTextEnded_)
            return;
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            continue;
        }
        if (c == ';') {
            levelTextEnded_ = true;
            return;
        }
        const int index = levelTextBytes_++;
        // {\leveltext} starts with its length, then level numbers stand as
        // bytes 0 to 8 among the characters; {\levelnumbers} holds only the
        // places of such numbers, so any byte there means one.
        if (levelGroup_ == LevelGroup::Numbers) {
            level->numberInText = true;
            continue;
        }
        if (index == 0)
            continue;
        if (uchar(c) <= 8)
            level->numberInText = true;
        level->text += QChar(char16_t(uchar(c)));
    }
}

void ListTable::levelUnicode(int value) {
    ListLevel* level = currentLevel();
    if (!level || levelTextEnded_ || levelGroup_ != LevelGroup::Text)
        return;
    if (levelTextBytes_++ > 0)
        level->text += QChar(char16_t(value < 0 ? value + 65536 : value));
    fallbackLeft_ = 1;
}

const ListLevel* ListTable::level(int ls, int depth) const {
    const auto id = listIdByLs_.constFind(ls);
    if (id == listIdByLs_.constEnd())
        return nullptr;
    for (auto it = definitions_.rbegin(); it != definitions_.rend(); ++it) {
        if (it->id != *id)
            continue;
        if (it->levels.empty())
            return nullptr;
        // A simple list has one level, which its paragraphs of any level take.
        return &it->levels[std::min<size_t>(size_t(std::max(depth, 0)), it->levels.size() - 1)];
    }
    return nullptr;
}

QTextListFormat::Style ListTable::style(int ls) const {
    const ListLevel* first = level(ls, 0);
    return first ? styleOfNumberFormat(first->numberFormat()) : QTextListFormat::ListDisc;
}

void ParagraphNumbering::word(Action action, int n) {
    // Codes are ParState::pnStyle values: 1 bullet, 2 decimal, 3 lower
    // letters, 4 upper letters, 5 lower roman, 6 upper roman.
    switch (action) {
    case Action::PnBullet: style_ = 1; return;
    case Action::PnBody: if (style_ == 0) style_ = 2; return;
    case Action::PnLevel:
        depth_ = std::clamp(n - 1, 0, 8);
        if (style_ == 0)
            style_ = 2;
        return;
    case Action::PnDecimal: style_ = 2; return;
    case Action::PnLowerLetter: style_ = 3; return;
    case Action::PnUpperLetter: style_ = 4; return;
    case Action::PnLowerRoman: style_ = 5; return;
    case Action::PnUpperRoman: style_ = 6; return;
    case Action::PnStart:
        level_.start = n;
        return;
    case Action::PnFont:
        level_.font = n;
        return;
    case Action::PnFontSize:
        if (n > 0)
            level_.halfPoints = n;
        return;
    case Action::PnTextBefore:
        textTarget_ = &before_;
        return;
    case Action::PnTextAfter:
        textTarget_ = &after_;
        return;
    default: return;
    }
}

void ParagraphNumbering::text(QByteArrayView bytes) {
    if (!textTarget_)
        return;
    for (char c : bytes)
        *textTarget_ += QChar(char16_t(uchar(c)));
}

ListLevel ParagraphNumbering::level() const {
    // The group as a list level: the text before, the number, the text after.
    static constexpr int kNumberFormats[] = {23, 23, 0, 4, 3, 2, 1};
    ListLevel level = level_;
    level.nfc = kNumberFormats[std::clamp(style_, 0, 6)];
    level.numberInText = style_ > 1;
    level.text = style_ <= 1 ? before_ : before_ + QChar(char16_t(depth_)) + after_;
    return level;
}

} // namespace oxlin::richtext::reading
