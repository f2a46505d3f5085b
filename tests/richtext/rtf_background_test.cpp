// Background colour: written so that other programs read the colour itself,
// and read back from either form.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

QList<QColor> backgrounds(const QTextDocument& document) {
    QList<QColor> colours;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        colours << (format.background().style() == Qt::NoBrush ? QColor()
                                                               : format.background().color());
    }
    return colours;
}

TEST(RtfBackground, AnyColourAsChcbpatAndPaletteColoursAsHighlightToo) {
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat yellow;
    yellow.setBackground(QColor(255, 255, 0));
    QTextCharFormat bisque;
    bisque.setBackground(QColor(255, 228, 196));
    cursor.insertText(QStringLiteral("marked "), yellow);
    cursor.insertText(QStringLiteral("shaded "), bisque);
    cursor.insertText(QStringLiteral("plain"), QTextCharFormat());
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("\\highlight1\\chcbpat1 marked")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\highlight0\\chcbpat2 shaded")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\chcbpat0 plain")) << rtf.constData();
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(backgrounds(back), backgrounds(document));
}

} // namespace
} // namespace oxlin::richtext
