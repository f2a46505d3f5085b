#pragma once

// A QTextDocument as CommonMark: headings, paragraphs, bold, italic, code
// (a fixed-pitch font), links, pictures, nested lists and tables as pipe
// tables (the extension every Markdown reader of today reads). What
// Markdown cannot hold (fonts, sizes, colours, alignment, indents) is left
// out; hard line breaks stay.

#include "publish/block_pieces.h"

#include <QString>

class QTextDocument;

namespace oxlin::publish {

QString documentMarkdown(const QTextDocument& document, const PageOutput& output);

// `text` with every character Markdown would read as markup escaped.
QString escapeMarkdown(const QString& text);

} // namespace oxlin::publish
