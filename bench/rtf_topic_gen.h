// A seeded generator of rich-text topics as word processors write them: a
// font and a colour table, paragraphs of running text with bold, italic and
// coloured runs, font and size changes, accented letters, and now and then a
// small bordered table. The same seed and size give the same bytes, so runs
// on different days compare.
#pragma once

#include <QByteArray>

#include <array>
#include <random>

namespace oxlin::bench {

inline QByteArray generateRtfTopic(qsizetype bytes, unsigned seed = 7) {
    static constexpr std::array<const char*, 24> kWords = {
        "the",     "meeting", "notes",    "project", "deadline", "review",
        "client",  "budget",  "we",       "agreed",  "to",       "follow",
        "up",      "on",      "Tuesday",  "with",    "draft",    "caf\\'e9",
        "na\\'efve", "and",   "schedule", "report",  "numbers",  "quarterly"};
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };

    QByteArray rtf;
    rtf.reserve(bytes + 4096);
    rtf += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
           "{\\f2\\fmodern\\fcharset0 Courier New;}{\\f3\\fnil\\fcharset2 Symbol;}}\r\n"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;"
           "\\red128\\green128\\blue128;}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 ";

    qsizetype nextTable = 300'000;
    int tableNumber = 0;
    while (rtf.size() < bytes) {
        if (rtf.size() >= nextTable) {
            // A small table: a header row in bold, then rows of figures.
            const int rows = 3 + pick(6);
            const int cells = 2 + pick(4);
            for (int r = 0; r < rows; ++r) {
                rtf += "\\trowd\\trgaph108\\trleft-108";
                for (int c = 1; c <= cells; ++c)
                    rtf += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                           "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx" +
                           QByteArray::number(c * 2000);
                rtf += "\\pard\\intbl ";
                for (int c = 0; c < cells; ++c) {
                    if (r == 0)
                        rtf += "\\b Column " + QByteArray::number(c + 1) + "\\b0\\cell ";
                    else
                        rtf += QByteArray::number(pick(100000)) + "." +
                               QByteArray::number(pick(100)) + "\\cell ";
                }
                rtf += "\\row\r\n";
            }
            rtf += "\\pard Table " + QByteArray::number(++tableNumber) + " above.\\par\r\n";
            nextTable += 400'000;
        }
        // A paragraph: now and then a heading, a different font or a list-like indent.
        const int kind = pick(20);
        if (kind == 0)
            rtf += "\\pard\\sb120\\sa60\\b\\fs28 Section " + QByteArray::number(pick(1000)) +
                   "\\b0\\fs20\\par\r\n\\pard ";
        else if (kind == 1)
            rtf += "\\pard\\li720\\fi-360 ";
        else if (kind == 2)
            rtf += "\\pard\\qj ";
        const int words = 15 + pick(110);
        for (int w = 0; w < words; ++w) {
            const char* word = kWords[size_t(pick(int(kWords.size())))];
            switch (pick(40)) {
            case 0: rtf += "\\b "; rtf += word; rtf += "\\b0 "; break;
            case 1: rtf += "\\i "; rtf += word; rtf += "\\i0 "; break;
            case 2: rtf += "\\cf" + QByteArray::number(1 + pick(4)) + " " + word + "\\cf0 "; break;
            case 3: rtf += "{\\f2 "; rtf += word; rtf += "} "; break;
            case 4: rtf += "\\ul "; rtf += word; rtf += "\\ulnone "; break;
            case 5: rtf += "{\\f1\\fs24 "; rtf += word; rtf += "} "; break;
            default: rtf += word; rtf += ' '; break;
            }
            if (w % 14 == 13)
                rtf += "\r\n"; // writers break long lines; the break is not text
        }
        rtf += (kind == 1 || kind == 2) ? "\\par\r\n\\pard " : "\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

} // namespace oxlin::bench
