// Fields other than hyperlinks (page numbers, dates, cross-references, a
// table of contents): their result is the text shown, their instruction is
// kept and both are written back as the field.

#include "richtext/field_typing.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_objects.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

const QByteArray kFields =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}"
    "\\pard{\\field{\\*\\fldinst{ TOC \\\\o \"1-3\" \\\\h }}{\\fldrslt{Introduction\\tab 1}"
    "\\par\\pard Results\\tab 4}}\\par"
    "\\pard Page {\\field{\\*\\fldinst PAGE }{\\fldrslt 7}} of {\\field{\\*\\fldinst NUMPAGES}"
    "{\\fldrslt 9}}, printed {\\field{\\*\\fldinst{ DATE \\\\@ \"d MMMM yyyy\" }}"
    "{\\fldrslt 8 December 2026}}, see {\\field{\\*\\fldinst REF _Ref1 \\\\h}{\\fldrslt Table 2}}."
    "\\par}";

TEST(RtfOtherFields, ResultIsTheTextAndTheInstructionIsWrittenBack) {
    QTextDocument document;
    readRtf(kFields, document);
    EXPECT_EQ(documentText(document),
              QStringLiteral("Introduction\t1\nResults\t4\nPage 7 of 9, printed 8 December 2026, "
                             "see Table 2."));
    const QByteArray rtf = writeRtf(document);
    for (const char* field :
         {"{\\field{\\*\\fldinst{PAGE }}{\\fldrslt{7}}}",
          "{\\field{\\*\\fldinst{NUMPAGES}}{\\fldrslt{9}}}",
          "{\\field{\\*\\fldinst{ DATE \\\\@ \"d MMMM yyyy\" }}{\\fldrslt{8 December 2026}}}",
          "{\\field{\\*\\fldinst{REF _Ref1 \\\\h}}{\\fldrslt{Table 2}}}"})
        EXPECT_TRUE(rtf.contains(field)) << field << "\n" << rtf.constData();
    // The table of contents is one field over its two paragraphs.
    EXPECT_EQ(rtf.count("TOC"), 1) << rtf.constData();
    EXPECT_LT(rtf.indexOf("TOC"), rtf.indexOf("Introduction"));
    EXPECT_LT(rtf.indexOf("Results"), rtf.indexOf("}}}", rtf.indexOf("TOC")));
    QTextDocument back;
    readRtf(rtf, back);
    EXPECT_EQ(documentText(back), documentText(document));
    EXPECT_EQ(writeRtf(back), rtf);
}

// Types `text` at `position` as the editor does and returns the document written.
QByteArray typedAt(QTextDocument& document, int position, const QString& text,
                   const QTextCharFormat* chosen = nullptr) {
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    if (chosen)
        cursor.mergeCharFormat(*chosen);
    cursor.insertText(text, typingFormat(cursor));
    return writeRtf(document);
}

TEST(RtfOtherFields, TextTypedAtAFieldsEndIsNotPartOfIt) {
    const QByteArray page = "{\\rtf1 {\\i Page }{\\field{\\*\\fldinst PAGE}{\\fldrslt\\b 3}}\\par}";
    QTextDocument document;
    readRtf(page, document);
    // At the end, typed text is ordinary text in the format before the field.
    QByteArray rtf = typedAt(document, 6, QStringLiteral(" and more"));
    EXPECT_TRUE(rtf.contains("{\\fldrslt{\\b\\i0 3}}} and more")) << rtf.constData();
    EXPECT_EQ(documentText(document), QStringLiteral("Page 3 and more"));
    QTextCursor typed(&document);
    typed.setPosition(8);
    EXPECT_TRUE(typed.charFormat().fontItalic());
    EXPECT_NE(typed.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(fieldOf(typed.charFormat()).isEmpty());

    // A hyperlink that starts its paragraph, text after it: typed before or
    // after the link stays out of it; bold chosen at the caret stays.
    const QByteArray link = "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"https://x.org/\"}"
                            "{\\fldrslt\\ul site}} here\\par}";
    readRtf(link, document);
    typedAt(document, 0, QStringLiteral("A "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    rtf = typedAt(document, 6, QStringLiteral("!"), &bold);
    EXPECT_EQ(documentText(document), QStringLiteral("A site! here"));
    EXPECT_TRUE(rtf.contains("{\\fldrslt{site}}}\\b !")) << rtf.constData();
    QTextCursor bang(&document);
    bang.setPosition(7);
    EXPECT_EQ(bang.charFormat().fontWeight(), QFont::Bold);
    EXPECT_FALSE(bang.charFormat().isAnchor());
    // Inside the result typing changes the result.
    rtf = typedAt(document, 4, QStringLiteral("x"));
    EXPECT_TRUE(rtf.contains("{\\fldrslt{sixte}}}")) << rtf.constData();

    // A table of contents goes on over paragraphs: their joins are inside it.
    readRtf(kFields, document);
    const int end = int(QStringLiteral("Introduction\t1").size());
    typedAt(document, end, QStringLiteral("0"));
    typedAt(document, end + 2, QStringLiteral("R"));
    rtf = writeRtf(document);
    EXPECT_EQ(rtf.count("TOC"), 1) << rtf.constData();
    EXPECT_LT(rtf.indexOf("RResults"), rtf.indexOf("}}}", rtf.indexOf("TOC"))) << rtf.constData();
}

} // namespace
} // namespace oxlin::richtext
