// Fields other than hyperlinks (page numbers, dates, cross-references, a
// table of contents): their result is the text shown, their instruction is
// kept and both are written back as the field.

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

TEST(RtfOtherFields, TextTypedAfterAFieldIsNotPartOfIt) {
    QTextDocument document;
    readRtf(QByteArray("{\\rtf1 Page {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}\\par}"), document);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    // What the editor does when typing: the format of the text before, less the field.
    QTextCharFormat typed = cursor.charFormat();
    typed.clearProperty(kFieldInstructionProperty);
    cursor.insertText(QStringLiteral(" and more"), typed);
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("{\\fldrslt{3}}} and more")) << rtf.constData();
}

} // namespace
} // namespace oxlin::richtext
