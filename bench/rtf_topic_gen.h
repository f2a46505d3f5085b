// A seeded generator of rich-text topics as people's notes hold them: a font,
// colour and list table, paragraphs of running text with bold, italic and
// coloured runs, font and size changes, accented letters, web and mail
// addresses (about 0.4 % of the words), bulleted and numbered lists (some
// nested, in both the rich edit control's and the word processors' form),
// small bordered tables and small pictures. The same seed and size give the
// same bytes, so runs on different days compare.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <array>
#include <random>

namespace oxlin::bench {

namespace detail {

// A small picture as it sits in RTF: a PNG in hex, 96 x 64 pixels.
inline QByteArray pictureHex(unsigned seed) {
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(int(seed * 37 % 360), 60, 240));
    QPainter painter(&image);
    painter.setPen(QColor::fromHsv(int(seed * 91 % 360), 200, 120));
    for (int i = 0; i < 8; ++i)
        painter.drawRect(6 + i * 10, 8 + int((seed + unsigned(i) * 7) % 30), 8, 20);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray hex = png.toHex();
    for (qsizetype at = 128; at < hex.size(); at += 130)
        hex.insert(at, "\r\n"); // writers break the hex into lines
    return "{\\pict\\pngblip\\picw96\\pich64\\picwgoal1440\\pichgoal960\r\n" + hex + "}";
}

inline constexpr const char* kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
    "{\\f2\\fmodern\\fcharset0 Courier New;}{\\f3\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;"
    "\\red128\\green128\\blue128;}\r\n"
    // A bulleted list with a second level (\ls1) and a numbered one (\ls2),
    // as word processors describe them; every list of the text names one.
    "{\\*\\listtable"
    "{\\list\\listtemplateid1{\\listlevel\\levelnfc23\\leveljc0\\levelstartat1"
    "{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}\\fi-360\\li720}"
    "{\\listlevel\\levelnfc23\\leveljc0\\levelstartat1{\\leveltext\\'01o;}{\\levelnumbers;}"
    "\\fi-360\\li1440}\\listid1}"
    "{\\list\\listtemplateid2{\\listlevel\\levelnfc0\\leveljc0\\levelstartat1"
    "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}\\fi-360\\li720}"
    "{\\listlevel\\levelnfc4\\leveljc0\\levelstartat1{\\leveltext\\'02\\'01);}"
    "{\\levelnumbers\\'01;}\\fi-360\\li1440}\\listid2}}\r\n"
    "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}"
    "{\\listoverride\\listid2\\listoverridecount0\\ls2}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs20 ";

} // namespace detail

inline QByteArray generateRtfTopic(qsizetype bytes, unsigned seed = 7) {
    static constexpr std::array<const char*, 24> kWords = {
        "the",     "meeting", "notes",    "project", "deadline", "review",
        "client",  "budget",  "we",       "agreed",  "to",       "follow",
        "up",      "on",      "Tuesday",  "with",    "draft",    "caf\\'e9",
        "na\\'efve", "and",   "schedule", "report",  "numbers",  "quarterly"};
    static constexpr std::array<const char*, 6> kHosts = {
        "example.com", "intranet.example.org", "docs.example.net",
        "shop.example.co.uk", "mail.example.com", "wiki.example.org"};
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };

    // A web or mail address, in the forms notes hold them; bare mail
    // addresses are not links but are text all the same.
    const auto address = [&]() -> QByteArray {
        const QByteArray host = kHosts[size_t(pick(int(kHosts.size())))];
        const QByteArray page = QByteArray::number(pick(10000));
        switch (pick(6)) {
        case 0: return "http://www." + host + "/page" + page + ".html";
        case 1: return "https://" + host + "/notes/" + page + "?view=full";
        case 2: return "www." + host;
        case 3: return "mailto:someone" + page + "@" + host;
        case 4: return "someone" + page + "@" + host;
        default: return "https://www." + host + "/";
        }
    };
    // Running text of `words` words ending in a space; `words` counts what
    // a reader sees, so addresses come at 4 in 1,000 of them.
    QByteArray rtf;
    const auto runningText = [&](int words) {
        for (int w = 0; w < words; ++w) {
            if (pick(250) == 0) {
                rtf += address();
                rtf += pick(4) == 0 ? ". " : " ";
                continue;
            }
            const char* word = kWords[size_t(pick(int(kWords.size())))];
            switch (pick(40)) {
            case 0: rtf += "\\b "; rtf += word; rtf += "\\b0  "; break;
            case 1: rtf += "\\i "; rtf += word; rtf += "\\i0  "; break;
            case 2: rtf += "\\cf" + QByteArray::number(1 + pick(4)) + " " + word + "\\cf0  "; break;
            case 3: rtf += "{\\f2 "; rtf += word; rtf += "} "; break;
            case 4: rtf += "\\ul "; rtf += word; rtf += "\\ulnone  "; break;
            case 5: rtf += "{\\f1\\fs24 "; rtf += word; rtf += "} "; break;
            default: rtf += word; rtf += ' '; break;
            }
            if (w % 14 == 13)
                rtf += "\r\n"; // writers break long lines; the break is not text
        }
    };
    // A small table: a header row in bold, then rows of figures.
    int tableNumber = 0;
    const auto table = [&] {
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
    };
    // A list of a few short items: the rich edit control's bullets (\pn), or
    // a word processor's bulleted or numbered list (\ls) with, now and then,
    // items on a second level.
    const auto list = [&] {
        const int form = pick(3);
        const int items = 2 + pick(6);
        for (int i = 0; i < items; ++i) {
            const bool nested = form != 0 && i > 0 && pick(4) == 0;
            if (form == 0)
                rtf += "{\\pntext\\f3\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf3\\pnindent0{\\pntxtb\\'b7}}"
                       "\\fi-360\\li720 ";
            else
                rtf += "{\\listtext\\tab}\\pard\\ls" + QByteArray::number(form) +
                       (nested ? "\\ilvl1\\fi-360\\li1440 " : "\\fi-360\\li720 ");
            runningText(3 + pick(12));
            rtf += "\\par\r\n";
        }
        rtf += "\\pard ";
    };

    rtf.reserve(bytes + 4096);
    rtf += detail::kHeader;
    unsigned pictures = 0;
    while (rtf.size() < bytes) {
        // Paragraph by paragraph: mostly running text, now and then a heading,
        // a different indent, a list, a table or a picture.
        const int kind = pick(200);
        if (kind < 8)
            rtf += "\\pard\\sb120\\sa60\\b\\fs28 Section " + QByteArray::number(pick(1000)) +
                   "\\b0\\fs20\\par\r\n\\pard ";
        else if (kind < 18)
            rtf += "\\pard\\li720\\fi-360 ";
        else if (kind < 28)
            rtf += "\\pard\\qj ";
        else if (kind < 48) {
            list();
            continue;
        } else if (kind < 49) {
            table();
            continue;
        } else if (kind < 50) {
            rtf += "\\pard\\qc " + detail::pictureHex(seed + ++pictures) + "\\par\r\n\\pard ";
            continue;
        }
        runningText(15 + pick(110));
        rtf += (kind >= 8 && kind < 28) ? "\\par\r\n\\pard " : "\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

} // namespace oxlin::bench
