#pragma once

// A QTextDocument as HTML5: our own writer rather than QTextDocument::toHtml,
// which writes HTML 4 with properties of Qt's own ("-qt-") that browsers
// ignore. Formatting goes into style attributes (fonts, sizes, colours,
// alignment, indents), lists become nested lists by their level, tables
// keep their spans, pictures become <img> elements. No script, ever.

#include "publish/block_pieces.h"

#include <QFont>
#include <QString>
#include <QStringView>

#include <optional>

class QTextDocument;

namespace oxlin::publish {

// The body content of a page showing `document`: block elements only.
QString documentHtml(const QTextDocument& document, const PageOutput& output);

// `text` with &, <, > and " escaped, and the characters an HTML page may not
// carry (controls, lone surrogates, non-characters) left out.
QString escapeHtml(QStringView text);

// A whole HTML5 page: `title` as text, `navigation` (none when empty) and
// `body` as markup, the body in `font` unless its content says otherwise
// (without one, in the browser's).
QString htmlPage(const QString& title, const QString& navigation, const QString& body,
                 const std::optional<QFont>& font);

} // namespace oxlin::publish
