#pragma once

// The CSS of the pages: formats of a QTextDocument as style declarations.

#include <QString>
#include <QStringList>
#include <QTextFormat>
#include <QTextListFormat>

class QTextBlockFormat;
class QTextCharFormat;
class QTextFrameFormat;
class QTextLength;
class QTextTableCellFormat;
class QTextTableFormat;

namespace oxlin::publish {

// ` style="..."` for the declarations, or empty when there are none.
QString styleAttribute(const QStringList& declarations);

// The font family and size a run gives itself.
QStringList charFont(const QTextCharFormat& format);
// Everything but the font declarations in `around`, which the run's
// surroundings give it already.
QStringList charStyle(const QTextCharFormat& format, const QStringList& around = {});
// `withIndent`: the block's indent becomes a left margin (not in a list,
// where the list's level gives it).
QStringList blockStyle(const QTextBlockFormat& format, bool withIndent);
QStringList frameStyle(const QTextFrameFormat& format);
QStringList tableStyle(const QTextTableFormat& format);
QStringList cellStyle(const QTextTableFormat& table, const QTextTableCellFormat& cell);
QStringList lengthStyle(const char* property, const QTextLength& length);

bool isOrderedList(QTextListFormat::Style style);
QStringList listStyle(QTextListFormat::Style style);

// The font declarations of the whole page.
QStringList fontStyle(const QStringList& families, double pointSize);

} // namespace oxlin::publish
