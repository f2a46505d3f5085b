#include "publish/html_styles.h"

#include "publish/html_writer.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextFrameFormat>
#include <QTextLength>
#include <QTextTableCellFormat>
#include <QTextTableFormat>

namespace oxlin::publish {

namespace {

// A length in pixels, the unit of document formats (96 per inch).
QString pixels(double value) {
    return QString::number(value, 'g', 6) + QStringLiteral("px");
}

// A family name in single quotes; quotes and backslashes cannot be carried.
QString quotedFamily(QString family) {
    family.remove(QLatin1Char('\'')).remove(QLatin1Char('\\'));
    return QLatin1Char('\'') + family + QLatin1Char('\'');
}

void addColour(QStringList& css, const char* property, const QBrush& brush) {
    if (brush.style() != Qt::NoBrush && brush.color().alpha() > 0)
        css.append(QStringLiteral("%1:%2").arg(QLatin1String(property), brush.color().name()));
}

void addMargin(QStringList& css, const char* property, double value) {
    if (value != 0)
        css.append(QStringLiteral("%1:%2").arg(QLatin1String(property), pixels(value)));
}

// A document indent step is 40 pixels, the width browsers give a list level.
constexpr double kIndentPixels = 40.0;

} // namespace

QString styleAttribute(const QStringList& declarations) {
    if (declarations.isEmpty())
        return {};
    return QStringLiteral(" style=\"%1\"").arg(escapeHtml(declarations.join(QLatin1Char(';'))));
}

QStringList fontStyle(const QStringList& families, double pointSize) {
    QStringList css;
    QStringList quoted;
    for (const QString& family : families)
        if (!family.isEmpty())
            quoted.append(quotedFamily(family));
    if (!quoted.isEmpty())
        css.append(QStringLiteral("font-family:") + quoted.join(QLatin1Char(',')));
    if (pointSize > 0)
        css.append(QStringLiteral("font-size:%1pt").arg(pointSize));
    return css;
}

QStringList charFont(const QTextCharFormat& format) {
    return fontStyle(format.hasProperty(QTextFormat::FontFamilies)
                         ? format.fontFamilies().toStringList()
                         : QStringList(),
                     format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : 0.0);
}

QStringList charStyle(const QTextCharFormat& format, const QStringList& around) {
    QStringList css = charFont(format);
    for (const QString& declaration : around)
        css.removeAll(declaration);
    if (format.hasProperty(QTextFormat::FontWeight))
        css.append(QStringLiteral("font-weight:%1").arg(format.fontWeight()));
    if (format.hasProperty(QTextFormat::FontItalic))
        css.append(format.fontItalic() ? QStringLiteral("font-style:italic")
                                       : QStringLiteral("font-style:normal"));
    QStringList decorations;
    if (format.fontUnderline())
        decorations.append(QStringLiteral("underline"));
    if (format.fontStrikeOut())
        decorations.append(QStringLiteral("line-through"));
    if (format.fontOverline())
        decorations.append(QStringLiteral("overline"));
    if (!decorations.isEmpty())
        css.append(QStringLiteral("text-decoration:") + decorations.join(QLatin1Char(' ')));
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        addColour(css, "color", format.foreground());
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        addColour(css, "background-color", format.background());
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        css.append(QStringLiteral("vertical-align:super;font-size:smaller"));
        break;
    case QTextCharFormat::AlignSubScript:
        css.append(QStringLiteral("vertical-align:sub;font-size:smaller"));
        break;
    default:
        break;
    }
    return css;
}

QStringList blockStyle(const QTextBlockFormat& format, bool withIndent) {
    QStringList css;
    if (format.hasProperty(QTextFormat::BlockAlignment)) {
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter)
            css.append(QStringLiteral("text-align:center"));
        else if (alignment & Qt::AlignRight)
            css.append(QStringLiteral("text-align:right"));
        else if (alignment & Qt::AlignJustify)
            css.append(QStringLiteral("text-align:justify"));
    }
    addMargin(css, "margin-top", format.topMargin());
    addMargin(css, "margin-bottom", format.bottomMargin());
    addMargin(css, "margin-left",
              format.leftMargin() + (withIndent ? format.indent() * kIndentPixels : 0.0));
    addMargin(css, "margin-right", format.rightMargin());
    addMargin(css, "text-indent", format.textIndent());
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        addColour(css, "background-color", format.background());
    return css;
}

QStringList frameStyle(const QTextFrameFormat& format) {
    QStringList css;
    if (format.border() > 0)
        css.append(QStringLiteral("border:%1 solid").arg(pixels(format.border())));
    addMargin(css, "padding", format.padding());
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        addColour(css, "background-color", format.background());
    return css;
}

QStringList lengthStyle(const char* property, const QTextLength& length) {
    switch (length.type()) {
    case QTextLength::PercentageLength:
        return {QStringLiteral("%1:%2%").arg(QLatin1String(property)).arg(length.rawValue())};
    case QTextLength::FixedLength:
        return {QStringLiteral("%1:%2").arg(QLatin1String(property), pixels(length.rawValue()))};
    case QTextLength::VariableLength:
        break;
    }
    return {};
}

QStringList tableStyle(const QTextTableFormat& format) {
    QStringList css{QStringLiteral("border-collapse:collapse")};
    css += lengthStyle("width", format.width());
    if (format.alignment() & Qt::AlignHCenter)
        css.append(QStringLiteral("margin-left:auto;margin-right:auto"));
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        addColour(css, "background-color", format.background());
    return css;
}

QStringList cellStyle(const QTextTableFormat& table, const QTextTableCellFormat& cell) {
    QStringList css;
    // The table's border around every cell, unless the cell has its own.
    const double border =
        cell.hasProperty(QTextFormat::TableCellTopBorder) ? cell.topBorder() : table.border();
    if (border > 0) {
        const QBrush brush = table.borderBrush();
        const QColor colour = brush.style() == Qt::NoBrush ? QColor(Qt::black) : brush.color();
        css.append(QStringLiteral("border:%1 solid %2").arg(pixels(border), colour.name()));
    }
    const double padding = cell.hasProperty(QTextFormat::TableCellTopPadding) ? cell.topPadding()
                                                                              : table.cellPadding();
    addMargin(css, "padding", padding);
    if (cell.hasProperty(QTextFormat::BackgroundBrush))
        addColour(css, "background-color", cell.background());
    css.append(QStringLiteral("vertical-align:top"));
    return css;
}

bool isOrderedList(QTextListFormat::Style style) {
    return style == QTextListFormat::ListDecimal || style == QTextListFormat::ListLowerAlpha ||
           style == QTextListFormat::ListUpperAlpha || style == QTextListFormat::ListLowerRoman ||
           style == QTextListFormat::ListUpperRoman;
}

QStringList listStyle(QTextListFormat::Style style) {
    switch (style) {
    case QTextListFormat::ListCircle:
        return {QStringLiteral("list-style-type:circle")};
    case QTextListFormat::ListSquare:
        return {QStringLiteral("list-style-type:square")};
    case QTextListFormat::ListLowerAlpha:
        return {QStringLiteral("list-style-type:lower-alpha")};
    case QTextListFormat::ListUpperAlpha:
        return {QStringLiteral("list-style-type:upper-alpha")};
    case QTextListFormat::ListLowerRoman:
        return {QStringLiteral("list-style-type:lower-roman")};
    case QTextListFormat::ListUpperRoman:
        return {QStringLiteral("list-style-type:upper-roman")};
    default:
        return {};
    }
}

} // namespace oxlin::publish
