// The RTF writer's document walk, shared by the files that write its paragraphs, tables, pictures and lists.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCharFormat>
#include <QTextFrame>
#include <QTextListFormat>

#include <algorithm>
#include <array>
#include <vector>

class QTextBlock;
class QTextDocument;
class QTextImageFormat;
class QTextList;
class QTextTable;
class QTextTableCell;

namespace oxlin::richtext::writing {

// The size of text read without one of its own, written without \fs.
constexpr int kUnstatedSize = -1;

// The character formats written so far in the current group.
struct RunState {
    int font = 0;
    // 0: not written yet, the first run always says its size or that it has
    // none; kUnstatedSize: none, as after \plain.
    int halfPoints = 0;
    int foreground = 0;
    int background = 0;
    int highlight = 0; // \highlight: the background, when one of its palette
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    // Other readers take East Asian text's font from \dbch\af, and complex
    // scripts' (Hebrew, Arabic, Indic...) font, size, bold and italic from
    // \af \afs \ab \ai: written before text of those scripts.
    int eastAsianFont = -1; // -1: not written
    int complexFont = -1;
    int complexHalfPoints = 0;
    bool complexBold = false;
    bool complexItalic = false;
};

// Document pixels to twips, kept within what RTF readers take.
int toTwips(double pixels);

// The \levelnfc number format of a list style (23: a bullet).
int numberFormat(QTextListFormat::Style style);

// The bullet a list of `style` shows.
char16_t bulletOf(QTextListFormat::Style style);

// The levels a list in RTF has.
constexpr int kListLevels = 9;

// One write of one document: the body is written first, walking the root
// frame, and the font, colour and list tables it used are put before it.
class Writer {
public:
    explicit Writer(const QTextDocument& document);

    QByteArray write();

private:
    void writeFrameContent(const QTextFrame* frame);
    // `depth` is how deep in tables the text is: 0 outside, 1 in a table,
    // 2 in a table inside a cell, and so on.
    void writeBlock(const QTextBlock& block, int depth);
    void writeParagraphStart(int depth);
    void writeTable(const QTextTable* table, int depth);
    void writeRowDefinition(const QTextTable* table, int row, const std::vector<int>& edges,
                            bool borders);
    void writeCell(const QTextTableCell& cell, int depth);
    void writeCellContent(QTextFrame::iterator it, int depth, bool& paragraphOpen);
    void writeRuns(const QTextBlock& block);
    void openField(const QString& instruction);
    void closeField();
    void writeFragmentText(const QString& text, const QTextCharFormat& format);
    void writePicture(const QTextImageFormat& format);
    // The \fs a run is written with, or kUnstatedSize.
    int halfPointsOf(const QTextCharFormat& format) const;
    void switchTo(const QTextCharFormat& format);
    // The associated words the scripts of `text` need, for the run switched to.
    void writeScriptFormats(const QString& text);

    void word(const char* name) {
        body_ += '\\';
        body_ += name;
        delimit_ = true;
    }
    void word(const char* name, long long value) {
        body_ += '\\';
        body_ += name;
        body_ += QByteArray::number(value);
        delimit_ = true;
    }
    void raw(const QByteArray& bytes) {
        body_ += bytes;
        delimit_ = false;
    }
    void text(const QString& s, bool fontName = false);

    int fontIndex(const QString& family);
    int colorIndex(const QColor& color);
    // One list of the list table: the Qt lists written as its levels.
    struct WrittenList {
        std::array<const QTextList*, kListLevels> levels{};     // the list that defines each level
        std::array<QTextCharFormat, kListLevels> numberFormats; // its first item's paragraph's
        std::array<const QTextList*, kListLevels> open{}; // the list whose items are being written
    };
    struct ListItem {
        int ls = 0;
        int depth = 0;
    };
    // The \lsN and level of a list item, numbering lists in the order they are met.
    ListItem listItem(const QTextBlock& block);
    QByteArray listLevel(const WrittenList& list, int depth);
    QByteArray listTables();

    const QTextDocument& document_;
    QString defaultFamily_;
    int defaultHalfPoints_ = 24;
    std::vector<QString> fonts_;
    std::vector<QColor> colors_;
    std::vector<WrittenList> lists_;
    QHash<const QTextList*, int> listOf_; // index into lists_
    int lastList_ = -1;                   // the list of the last item written
    QByteArray body_;
    bool delimit_ = false;
    RunState run_;
    QString openField_;     // the instruction of the field whose result is being written
    RunState fieldOutside_; // the formats in effect where it opened
    bool fieldMayContinue_ = false;
};

} // namespace oxlin::richtext::writing
