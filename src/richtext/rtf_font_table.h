// The font table destination, the document's code page, and the code page each font's text is in.
#pragma once

#include "richtext/rtf_keywords.h"

#include <QString>

#include <map>

namespace oxlin::richtext::reading {

struct Font {
    QString name;
    int charset = -1;
    int codePage = 0;
    bool symbolFont = false; // named "Symbol"
};

class FontTable {
public:
    // \fonttbl opened, or its group closed: no font is being defined.
    void beginTable() { defining_ = -1; }
    void endTable() { defining_ = -1; }
    // A word inside the table: \fN starts a font, \fcharsetN and \cpgN describe
    // it. False for any other word.
    bool tableWord(Action action, int parameter);
    // A word that sets the document's code page (\ansi, \mac, \pc, \pca,
    // \ansicpgN) or default font (\deffN). False for any other word.
    bool documentWord(Action action, int parameter);

    // Name text of the font being defined; a semicolon ends the name.
    void appendName(const QString& text);
    void endName();

    // The font `id` (-1: the document's default font), or nullptr.
    const Font* find(int id) const;
    // The code page text in font `id` is in (kSymbolCodePage and
    // kSymbolFontPage included).
    int codePage(int id) const { return codePageOf(find(id)); }
    // The code page of the name being defined, which may be in its own charset.
    int nameCodePage() const { return codePageOf(defining_ >= 0 ? find(defining_) : nullptr); }

private:
    int codePageOf(const Font* font) const;

    std::map<int, Font> fonts_;
    int defining_ = -1;
    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
};

} // namespace oxlin::richtext::reading
