#include "richtext/rtf_text_builder.h"

namespace oxlin::richtext::reading {

namespace {

// The characters a QTextDocument keeps at the start and end of a frame
// (private to Qt); text inserted with them starts a new block.
constexpr char16_t kFrameStart = 0xFDD0;
constexpr char16_t kFrameEnd = 0xFDD1;

// Handed on in pieces of about this many characters: large enough that the
// consumer's call costs nothing, small enough to stop soon after a match.
constexpr qsizetype kPieceSize = 4096;

} // namespace

bool TextBuilder::beginContent(const GroupState& group, int depth) {
    if (stopped_)
        return false;
    if ((depth < 0 ? group.para.tableDepth : depth) > 0) {
        send();
        needsDocument_ = true;
        stopped_ = true;
        return false;
    }
    if (pending_) {
        pending_ = false;
        append(u"\n");
    }
    return true;
}

void TextBuilder::insertText(const QString& text, const GroupState& group) {
    if (!beginContent(group))
        return;
    // The document's text drops object marks and shows a line separator as
    // a line end. Characters that make QTextCursor::insertText start blocks
    // of its own (line ends, paragraph and frame marks) are left to the
    // document: they are rare, and Qt's rules for them are its own.
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == kFrameStart ||
            c == kFrameEnd) {
            send();
            needsDocument_ = true;
            stopped_ = true;
            return;
        }
        if (c != QChar::ObjectReplacementCharacter && c != QChar::LineSeparator)
            continue;
        append(QStringView(text).sliced(start, i - start));
        if (c == QChar::LineSeparator)
            append(u"\n");
        start = i + 1;
    }
    append(QStringView(text).sliced(start));
}

void TextBuilder::paragraphBreak(const GroupState& group) {
    if (group.destination != Destination::Text || !beginContent(group))
        return;
    pending_ = true;
}

void TextBuilder::endCell(int depth, const GroupState& group) {
    if (group.destination == Destination::Text)
        beginContent(group, depth);
}

void TextBuilder::keepGroup(const GroupState& closed, qsizetype groupEnd, bool footnote,
                            const GroupState& group) {
    if (!footnote || !beginContent(group))
        return;
    const QByteArray note = noteTextRtf(cutGroup(input_, closed.groupStart, groupEnd));
    if (note.isEmpty())
        return;
    QString text;
    const bool whole = streamRtfText(note, [&](QStringView piece) {
        text += piece;
        return true;
    });
    if (!whole) {
        // A table in the note: the document gives the rest.
        send();
        needsDocument_ = true;
        stopped_ = true;
        return;
    }
    // Trimmed as the mark's tooltip is.
    if (text = text.trimmed(); !text.isEmpty()) {
        notes_ += u'\n';
        notes_ += text;
    }
}

void TextBuilder::finish(const GroupState&) {
    // A whole document's last \par is the end of the text: a pending mark
    // makes no block.
    if (!stopped_)
        append(notes_);
    send();
}

void TextBuilder::append(QStringView text) {
    buffer_ += text;
    if (buffer_.size() >= kPieceSize)
        send();
}

void TextBuilder::send() {
    if (buffer_.isEmpty() || stopped_)
        return;
    if (!pieces_(buffer_))
        stopped_ = true;
    buffer_.clear();
}

} // namespace oxlin::richtext::reading
