// The reader: the token loop and group stack, handing each word and run of text onward.
#include "richtext/rtf_reader.h"

#include "richtext/code_page.h"
#include "richtext/rtf_destinations.h"
#include "richtext/rtf_document_builder.h"
#include "richtext/rtf_group_state.h"
#include "richtext/rtf_keywords.h"
#include "richtext/rtf_pending_text.h"
#include "richtext/rtf_picture_builder.h"
#include "richtext/rtf_text_builder.h"
#include "richtext/rtf_tokenizer.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <climits>
#include <vector>

namespace oxlin::richtext {

namespace reading {
namespace {

// Deeper nesting than this is counted but not kept, to bound memory.
constexpr qsizetype kMaxDepth = 1 << 20;

// One read of one input. The reader decides where each word and run of text
// goes; the destinations keep what their groups said, and the builder puts
// content into the document through the one cursor (DocumentBuilder) or
// keeps only its text (TextBuilder). One reader for both, so the text read
// without a document is the document's text by construction.
template <class Builder>
class Reader {
public:
    template <class... Output>
    Reader(QByteArrayView input, Output&&... output)
        : input_(input), tokens_(input),
          document_(input, std::forward<Output>(output)..., report_, destinations_) {}

    const Builder& builder() const { return document_; }

    RtfReadReport run();

    // Rows read at `end` join `table`, which ends there.
    void continueTable(QTextTable* table, int end) { document_.tables().continueTable(table, end); }

private:
    GroupState& state() { return stack_.back(); }

    void pushGroup(qsizetype offset);
    void popGroup(qsizetype offset);
    // True while \ucN fallback characters after a \uN are being skipped; counts one off.
    bool skipsFallback();
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    void destinationText(QByteArrayView bytes);
    void fontTableText(QByteArrayView bytes);

    // Text pipeline: bytes wait for their code page, then join the pending text.
    void appendChar(QChar c);
    void decodeBytes();
    void flushText();
    int currentCodePage() const;

    void insertCharacter(QChar c);
    void finishPicture(qsizetype groupEnd, const GroupState& closed);
    void finishObject(qsizetype groupEnd, const GroupState& closed);

    QByteArrayView input_;
    RtfTokenizer tokens_;
    RtfReadReport report_;

    std::vector<GroupState> stack_;
    qsizetype ignoredDepth_ = 0; // groups opened beyond kMaxDepth
    bool starPending_ = false;   // \* seen, the next control word names the group
    int unicodeSkipLeft_ = 0;

    Destinations destinations_;
    PendingText pending_;
    Builder document_;
};

template <class Builder>
RtfReadReport Reader<Builder>::run() {
    stack_.reserve(64);
    stack_.push_back(GroupState{});
    for (;;) {
        if (document_.stopped())
            return report_;
        const RtfToken token = tokens_.next();
        if (token.kind == RtfToken::End)
            break;
        if (ignoredDepth_ > 0) {
            if (token.kind == RtfToken::GroupStart)
                ++ignoredDepth_;
            else if (token.kind == RtfToken::GroupEnd)
                --ignoredDepth_;
            continue;
        }
        switch (token.kind) {
        case RtfToken::GroupStart:
            pushGroup(token.offset);
            break;
        case RtfToken::GroupEnd:
            popGroup(token.offset);
            break;
        case RtfToken::ControlWord:
            if (!skipsFallback())
                controlWord(token);
            break;
        case RtfToken::ControlSymbol:
            if (!skipsFallback())
                controlSymbol(token.symbol);
            break;
        case RtfToken::HexByte:
            if (!skipsFallback())
                destinationText(QByteArrayView(reinterpret_cast<const char*>(&token.byte), 1));
            break;
        case RtfToken::Text: {
            QByteArrayView bytes = token.bytes;
            if (unicodeSkipLeft_ > 0) {
                const qsizetype skipped = std::min<qsizetype>(unicodeSkipLeft_, bytes.size());
                unicodeSkipLeft_ -= int(skipped);
                bytes = bytes.sliced(skipped);
            }
            if (!bytes.isEmpty())
                destinationText(bytes);
            break;
        }
        case RtfToken::Binary:
            unicodeSkipLeft_ = 0;
            if (state().destination == Destination::Picture)
                destinations_.picture.binary(token.bytes);
            break;
        case RtfToken::End:
            break;
        }
    }

    flushText();
    report_.unclosedGroups = int(std::min<qsizetype>(stack_.size() - 1 + ignoredDepth_, INT_MAX));
    // Close what a truncated input left open, so pictures and objects in
    // progress still reach the document.
    while (stack_.size() > 1)
        popGroup(input_.size() - 1);
    flushText();
    document_.finish(state());
    return report_;
}

template <class Builder>
bool Reader<Builder>::skipsFallback() {
    if (unicodeSkipLeft_ == 0)
        return false;
    --unicodeSkipLeft_;
    return true;
}

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
void Reader<Builder>::destinationText(QByteArrayView bytes) {
    switch (state().destination) {
    case Destination::Text:
    case Destination::FieldInstruction:
        pending_.appendBytes(bytes);
        break;
    case Destination::FontTable:
        fontTableText(bytes);
        break;
    case Destination::ColorTable:
        destinations_.colors.text(bytes);
        break;
    case Destination::Picture:
        destinations_.picture.hexText(bytes);
        break;
    default:
        break;
    }
}

template <class Builder>
void Reader<Builder>::fontTableText(QByteArrayView bytes) {
    // Names go through the text pipeline: they may be in their font's own code page.
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != ';')
            continue;
        pending_.appendBytes(bytes.sliced(start, i - start));
        if (i < bytes.size()) {
            flushText();
            destinations_.fonts.endName();
        }
        start = i + 1;
    }
}

template <class Builder>
void Reader<Builder>::appendChar(QChar c) {
    decodeBytes();
    pending_.appendDecoded(c);
}

template <class Builder>
int Reader<Builder>::currentCodePage() const {
    const GroupState& s = stack_.back();
    const FontTable& fonts = destinations_.fonts;
    return s.destination == Destination::FontTable ? fonts.nameCodePage()
                                                   : fonts.codePage(s.chars.effectiveFont());
}

template <class Builder>
void Reader<Builder>::decodeBytes() {
    if (pending_.hasBytes())
        pending_.decodeBytes(currentCodePage());
}

template <class Builder>
void Reader<Builder>::flushText() {
    decodeBytes();
    if (pending_.text().isEmpty())
        return;
    GroupState& s = state();
    switch (s.destination) {
    case Destination::Text:
        document_.insertText(pending_.text(), s);
        break;
    case Destination::FontTable:
        destinations_.fonts.appendName(pending_.text());
        break;
    case Destination::FieldInstruction:
        if (s.field >= 0)
            destinations_.fields.appendInstruction(s.field, pending_.text());
        break;
    default:
        break;
    }
    pending_.clearText();
}

template <class Builder>
void Reader<Builder>::insertCharacter(QChar c) {
    const Destination destination = state().destination;
    if (destination == Destination::Text || destination == Destination::FieldInstruction)
        appendChar(c);
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

} // namespace
} // namespace reading

using Reader = reading::Reader<reading::DocumentBuilder>;

RtfReadReport readRtf(QByteArrayView rtf, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    Reader reader(rtf, cursor, false);
    const RtfReadReport report = reader.run();
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
    return report;
}

RtfReadReport insertRtf(QByteArrayView rtf, QTextCursor& cursor) {
    if (cursor.isNull())
        return {};
    // A top-level table that ends where the text goes: rows inserted there
    // join it. Looked up before editing, while the document's frames are current.
    const int at = cursor.selectionStart();
    QTextTable* before = nullptr;
    if (at > 0) {
        QTextCursor probe(cursor.document());
        probe.setPosition(at - 1);
        QTextTable* table = probe.currentTable();
        if (table && table->lastPosition() + 1 == at && !table->parentFrame()->parentFrame())
            before = table;
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    QTextCursor work(cursor);
    Reader reader(rtf, work, true);
    if (before)
        reader.continueTable(before, work.position());
    const RtfReadReport report = reader.run();
    cursor.endEditBlock();
    cursor.setPosition(work.position());
    return report;
}

bool streamRtfText(QByteArrayView rtf, const RtfTextPieces& pieces) {
    reading::Reader<reading::TextBuilder> reader(rtf, pieces);
    reader.run();
    return !reader.builder().needsDocument();
}

} // namespace oxlin::richtext
