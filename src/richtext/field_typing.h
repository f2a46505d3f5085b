// What typing next to a field gives: ordinary text, not more of its result.
#pragma once

#include <QString>
#include <QTextCharFormat>

class QTextCursor;

namespace oxlin::richtext {

// The field a run of text is the shown result of: its link target for a
// hyperlink, else its kept instruction (a page number, a date); empty for
// ordinary text.
QString fieldOf(const QTextCharFormat& format);

// The character format text typed at `cursor` should have. Inside a field's
// result it is the cursor's own (typing there changes the result); at either
// end of a field, where the cursor's format would carry the field on, it is
// the format of the text before the field in its paragraph (the field's own
// when it starts the paragraph, or the one chosen at the caret) without the
// field, so what is typed stays out of the field when the topic is written.
QTextCharFormat typingFormat(const QTextCursor& cursor);

} // namespace oxlin::richtext
