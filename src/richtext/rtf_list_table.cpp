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

void ListTable::word(Action action, int n) {
    switch (action) {
    case Action::ListDefinition:
        list_ = Definition{};
        inLevel_ = false;
        inOverride_ = false;
        return;
    case Action::ListLevel:
        inLevel_ = true;
        return;
    case Action::LevelNumberFormat:
        // Only the first level's format counts: our lists have one level.
        if (inLevel_ && list_.nfc < 0)
            list_.nfc = n;
        return;
    case Action::ListId:
        if (inOverride_) {
            overrideListId_ = n;
        } else {
            list_.id = n;
            nfcById_.insert(n, list_.nfc < 0 ? 23 : list_.nfc);
        }
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

QTextListFormat::Style ListTable::style(int ls) const {
    const auto id = listIdByLs_.constFind(ls);
    if (id == listIdByLs_.constEnd())
        return QTextListFormat::ListDisc;
    return styleOfNumberFormat(nfcById_.value(*id, 23));
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
