// The text read without a document is the document's visible text: checked
// against the full reader on the corpus, on damaged copies of it and on random RTF.

#include "richtext/content_stream.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"
#include "richtext/visible_text.h"

#include "test_support.h"

#include <QRandomGenerator>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace oxlin::richtext {
namespace {

QString documentVisibleText(QByteArrayView rtf) {
    QTextDocument document;
    readRtf(rtf, document);
    return visibleText(document);
}

// Streams in pieces and says whether the document was needed (a table).
QString streamedText(QByteArrayView rtf, bool* whole = nullptr) {
    QString text;
    const bool done = streamRtfText(rtf, [&](QStringView piece) {
        text += piece;
        return true;
    });
    if (whole)
        *whole = done;
    if (done)
        return text;
    // Bytes damaged at the start are no RTF to visibleText, which would read
    // them as plain text.
    return isRichText(rtf) ? visibleText(rtf) : documentVisibleText(rtf);
}

// Random RTF from the words and groups that change what text is shown.
QByteArray randomRtf(QRandomGenerator& random) {
    static const char* const parts[] = {
        "{", "}", "}", "\\par ", "\\line ", "\\tab ", "\\~", "\\_", "\\-", "\\\\", "\\{", "\\}",
        "\\'e9", "\\'80", "\\'93", "\\'81\\'40", "\\u8364?", "\\u-3913 ", "\\u8233 ", "\\u8232 ",
        "\\u65532 ", "\\u13 ", "\\u64976 ", "\\uc0 ", "\\uc2 ", "\\u233 xy", "\\f0 ", "\\f1 ",
        "\\f2 ", "{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset128 B;}{\\f2\\fcharset2 Symbol;}}",
        "{\\*\\unknown hidden}", "{\\*\\generator x;}", "{\\field{\\*\\fldinst HYPERLINK \"u\"}"
        "{\\fldrslt shown}}", "{\\pict\\pngblip 89504e47}", "{\\object{\\*\\objdata 01}"
        "{\\result {\\pict\\wmetafile8 00}}}", "\\intbl ", "\\cell ", "\\row ", "\\trowd\\cellx100 ",
        "\\b ", "\\i0 ", "\\v ", "\\ansicpg1251 ", "\\bin3 abc", "\r\n", "\\\n", "text ", "Wort ",
        "\\pard ", "\\plain ", "{\\stylesheet{\\s1 Heading;}}", "{\\info{\\title t}}",
        "\\emdash ", "\\bullet ", "\\lquote ", "\\sect ", "\\page ", "\\*", "\\", "\\'4", "x"};
    // Notes, which add their text after the document's.
    static const char* const notes[] = {"{\\footnote ", "{\\*\\footnote\\ftnalt ",
                                        "{\\footnote note\\par two}", "{\\header h}"};
    QByteArray out = "{\\rtf1\\ansi";
    const int count = random.bounded(1, 60);
    for (int i = 0; i < count; ++i)
        out += random.bounded(10) == 0 ? notes[random.bounded(int(std::size(notes)))]
                                       : parts[random.bounded(int(std::size(parts)))];
    if (random.bounded(2))
        out += '}';
    return out;
}

// A copy of real RTF with bytes changed, removed or the end cut off.
QByteArray damaged(QByteArray rtf, QRandomGenerator& random) {
    if (rtf.isEmpty())
        return rtf;
    const int edits = random.bounded(1, 8);
    for (int i = 0; i < edits; ++i) {
        const qsizetype at = random.bounded(rtf.size());
        switch (random.bounded(3)) {
        case 0: rtf[at] = "{}\\ a'9;"[random.bounded(8)]; break;
        case 1: rtf.remove(at, random.bounded(1, 16)); break;
        default: rtf.truncate(at + 1); break;
        }
        if (rtf.isEmpty())
            break;
    }
    return rtf;
}

TEST(VisibleText, EqualsTheDocumentTextOnTheCorpus) {
    int withoutDocument = 0;
    const QStringList files = test::corpusFiles();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QByteArray rtf = test::readFixture(QStringLiteral("corpus/") + file);
        bool whole = false;
        EXPECT_EQ(streamedText(rtf, &whole), documentVisibleText(rtf)) << file.toStdString();
        withoutDocument += whole ? 1 : 0;
    }
    // Most of the corpus has no table and never needs a document.
    EXPECT_GT(withoutDocument, files.size() / 2);
}

TEST(VisibleText, EqualsTheDocumentTextOnDamagedAndRandomRtf) {
    QRandomGenerator random(20240611);
    const QStringList files = test::corpusFiles();
    for (int round = 0; round < 1500; ++round) {
        const QByteArray rtf =
            round % 3 == 0
                ? damaged(test::readFixture(QStringLiteral("corpus/") +
                                            files[random.bounded(int(files.size()))]),
                          random)
                : randomRtf(random);
        ASSERT_EQ(streamedText(rtf), documentVisibleText(rtf))
            << "round " << round << ": " << rtf.left(2000).toStdString();
    }
}

TEST(VisibleText, StopsWhenAskedAndKeepsTheStartBeforeATable) {
    // Long text comes in several pieces; the reader stops after the first.
    const QByteArray longText = "{\\rtf1 " + QByteArray(20000, 'a') + "\\par " +
                                QByteArray(20000, 'b') + "}";
    int pieces = 0;
    EXPECT_TRUE(streamRtfText(longText, [&](QStringView) { return ++pieces < 1; }));
    EXPECT_EQ(pieces, 1);

    // Before a table, only the text certain to start the document's text is
    // handed on; visibleText finishes it from the document.
    const QByteArray table = "{\\rtf1 before\\par\\trowd\\cellx1000\\cellx2000\\intbl one\\cell "
                             "two\\cell\\row after}";
    QString start;
    EXPECT_FALSE(streamRtfText(table, [&](QStringView piece) {
        start += piece;
        return true;
    }));
    EXPECT_EQ(start, QStringLiteral("before"));
    EXPECT_EQ(visibleText(table), documentVisibleText(table));
}

TEST(VisibleText, NotesFollowTheTextWhateverHoldsThem) {
    // A word found only in a note: after the text, one line per note.
    const QByteArray notes = "{\\rtf1 Body{\\footnote\\pard one\\par two} end\\par "
                             "next{\\*\\footnote\\ftnalt endnote}\\par}";
    bool whole = false;
    EXPECT_EQ(streamedText(notes, &whole), QStringLiteral("Body end\nnext\none\ntwo\nendnote"));
    EXPECT_TRUE(whole);

    // A note holding a table, or text in a table holding a note, is read
    // through the document, and the notes still come last.
    const QByteArray inNote =
        "{\\rtf1 a{\\footnote\\trowd\\cellx900\\intbl cell\\cell\\row} b\\par}";
    const QByteArray inTable =
        "{\\rtf1 a\\par\\trowd\\cellx900\\intbl c{\\footnote note}\\cell\\row b}";
    for (const auto& [rtf, word] : {std::pair{inNote, u"cell"}, std::pair{inTable, u"note"}}) {
        EXPECT_FALSE(streamRtfText(rtf, [](QStringView) { return true; }));
        const QString text = visibleText(rtf);
        EXPECT_EQ(text, documentVisibleText(rtf));
        EXPECT_GT(text.indexOf(word), text.indexOf(u'b')) << text.toStdString();
    }
}

} // namespace
} // namespace oxlin::richtext
