#pragma once

#include <QFont>
#include <QTextCharFormat>

class QFontDialog;
class QTextEdit;

namespace oxlin::app {

// The Font command's question and answer. The dialog opens on the font the
// selection shows and what the user leaves as the dialog showed it stays as
// the selection had it: OK without a change changes nothing.

// The font the selection (or the typing format) shows: its own format over
// the document's default font.
QFont fontOfSelection(const QTextEdit& edit);

// Sets the dialog up on `initial`: the family the system really draws it in
// (a family the dialog lists, with its styles), its size, weight, slant,
// underline and strike-out.
void prepareFontDialog(QFontDialog& dialog, const QFont& initial);

// The answer of a dialog that opened showing `shown` for the selection's
// `initial` font and closed on `chosen`: family and size as chosen where the
// user changed them, else the selection's; weight and slant as chosen where the
// user changed the style, and the selection's where the chosen family has no
// style of that weight and slant; underline and strike-out as chosen.
QFont fontAnswer(const QFont& initial, const QFont& shown, const QFont& chosen);

// The chosen font on the selection (or the typing format), only what differs
// from `initial`: a changed font also ends a link over the selection. False,
// with nothing changed, when `chosen` is `initial`.
bool applyFont(QTextEdit& edit, const QFont& initial, const QFont& chosen);

} // namespace oxlin::app
