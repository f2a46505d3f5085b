// The font table destination and the code pages fonts give their text.
#include "richtext/rtf_font_table.h"

#include "richtext/code_page.h"
#include "richtext/rtf_pending_text.h"

namespace oxlin::richtext::reading {

bool FontTable::tableWord(Action action, int n) {
    switch (action) {
    case Action::Font:
        defining_ = n;
        fonts_[n] = Font{};
        return true;
    case Action::FontCharset:
        if (defining_ >= 0)
            fonts_[defining_].charset = n;
        return true;
    case Action::FontCodePage:
        if (defining_ >= 0)
            fonts_[defining_].codePage = n;
        return true;
    default:
        return false;
    }
}

bool FontTable::documentWord(Action action, int n) {
    switch (action) {
    case Action::Ansi: ansiCodePage_ = 1252; break;
    case Action::Mac: ansiCodePage_ = 10000; break;
    case Action::Pc: ansiCodePage_ = 437; break;
    case Action::Pca: ansiCodePage_ = 850; break;
    case Action::AnsiCodePage:
        if (n > 0)
            ansiCodePage_ = n;
        break;
    case Action::DefaultFont: defaultFont_ = n; break;
    default:
        return false;
    }
    return true;
}

void FontTable::appendName(const QString& text) {
    if (defining_ >= 0 && fonts_[defining_].name.size() < 1024)
        fonts_[defining_].name += text;
}

void FontTable::endName() {
    if (defining_ < 0)
        return;
    Font& font = fonts_[defining_];
    font.name = font.name.trimmed();
    font.symbolFont = isSymbolFontName(font.name);
}

const Font* FontTable::find(int id) const {
    auto found = fonts_.find(id < 0 ? defaultFont_ : id);
    return found == fonts_.end() ? nullptr : &found->second;
}

int FontTable::codePageOf(const Font* font) const {
    if (font) {
        if (font->symbolFont)
            return kSymbolFontPage;
        // 1200 is UTF-16, which no byte of RTF text is in.
        if (font->codePage > 0 && font->codePage != 1200)
            return font->codePage;
        if (font->charset == 2)
            return kSymbolCodePage;
        // A document that declares its bytes UTF-8 keeps them so in fonts of
        // the plain "ANSI" charset 0, which writers give every Latin font.
        if (font->charset == 0 && ansiCodePage_ == 65001)
            return ansiCodePage_;
        if (const int page = codePageForCharset(font->charset))
            return page;
    }
    return ansiCodePage_;
}

} // namespace oxlin::richtext::reading
