// The list table, the list override table and old-style paragraph numbering (\pn).
#include "richtext/rtf_list_table.h"

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

int ListTable::Definition::numberFormat() const {
    if (nfc >= 0)
        return nfc;
    if (nfcn >= 0)
        return nfcn;
    // No format given: a level whose text has a place for its number is
    // numbered; one that shows a fixed character, or says nothing, is a bullet.
    return numberInText ? 0 : 23;
}

bool ListTable::inFirstLevel() const {
    return !inOverride_ && !definitions_.empty() && definitions_.back().levels == 1;
}

void ListTable::word(Action action, int n) {
    switch (action) {
    case Action::ListDefinition:
        definitions_.emplace_back();
        inOverride_ = false;
        return;
    case Action::ListLevel:
        if (!inOverride_ && !definitions_.empty())
            ++definitions_.back().levels;
        return;
    case Action::LevelNumberFormat:
        if (inFirstLevel() && definitions_.back().nfc < 0)
            definitions_.back().nfc = n;
        return;
    case Action::LevelNumberFormatNew:
        if (inFirstLevel() && definitions_.back().nfcn < 0)
            definitions_.back().nfcn = n;
        return;
    case Action::LevelText:
    case Action::LevelNumbers:
        levelGroup_ = action == Action::LevelText ? LevelGroup::Text : LevelGroup::Numbers;
        levelTextBytes_ = 0;
        levelTextEnded_ = false;
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
    if (!inFirstLevel())
        return;
    for (char c : bytes) {
        if (levelTextEnded_)
            return;
        if (c == ';') {
            levelTextEnded_ = true;
            return;
        }
        const int index = levelTextBytes_++;
        // {\leveltext} starts with its length, then level numbers stand as
        // bytes 0 to 8 among the characters; {\levelnumbers} holds only the
        // places of such numbers, so any byte there means one.
        const bool number = levelGroup_ == LevelGroup::Numbers || (index > 0 && uchar(c) <= 8);
        if (number)
            definitions_.back().numberInText = true;
    }
}

QTextListFormat::Style ListTable::style(int ls) const {
    const auto id = listIdByLs_.constFind(ls);
    if (id == listIdByLs_.constEnd())
        return QTextListFormat::ListDisc;
    for (auto it = definitions_.rbegin(); it != definitions_.rend(); ++it)
        if (it->id == *id)
            return styleOfNumberFormat(it->numberFormat());
    return QTextListFormat::ListDisc;
}

void ParagraphNumbering::word(Action action) {
    // Codes are ParState::pnStyle values: 1 bullet, 2 decimal, 3 lower
    // letters, 4 upper letters, 5 lower roman, 6 upper roman.
    switch (action) {
    case Action::PnBullet: style_ = 1; return;
    case Action::PnBody: if (style_ == 0) style_ = 2; return;
    case Action::PnDecimal: style_ = 2; return;
    case Action::PnLowerLetter: style_ = 3; return;
    case Action::PnUpperLetter: style_ = 4; return;
    case Action::PnLowerRoman: style_ = 5; return;
    case Action::PnUpperRoman: style_ = 6; return;
    default: return;
    }
}

} // namespace oxlin::richtext::reading
