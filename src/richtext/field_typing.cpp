// Typing next to a field: the format that keeps the text out of the field.
#include "richtext/field_typing.h"

#include "richtext/text_objects.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace oxlin::richtext {

namespace {

// The format of the character at `position` of `block`; none past its text.
QTextCharFormat formatAt(const QTextBlock& block, int position) {
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(position))
            return it.fragment().charFormat();
    return {};
}

// Whether the text the cursor's format came from goes on, in the same field,
// on the caret's other side: then the caret is inside the field.
bool insideField(const QTextCursor& cursor, const QString& field) {
    const QTextBlock block = cursor.block();
    const int position = cursor.position();
    const int blockEnd = block.position() + block.length() - 1;
    // At a paragraph's start the format is the first character's; a result
    // that runs over paragraphs (a table of contents) may end the one before.
    if (position == block.position()) {
        const QTextBlock previous = block.previous();
        return previous.isValid() && previous.length() > 1 &&
               fieldOf(formatAt(previous, previous.position() + previous.length() - 2)) == field;
    }
    if (position < blockEnd)
        return fieldOf(formatAt(block, position)) == field;
    const QTextBlock next = block.next();
    return next.isValid() && next.length() > 1 && fieldOf(formatAt(next, next.position())) == field;
}

// The format of the text just before the field that ends at `position`, in
// its paragraph; `fallback` when the field starts the paragraph.
QTextCharFormat formatBeforeField(const QTextBlock& block, int position, const QString& field,
                                  const QTextCharFormat& fallback) {
    QTextCharFormat before = fallback;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.position() >= position)
            break;
        if (fieldOf(fragment.charFormat()) != field)
            before = fragment.charFormat();
    }
    return before;
}

} // namespace

QString fieldOf(const QTextCharFormat& format) {
    if (format.isAnchor() && !format.anchorHref().isEmpty())
        return u'>' + format.anchorHref();
    if (format.hasProperty(kFieldInstructionProperty))
        return u'=' + format.stringProperty(kFieldInstructionProperty);
    return {};
}

QTextCharFormat typingFormat(const QTextCursor& cursor) {
    QTextCharFormat format = cursor.charFormat();
    const QString field = fieldOf(format);
    if (field.isEmpty() || cursor.hasSelection() || insideField(cursor, field))
        return format;
    // Formatting chosen at the caret (bold turned on there) stays; the
    // field's own look gives way to the text's around it.
    const QTextBlock block = cursor.block();
    const int position = cursor.position();
    if (position > block.position() && format == formatAt(block, position - 1))
        format = formatBeforeField(block, position, field, format);
    format.setAnchor(false);
    format.clearProperty(QTextFormat::AnchorHref);
    format.clearProperty(QTextFormat::AnchorName);
    format.clearProperty(kFieldInstructionProperty);
    return format;
}

} // namespace oxlin::richtext
