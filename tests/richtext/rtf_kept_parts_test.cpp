// Parts of a document the editor does not show as text (footnotes, page
// headers and footers, page size and margins) survive a read and a write,
// and LibreOffice still reads them from what we write.

#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_objects.h"
#include "richtext/visible_text.h"

#include "test_support.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

const QByteArray kNotes =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}"
    "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1417\\margb1134\r\n"
    "{\\header \\pard\\plain\\qc\\fs20 Quarterly report header\\par}\r\n"
    "{\\footer \\pard\\plain\\qr\\fs18 Page footer text\\par}\r\n"
    "\\pard\\plain\\fs24 Body with a note{\\super\\chftn}"
    "{\\footnote \\pard\\plain\\fs20 {\\super\\chftn} The footnote explains things.}"
    " and more.\\par Second{\\footnote\\ftnalt An endnote.} paragraph.\\par}";

// The tooltips of the footnote marks, in order.
QStringList footnoteTips(const QTextDocument& document) {
    QStringList tips;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().hasProperty(kKeptRtfProperty))
                tips << it.fragment().charFormat().toolTip().trimmed();
    return tips;
}

TEST(RtfKeptParts, FootnotesAreMarksWithTheirTextAndTheRestIsKept) {
    QTextDocument document;
    readRtf(kNotes, document);
    // The text reads on without the notes, headers or footers in it.
    QString text = document.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    EXPECT_EQ(text, QStringLiteral("Body with a note and more.\nSecond paragraph."));
    // A search reads the notes' text after the text, as their tooltips show it.
    EXPECT_EQ(visibleText(kNotes), QStringLiteral("Body with a note and more.\nSecond paragraph."
                                                  "\nThe footnote explains things.\nAn endnote."));
    EXPECT_EQ(visibleText(kNotes), visibleText(document));
    EXPECT_EQ(footnoteTips(document),
              (QStringList{"The footnote explains things.", "An endnote."}));

    const QByteArray rtf = writeRtf(document);
    for (const char* part : {"{\\header \\pard\\plain\\qc\\fs20 Quarterly report header\\par}",
                             "{\\footer \\pard\\plain\\qr\\fs18 Page footer text\\par}",
                             "{\\footnote\\ftnalt An endnote.}", "\\paperw11906\\paperh16838",
                             "\\margl1134\\margr1134\\margt1417\\margb1134"})
        EXPECT_TRUE(rtf.contains(part)) << part << "\n" << rtf.constData();
    // The header comes before the text, and all survives a second round.
    EXPECT_LT(rtf.indexOf("\\header"), rtf.indexOf("Body with"));
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(writeRtf(back), rtf);
}

TEST(RtfKeptParts, EditingKeepsThePartsAndAPasteBringsNone) {
    QTextDocument document;
    readRtf(kNotes, document);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" Edited."));
    insertRtf(QByteArray("{\\rtf1{\\header pasted header\\par} pasted}"), cursor);
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("Quarterly report header")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("The footnote explains things.")) << rtf.constData();
    EXPECT_FALSE(rtf.contains("pasted header")) << rtf.constData();
    // A document read afresh, as rich or plain text, has none of the last one's parts.
    readRtf(QByteArray("{\\rtf1 plain}"), document);
    EXPECT_FALSE(writeRtf(document).contains("\\header"));
    readRtf(kNotes, document);
    readPlainText("plain", document);
    EXPECT_FALSE(writeRtf(document).contains("\\header"));
}

TEST(RtfKeptParts, NotesInsideNotesAreKeptWhole) {
    // As deep as a hostile file may nest them, with a table in each.
    QByteArray rtf = "{\\rtf1 before";
    for (int i = 0; i < 3000; ++i)
        rtf += "{\\footnote \\intbl x\\cell\\row ";
    rtf += QByteArray(3000, '}') + " after}";
    QTextDocument document;
    readRtf(rtf, document);
    QString text = document.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    EXPECT_EQ(text, QStringLiteral("before after"));
    const qsizetype start = rtf.indexOf("{\\footnote");
    const QByteArray notes =
        rtf.mid(start, rtf.lastIndexOf('}', rtf.indexOf(" after")) + 1 - start);
    EXPECT_TRUE(writeRtf(document).contains(notes));
}

TEST(RtfKeptParts, LibreOfficeReadsTheKeptParts) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    QTemporaryDir dir;
    QTextDocument document;
    readRtf(kNotes, document);
    QFile file(dir.filePath("notes.rtf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writeRtf(document));
    file.close();
    QProcess convert;
    convert.start(soffice, {"--headless", "-env:UserInstallation=file://" + dir.filePath("profile"),
                            "--convert-to", "html", "--outdir", dir.path(), file.fileName()});
    ASSERT_TRUE(convert.waitForFinished(120000));
    QFile html(dir.filePath("notes.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    // LibreOffice breaks its HTML's lines anywhere.
    const QString page = QString::fromUtf8(html.readAll()).simplified();
    for (const char* words : {"Quarterly report header", "Page footer text",
                              "The footnote explains things.", "An endnote.", "Body with a note"})
        EXPECT_TRUE(page.contains(QLatin1String(words))) << words << "\n" << page.toStdString();
}

} // namespace
} // namespace oxlin::richtext
