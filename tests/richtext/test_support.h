#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace oxlin::richtext::test {

QByteArray readFixture(const QString& relativePath);
QStringList corpusFiles();

// A compact description of a document for comparisons: one line per block
// with its alignment, indents and the formats of its runs.
QString describe(const QTextDocument& document);

// The document's top-level layout: one line per paragraph ("p: text") and
// per table ("table RxC" and then one line per cell that starts there:
// "  r,c RSxCS: text", paragraphs inside a cell joined by "|", a table
// inside a cell as {a/b;c/d}).
QString outline(const QTextDocument& document);

int countImages(const QTextDocument& document, bool keptOnly = false);
QStringList linkTargets(const QTextDocument& document);

} // namespace oxlin::richtext::test
