// The reader: the token loop and the text pipeline, and the public entry points.
#include "richtext/rtf_reader.h"

#include "richtext/rtf_document_builder.h"
#include "richtext/rtf_reader_core.h"
#include "richtext/rtf_text_builder.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <climits>

namespace oxlin::richtext {

namespace reading {

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
            // \binN with its bytes is one unit: in a fallback it stands for
            // whatever of the fallback is left, and none of it is content.
            if (unicodeSkipLeft_ > 0) {
                unicodeSkipLeft_ = 0;
                break;
            }
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
    case Destination::ListLevelText:
        destinations_.lists.levelText(bytes);
        break;
    case Destination::ParagraphNumbering:
        destinations_.numbering.text(bytes);
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

// Both reads use these members (the token loop and the text pipeline).
#define OXLIN_INSTANTIATE_READER(B) \
    template RtfReadReport Reader<B>::run(); \
    template bool Reader<B>::skipsFallback(); \
    template void Reader<B>::destinationText(QByteArrayView); \
    template void Reader<B>::fontTableText(QByteArrayView); \
    template void Reader<B>::appendChar(QChar); \
    template int Reader<B>::currentCodePage() const; \
    template void Reader<B>::decodeBytes(); \
    template void Reader<B>::flushText(); \
    template void Reader<B>::insertCharacter(QChar);
OXLIN_INSTANTIATE_READER(DocumentBuilder)
OXLIN_INSTANTIATE_READER(TextBuilder)
#undef OXLIN_INSTANTIATE_READER

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
