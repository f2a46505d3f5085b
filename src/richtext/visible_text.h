// The visible text of a stored topic, what the keyword search matches against.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

class QTextDocument;

namespace oxlin::richtext {

// The text a reader sees in a document: documentText(), then the text of
// each footnote and endnote (what its mark's tooltip shows) on a line of its
// own, in the order of their marks, as word processors print notes after the
// text.
QString visibleText(const QTextDocument& document);

// The text a reader sees in a topic's stored bytes: the visible text of rich
// text (no control words, tables as cells and rows, notes at the end), plain
// text decoded as the editor decodes it. Exactly visibleText() of the
// document the editor would load, read straight from the RTF tokens without
// a document; only RTF with
// content in tables is read into a QTextDocument (whose grid decides that
// text), so a QGuiApplication must exist for those and the call then belongs
// to a thread that may create documents.
QString visibleText(QByteArrayView stored);

// The same text handed to `pieces` in order as it is read, stopping as soon as
// `pieces` returns false (a search that has found its keyword).
void streamVisibleText(QByteArrayView stored, const std::function<bool(QStringView)>& pieces);

} // namespace oxlin::richtext
