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

int countImages(const QTextDocument& document, bool keptOnly = false);
QStringList linkTargets(const QTextDocument& document);

} // namespace oxlin::richtext::test
