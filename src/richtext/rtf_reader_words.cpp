// The reader's groups and control words: what opening and closing a group does, and where each word goes.
#include "richtext/rtf_reader_core.h"

#include "richtext/code_page.h"
#include "richtext/rtf_document_builder.h"
#include "richtext/rtf_keywords.h"
#include "richtext/rtf_picture_builder.h"
#include "richtext/rtf_text_builder.h"

#include <algorithm>

namespace oxlin::richtext::reading {

namespace {

// Whether the group at the start of `group` is a footnote or endnote
// ({\footnote...} or {\*\footnote...}), rather than a page header or footer.
bool isFootnote(QByteArrayView group) {
    qsizetype i = 1;
    if (group.sliced(std::min<qsizetype>(i, group.size())).startsWith("\\*"))
        i += 2;
    while (i < group.size() && (group[i] == ' ' || group[i] == '\r' || group[i] == '\n'))
        ++i;
    return group.sliced(std::min<qsizetype>(i, group.size())).startsWith("\\footnote");
}

} // namespace

namespace {

// Deeper nesting than this is counted but not kept, to bound memory.
constexpr qsizetype kMaxDepth = 1 << 20;

} // namespace

template <class Builder>
void Reader<Builder>::pushGroup(qsizetype offset) {
    flushText();
    unicodeSkipLeft_ = 0;
    starPending_ = false;
    if (qsizetype(stack_.size()) >= kMaxDepth) {
        ++ignoredDepth_;
        return;
    }
    GroupState next = stack_.back();
    next.groupStart = offset;
    stack_.push_back(next);
}

template <class Builder>
void Reader<Builder>::popGroup(qsizetype offset) {
    flushText();
    unicodeSkipLeft_ = 0;
    starPending_ = false;
    if (stack_.size() <= 1) {
        ++report_.strayGroupEnds;
        return;
    }
    const GroupState closed = stack_.back();
    stack_.pop_back();
    const Destination outer = stack_.back().destination;
    if (closed.destination == Destination::FontTable && outer != Destination::FontTable)
        destinations_.fonts.endTable();
    // A paragraph's old-style numbering group numbers the paragraph it is in.
    if (closed.destination == Destination::ParagraphNumbering &&
        outer != Destination::ParagraphNumbering)
        stack_.back().para.pnStyle = std::uint8_t(destinations_.numbering.style());
    if (closed.destination == Destination::Kept && outer == Destination::Text)
        document_.keepGroup(closed, offset, isFootnote(input_.sliced(closed.groupStart)),
                            stack_.back());
    if (closed.destination == Destination::Picture && outer != Destination::Picture)
        finishPicture(offset, closed);
    if (closed.destination == Destination::Object && outer != Destination::Object &&
        outer != Destination::ObjectResult)
        finishObject(offset, closed);
}

template <class Builder>
void Reader<Builder>::controlSymbol(char symbol) {
    starPending_ = false;
    switch (symbol) {
    case '*':
        starPending_ = true;
        return;
    case '\\':
    case '{':
    case '}':
        destinationText(QByteArrayView(&symbol, 1));
        return;
    case '~':
        insertCharacter(QChar(0x00A0));
        return;
    case '_':
        insertCharacter(QChar(0x2011));
        return;
    case '\n': {
        // A backslash before a line end is a paragraph mark.
        RtfToken par;
        par.kind = RtfToken::ControlWord;
        par.name = "par";
        controlWord(par);
        return;
    }
    default:
        return; // \- optional hyphen, \: \| and broken escapes carry nothing to show
    }
}

template <class Builder>
void Reader<Builder>::controlWord(const RtfToken& token) {
    const bool star = starPending_;
    starPending_ = false;
    const Keyword* keyword = findKeyword(token.name);
    GroupState& s = state();
    const bool nestedRow = s.destination == Destination::NestedRowProperties;

    if (!keyword) {
        if (star)
            s.destination = Destination::Skip; // an optional destination we do not know
        else
            document_.tables().borderWord(token.name, nestedRow);
        return;
    }
    const int n = token.parameter;
    const bool has = token.hasParameter;
    const Action action = keyword->action;

    if (action != Action::Unicode && action != Action::UnicodeSkip)
        flushText();
    if (s.destination != Destination::Text && destinations_.word(s, action, n, star))
        return;
    if (destinations_.open(s, action))
        return;

    switch (action) {
    case Action::Par: document_.paragraphBreak(s); break;
    case Action::Line: insertCharacter(QChar(QChar::LineSeparator)); break;
    case Action::Tab: insertCharacter(QChar(u'\t')); break;
    case Action::Cell: document_.endCell(1, s); break;
    case Action::Row: document_.endRow(1, s); break;
    case Action::NestCell: document_.endCell(std::max(2, s.para.tableDepth), s); break;
    case Action::NestRow: document_.endRow(std::max(2, int(document_.tables().depth())), s); break;
    case Action::Char: insertCharacter(QChar(keyword->character)); break;
    case Action::PageSetting:
        if (s.destination == Destination::Text)
            document_.keepDocumentWord(token.name, n, has);
        break;
    case Action::Unicode: {
        if (!has)
            break;
        const int value = n < 0 ? n + 65536 : n;
        if (value < 0 || value > 0xFFFF)
            break; // not a UTF-16 unit: the fallback text that follows is all there is
        // Control characters other than tab are not text, as for literal bytes.
        if (value >= 0x20 || value == '\t') {
            const bool symbolFont = currentCodePage() == kSymbolFontPage;
            appendChar(QChar(symbolFont ? symbolFontCharacter(char16_t(value)) : char16_t(value)));
        }
        unicodeSkipLeft_ = s.unicodeSkip;
        break;
    }
    default:
        if (applyFormatWord(action, n, has, s) ||
            document_.tables().rowWord(action, n, nestedRow))
            break;
        destinations_.fonts.documentWord(action, n);
        break; // other words only mean something inside their own destination
    }
}

template <class Builder>
void Reader<Builder>::finishPicture(qsizetype groupEnd, const GroupState& closed) {
    const Destination outer = state().destination;
    if constexpr (!Builder::kKeepsPictures) {
        // Only where the picture stands matters to the text: nothing is decoded.
        destinations_.picture.take();
        if (outer == Destination::Text)
            document_.insertPicture(state());
    } else {
        const ReadPicture picture = decodePicture(destinations_.picture.take());
        // An object's result picture shows the object; the object is what is kept.
        if (outer == Destination::ObjectResult || outer == Destination::Object)
            destinations_.object.setResult(picture.image, picture.size);
        else if (outer == Destination::Text)
            document_.insertPicture(picture, closed, groupEnd, state());
    }
}

template <class Builder>
void Reader<Builder>::finishObject(qsizetype groupEnd, const GroupState& closed) {
    if (state().destination != Destination::Text)
        return;
    document_.insertObject(destinations_.object, closed, groupEnd, state());
    destinations_.object.clearImage();
}


// Both reads use these members (groups and control words).
#define OXLIN_INSTANTIATE_READER(B) \
    template void Reader<B>::pushGroup(qsizetype); \
    template void Reader<B>::popGroup(qsizetype); \
    template void Reader<B>::controlSymbol(char); \
    template void Reader<B>::controlWord(const RtfToken&); \
    template void Reader<B>::finishPicture(qsizetype, const GroupState&); \
    template void Reader<B>::finishObject(qsizetype, const GroupState&);
OXLIN_INSTANTIATE_READER(DocumentBuilder)
OXLIN_INSTANTIATE_READER(TextBuilder)
#undef OXLIN_INSTANTIATE_READER

} // namespace oxlin::richtext::reading
