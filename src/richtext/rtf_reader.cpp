#include "richtext/rtf_reader.h"

#include "richtext/code_page.h"
#include "richtext/rtf_keywords.h"
#include "richtext/rtf_tokenizer.h"
#include "richtext/table_grid.h"
#include "richtext/text_objects.h"

#include <QColor>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <map>
#include <vector>

namespace oxlin::richtext {

namespace {

using namespace reading;

// Where the text of a group goes.
enum class Destination : std::uint8_t {
    Text,          // the document
    Skip,          // nowhere
    FontTable,     // font names
    ColorTable,    // colour entries
    Picture,       // hex or binary picture data
    FieldInstruction,
    NestedRowProperties, // \*\nesttableprops: a nested row's definition, no text
    Object,        // an OLE object; only its result picture is looked at
    ObjectResult,
};

constexpr int kSymbolCodePage = -2; // \fcharset2: 1252 with the Symbol bullet
constexpr int kSymbolFontPage = -3; // the Symbol font itself: read as the Unicode it shows

struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    int foreground = 0; // colour table index, 0 = automatic
    int background = 0;
    int link = -1;      // index into the reader's links
    std::int8_t vertical = 0; // 1 super, -1 sub
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const CharState&) const = default;
};

struct ParState {
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::uint8_t align = 0; // 0 left, 1 centre, 2 right, 3 justify
    int tableDepth = 0;     // 0 outside tables, 1 in a table, 2 in a table in a cell...
};

struct GroupState {
    CharState chars;
    ParState para;
    qsizetype groupStart = 0; // input offset of this group's '{'
    int field = -1;           // index into fields_ of the enclosing field
    int unicodeSkip = 1;      // \ucN
    Destination destination = Destination::Text;
};

struct Font {
    QString name;
    int charset = -1;
    int codePage = 0;
    bool symbolFont = false; // named "Symbol"
};

struct Field {
    QString instruction;
};

struct PictureData {
    enum Kind { None, Png, Jpeg, Dib, Opaque } kind = None;
    int picW = 0, picH = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;
    QByteArray data;
    int pendingNibble = -1;
};

// Deeper nesting than this is counted but not kept, to bound memory.
constexpr qsizetype kMaxDepth = 1 << 20;
// Row definitions longer than this keep only their first cells.
constexpr size_t kMaxRowCells = 1024;

// What \trowd ... \cellx said of a row.
struct RowDefinition {
    std::vector<CellSpec> cells;
    CellSpec pending; // what was said of the next \cellx
    bool borders = false;
};

// One table being read, at one depth of nesting.
struct TableLevel {
    QTextTable* table = nullptr;
    TableGrid grid;
    int row = 0;
    int rowCell = 0; // the cell of the row that text goes into
    bool rowEnded = false;
    bool cellReady = false; // the cursor is in that cell
    PlacedCell cell;        // where that cell is on the grid
};

double twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

void setBorders(QTextTableFormat& format, bool borders) {
    format.setBorder(borders ? 1 : 0);
    format.setBorderStyle(borders ? QTextFrameFormat::BorderStyle_Solid
                                  : QTextFrameFormat::BorderStyle_None);
}

QString hyperlinkTarget(const QString& instruction) {
    QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    text = text.mid(9);
    // Arguments are words or quoted strings; switches take the next argument.
    QStringList arguments;
    QStringList switches;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        if (i >= text.size())
            break;
        QString argument;
        if (text[i] == u'"') {
            ++i;
            while (i < text.size() && text[i] != u'"') {
                if (text[i] == u'\\' && i + 1 < text.size() &&
                    (text[i + 1] == u'\\' || text[i + 1] == u'"'))
                    ++i;
                argument += text[i++];
            }
            ++i;
            arguments.append(argument);
            switches.append(QString());
            continue;
        }
        while (i < text.size() && !text[i].isSpace())
            argument += text[i++];
        if (argument.startsWith(u'\\') && argument.size() == 2) {
            arguments.append(QString());
            switches.append(argument.mid(1).toLower());
        } else {
            arguments.append(argument);
            switches.append(QString());
        }
    }
    QString target, bookmark;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        if (!switches[k].isEmpty()) {
            if (k + 1 < arguments.size() && switches[k + 1].isEmpty()) {
                if (switches[k] == QLatin1String("l"))
                    bookmark = arguments[k + 1];
                ++k;
            }
            continue;
        }
        if (target.isEmpty())
            target = arguments[k];
    }
    if (!bookmark.isEmpty())
        target += u'#' + bookmark;
    return target;
}

QImage imageFromDib(const QByteArray& dib) {
    if (dib.size() < 40)
        return {};
    // A DIB is a BMP file without its 14-byte file header.
    const auto u32 = [&](int at) {
        return quint32(uchar(dib[at])) | quint32(uchar(dib[at + 1])) << 8 |
               quint32(uchar(dib[at + 2])) << 16 | quint32(uchar(dib[at + 3])) << 24;
    };
    const quint32 headerSize = u32(0);
    const quint16 bitCount = quint16(uchar(dib[14]) | uchar(dib[15]) << 8);
    quint32 colours = u32(32);
    if (colours == 0 && bitCount <= 8)
        colours = 1u << bitCount;
    const quint32 offset = 14 + headerSize + 4 * std::min<quint32>(colours, 256);
    QByteArray file("BM");
    const quint32 fileSize = quint32(14 + dib.size());
    for (quint32 v : {fileSize, 0u, offset})
        for (int b = 0; b < 4; ++b)
            file.append(char((v >> (8 * b)) & 0xff));
    file.append(dib);
    return QImage::fromData(file, "BMP");
}

class Reader {
public:
    Reader(QByteArrayView input, QTextCursor& cursor, bool fragment)
        : input_(input), tokens_(input), cursor_(cursor), document_(*cursor.document()),
          fragment_(fragment) {}

    RtfReadReport run();

    // Rows read at `end` join `table`, which ends there.
    void continueTable(QTextTable* table, int end) { left_ = {table, end, 1}; }

private:
    GroupState& state() { return stack_.back(); }

    void pushGroup(qsizetype offset);
    void popGroup(qsizetype offset);
    void controlWord(const RtfToken& token);
    void controlSymbol(char symbol);
    void destinationText(QByteArrayView bytes);
    void pictureText(QByteArrayView bytes);
    void colorTableText(QByteArrayView bytes);
    void fontTableText(QByteArrayView bytes);

    // Text pipeline: bytes wait for their code page, then join the pending text.
    void appendBytes(QByteArrayView bytes);
    void appendChar(QChar c);
    void decodeBytes();
    void flushText();
    int currentCodePage() const;
    const Font* fontFor(int id) const;
    QTextCharFormat charFormat(const CharState& chars);

    // Document building.
    // Puts the cursor where content goes: in the cell of the table at the
    // paragraph's depth (or at `depth`, when given), leaving deeper tables
    // and starting missing ones.
    void beginContent(int depth = -1);
    void readyCell(TableLevel& level);
    RowDefinition& definedRow() {
        return state().destination == Destination::NestedRowProperties ? nestedRow_ : outerRow_;
    }
    // The row definition a new row at this depth is laid out by: nested rows
    // are defined after their cells, so theirs are placed in turn.
    const std::vector<CellSpec>& layoutOfNewRow(size_t depth) const {
        static const std::vector<CellSpec> inTurn;
        return depth == 1 ? outerRow_.cells : inTurn;
    }
    void applyParagraph();
    void paragraphBreak();
    void insertCharacter(QChar c);
    void startTable();
    void leaveTable();
    void endCell(int depth);
    void endRow(int depth);
    void finishPicture(qsizetype groupEnd, const GroupState& closed);
    void finishObject(qsizetype groupEnd, const GroupState& closed);
    QSizeF pictureSize(const PictureData& p, const QImage& image) const;

    QByteArrayView input_;
    RtfTokenizer tokens_;
    QTextCursor& cursor_;
    QTextDocument& document_;
    const bool fragment_;
    RtfReadReport report_;
    CodePageDecoder decoder_;

    std::vector<GroupState> stack_;
    qsizetype ignoredDepth_ = 0; // groups opened beyond kMaxDepth
    bool starPending_ = false;   // \* seen, the next control word names the group
    int unicodeSkipLeft_ = 0;

    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, Font> fonts_;
    int fontBeingDefined_ = -1;
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSet_ = false;
    std::vector<Field> fields_;
    std::vector<QString> links_;

    QByteArray pendingBytes_;
    QString pendingText_;
    bool haveFormat_ = false;
    CharState formatState_;
    QTextCharFormat format_;

    bool pendingParagraph_ = false;
    bool pendingParagraphAfterTable_ = false;
    std::vector<TableLevel> levels_; // the tables the cursor is in, outermost first
    struct LeftTable {
        QTextTable* table = nullptr;
        int end = -1;
        size_t depth = 0;
    } left_; // the table last left, where it ended, and at which depth
    RowDefinition outerRow_;  // rows of the outermost tables, defined before their cells
    RowDefinition nestedRow_; // rows of nested tables, defined after their cells

    PictureData picture_;
    int objectW_ = 0, objectH_ = 0;
    QImage objectImage_;
    QSizeF objectImageSize_;
};

RtfReadReport Reader::run() {
    stack_.reserve(64);
    stack_.push_back(GroupState{});
    bool sawFirstGroup = false;
    for (;;) {
        const RtfToken token = tokens_.next();
        if (token.kind == RtfToken::End)
            break;
        if (ignoredDepth_ > 0) {
            if (token.kind == RtfToken::GroupStart)
                ++ignoredDepth_;
            else if (token.kind == RtfToken::GroupEnd)
                --ignoredDepth_;
            continue;
        }
        switch (token.kind) {
        case RtfToken::GroupStart:
            sawFirstGroup = true;
            pushGroup(token.offset);
            break;
        case RtfToken::GroupEnd:
            popGroup(token.offset);
            break;
        case RtfToken::ControlWord:
            if (unicodeSkipLeft_ > 0) {
                --unicodeSkipLeft_;
                break;
            }
            controlWord(token);
            break;
        case RtfToken::ControlSymbol:
            if (unicodeSkipLeft_ > 0) {
                --unicodeSkipLeft_;
                break;
            }
            controlSymbol(token.symbol);
            break;
        case RtfToken::HexByte:
            if (unicodeSkipLeft_ > 0) {
                --unicodeSkipLeft_;
                break;
            }
            destinationText(QByteArrayView(reinterpret_cast<const char*>(&token.byte), 1));
            break;
        case RtfToken::Text: {
            QByteArrayView bytes = token.bytes;
            if (unicodeSkipLeft_ > 0) {
                const qsizetype skipped = std::min<qsizetype>(unicodeSkipLeft_, bytes.size());
                unicodeSkipLeft_ -= int(skipped);
                bytes = bytes.sliced(skipped);
            }
            if (!bytes.isEmpty())
                destinationText(bytes);
            break;
        }
        case RtfToken::Binary:
            unicodeSkipLeft_ = 0;
            if (state().destination == Destination::Picture)
                picture_.data.append(token.bytes.data(), token.bytes.size());
            break;
        case RtfToken::End:
            break;
        }
    }
    (void)sawFirstGroup;

    flushText();
    report_.unclosedGroups = int(std::min<qsizetype>(stack_.size() - 1 + ignoredDepth_, INT_MAX));
    // Close what a truncated input left open, so pictures and objects in
    // progress still reach the document.
    while (stack_.size() > 1)
        popGroup(input_.size() - 1);
    flushText();
    if (pendingParagraph_) {
        // A whole document's last \par is the end of the text. An inserted
        // fragment keeps it, unless it only closed a table.
        if (fragment_ && !pendingParagraphAfterTable_)
            cursor_.insertBlock();
        pendingParagraph_ = false;
    } else if (levels_.empty()) {
        applyParagraph();
    }
    if (fragment_) {
        while (!levels_.empty())
            leaveTable();
    }
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level)
        level->grid.finish();
    return report_;
}

void Reader::pushGroup(qsizetype offset) {
    flushText();
    unicodeSkipLeft_ = 0;
    starPending_ = false;
    if (qsizetype(stack_.size()) >= kMaxDepth) {
        ++ignoredDepth_;
        return;
    }
    GroupState next = stack_.back();
    next.groupStart = offset;
    stack_.push_back(next);
}

void Reader::popGroup(qsizetype offset) {
    flushText();
    unicodeSkipLeft_ = 0;
    starPending_ = false;
    if (stack_.size() <= 1) {
        ++report_.strayGroupEnds;
        return;
    }
    const GroupState closed = stack_.back();
    stack_.pop_back();
    const Destination outer = stack_.back().destination;
    if (closed.destination == Destination::FontTable && outer != Destination::FontTable)
        fontBeingDefined_ = -1;
    if (closed.destination == Destination::Picture && outer != Destination::Picture)
        finishPicture(offset, closed);
    if (closed.destination == Destination::Object && outer != Destination::Object &&
        outer != Destination::ObjectResult)
        finishObject(offset, closed);
}

void Reader::controlSymbol(char symbol) {
    const bool star = starPending_;
    starPending_ = false;
    switch (symbol) {
    case '*':
        starPending_ = true;
        (void)star;
        return;
    case '\\':
    case '{':
    case '}':
        destinationText(QByteArrayView(&symbol, 1));
        return;
    case '~':
        insertCharacter(QChar(0x00A0));
        return;
    case '_':
        insertCharacter(QChar(0x2011));
        return;
    case '\n':
        {
        RtfToken par;
        par.kind = RtfToken::ControlWord;
        par.name = "par";
        controlWord(par);
    }
        return;
    default:
        return; // \- optional hyphen, \: \| and broken escapes carry nothing to show
    }
}

void Reader::controlWord(const RtfToken& token) {
    const bool star = starPending_;
    starPending_ = false;
    const Keyword* keyword = findKeyword(token.name);
    GroupState& s = state();

    if (!keyword) {
        if (star)
            s.destination = Destination::Skip; // an optional destination we do not know
        else if (token.name.startsWith("brdr") && token.name != "brdrw" &&
                 token.name != "brdrnone" && token.name != "brdrcf" && token.name != "brdrtbl" &&
                 token.name != "brdrsp")
            definedRow().borders = true;
        return;
    }
    const int n = token.parameter;
    const bool has = token.hasParameter;
    const bool on = !has || n != 0;
    const Action action = keyword->action;

    if (action != Action::Unicode && action != Action::UnicodeSkip)
        flushText();

    // Inside skipped, picture and table groups only a few words matter.
    switch (s.destination) {
    case Destination::Skip:
        if (action == Action::UnicodeOnly)
            s.destination = Destination::Text;
        return;
    case Destination::Picture:
        switch (action) {
        case Action::PictPng: picture_.kind = PictureData::Png; break;
        case Action::PictJpeg: picture_.kind = PictureData::Jpeg; break;
        case Action::PictDib: picture_.kind = PictureData::Dib; break;
        case Action::PictOpaque: picture_.kind = PictureData::Opaque; break;
        case Action::PicW: picture_.picW = n; break;
        case Action::PicH: picture_.picH = n; break;
        case Action::PicWGoal: picture_.goalW = n; break;
        case Action::PicHGoal: picture_.goalH = n; break;
        case Action::PicScaleX: picture_.scaleX = n; break;
        case Action::PicScaleY: picture_.scaleY = n; break;
        default:
            if (star)
                s.destination = Destination::Skip; // \*\picprop, \*\blipuid
            break;
        }
        return;
    case Destination::ColorTable:
        if (action == Action::Red) { red_ = n; colorSet_ = true; }
        else if (action == Action::Green) { green_ = n; colorSet_ = true; }
        else if (action == Action::Blue) { blue_ = n; colorSet_ = true; }
        return;
    case Destination::FontTable:
        switch (action) {
        case Action::Font:
            fontBeingDefined_ = n;
            fonts_[n] = Font{};
            return;
        case Action::FontCharset:
            if (fontBeingDefined_ >= 0)
                fonts_[fontBeingDefined_].charset = n;
            return;
        case Action::FontCodePage:
            if (fontBeingDefined_ >= 0)
                fonts_[fontBeingDefined_].codePage = n;
            return;
        case Action::Unicode:
        case Action::UnicodeSkip:
            break; // font names may hold \uN
        default:
            if (star)
                s.destination = Destination::Skip; // \*\panose, \*\falt, \*\fname
            return;
        }
        break;
    case Destination::Object:
        switch (action) {
        case Action::ObjW: objectW_ = n; return;
        case Action::ObjH: objectH_ = n; return;
        case Action::ObjectResult: s.destination = Destination::ObjectResult; return;
        default:
            if (star || action == Action::ObjectData)
                s.destination = Destination::Skip;
            return;
        }
    case Destination::ObjectResult:
        if (action == Action::Picture) {
            picture_ = PictureData{};
            s.destination = Destination::Picture;
        } else if (star) {
            s.destination = Destination::Skip;
        }
        return; // the result's text is part of the kept object
    case Destination::FieldInstruction:
        if (star && action != Action::UnicodeOnly) {
            s.destination = Destination::Skip; // \*\datafield and the like
            return;
        }
        break;
    case Destination::NestedRowProperties:
        switch (action) {
        case Action::RowDefaults:
        case Action::CellX:
        case Action::CellMergeUp:
        case Action::CellMergeLeft:
        case Action::NestRow:
            break;
        default:
            if (star)
                s.destination = Destination::Skip;
            return;
        }
        break;
    case Destination::Text:
        break;
    }

    switch (action) {
    case Action::FontTable:
        s.destination = Destination::FontTable;
        fontBeingDefined_ = -1;
        break;
    case Action::ColorTable:
        s.destination = Destination::ColorTable;
        colors_.clear();
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
        break;
    case Action::SkipGroup:
    case Action::ObjectData:
        s.destination = Destination::Skip;
        break;
    case Action::UnicodeAlternative:
        s.destination = Destination::Skip; // the \ud inside has the same text in Unicode
        break;
    case Action::TextGroup:
    case Action::UnicodeOnly:
    case Action::ObjectResult:
        break;
    case Action::Picture:
        picture_ = PictureData{};
        s.destination = Destination::Picture;
        break;
    case Action::Object:
        objectW_ = objectH_ = 0;
        objectImage_ = QImage();
        objectImageSize_ = QSizeF();
        s.destination = Destination::Object;
        break;
    case Action::Field:
        if (fields_.size() < 1000000) {
            fields_.push_back(Field{});
            s.field = int(fields_.size() - 1);
        }
        break;
    case Action::FieldInstruction:
        s.destination = s.field >= 0 ? Destination::FieldInstruction : Destination::Skip;
        break;
    case Action::FieldResult:
        if (s.field >= 0) {
            const QString target = hyperlinkTarget(fields_[size_t(s.field)].instruction);
            if (!target.isEmpty()) {
                links_.push_back(target);
                s.chars.link = int(links_.size() - 1);
            }
        }
        break;
    case Action::Par:
        paragraphBreak();
        break;
    case Action::Line:
        insertCharacter(QChar(QChar::LineSeparator));
        break;
    case Action::Tab:
        insertCharacter(QChar(u'\t'));
        break;
    case Action::Cell:
        endCell(1);
        break;
    case Action::Row:
        endRow(1);
        break;
    case Action::NestCell:
        endCell(std::max(2, s.para.tableDepth));
        break;
    case Action::NestRow:
        endRow(std::max(2, int(levels_.size())));
        break;
    case Action::NestedRowProperties:
        s.destination = Destination::NestedRowProperties;
        break;
    case Action::Char:
        insertCharacter(QChar(keyword->character));
        break;
    case Action::Unicode: {
        if (!has)
            break;
        const int value = n < 0 ? n + 65536 : n;
        if (value < 0 || value > 0xFFFF)
            break; // not a UTF-16 unit: the fallback text that follows is all there is
        // Control characters other than tab are not text, as for literal bytes.
        if (value >= 0x20 || value == '\t')
            appendChar(QChar(currentCodePage() == kSymbolFontPage ? symbolFontCharacter(char16_t(value))
                                                                  : char16_t(value)));
        unicodeSkipLeft_ = s.unicodeSkip;
        break;
    }
    case Action::UnicodeSkip:
        s.unicodeSkip = std::clamp(n, 0, 16);
        break;
    case Action::Plain: {
        const int link = s.chars.link;
        s.chars = CharState{};
        s.chars.link = link;
        break;
    }
    case Action::Bold: s.chars.bold = on; break;
    case Action::Italic: s.chars.italic = on; break;
    case Action::Underline: s.chars.underline = on; break;
    case Action::UnderlineNone: s.chars.underline = false; break;
    case Action::Strike: s.chars.strike = on; break;
    case Action::Font: s.chars.font = n; break;
    case Action::FontSize: s.chars.halfPoints = has && n > 0 ? std::min(n, 3276) : 24; break;
    case Action::Foreground: s.chars.foreground = std::max(n, 0); break;
    case Action::Background: s.chars.background = std::max(n, 0); break;
    case Action::Super: s.chars.vertical = on ? 1 : 0; break;
    case Action::Sub: s.chars.vertical = on ? -1 : 0; break;
    case Action::NoSuperSub: s.chars.vertical = 0; break;
    case Action::Pard: s.para = ParState{}; break;
    case Action::AlignLeft: s.para.align = 0; break;
    case Action::AlignCenter: s.para.align = 1; break;
    case Action::AlignRight: s.para.align = 2; break;
    case Action::AlignJustify: s.para.align = 3; break;
    case Action::LeftIndent: s.para.leftIndent = n; break;
    case Action::RightIndent: s.para.rightIndent = n; break;
    case Action::FirstIndent: s.para.firstIndent = n; break;
    case Action::SpaceBefore: s.para.spaceBefore = n; break;
    case Action::SpaceAfter: s.para.spaceAfter = n; break;
    case Action::InTable: s.para.tableDepth = on ? std::max(s.para.tableDepth, 1) : 0; break;
    case Action::TableDepth: s.para.tableDepth = std::clamp(has ? n : 1, 0, kMaxTableDepth); break;
    case Action::RowDefaults:
        definedRow() = RowDefinition{};
        break;
    case Action::CellMergeUp: definedRow().pending.mergesUp = true; break;
    case Action::CellMergeLeft: definedRow().pending.mergesLeft = true; break;
    case Action::CellX: {
        RowDefinition& row = definedRow();
        row.pending.right = n;
        if (row.cells.size() < kMaxRowCells)
            row.cells.push_back(row.pending);
        row.pending = CellSpec{};
        break;
    }
    case Action::Ansi: ansiCodePage_ = 1252; break;
    case Action::Mac: ansiCodePage_ = 10000; break;
    case Action::Pc: ansiCodePage_ = 437; break;
    case Action::Pca: ansiCodePage_ = 850; break;
    case Action::AnsiCodePage:
        if (n > 0)
            ansiCodePage_ = n;
        break;
    case Action::DefaultFont: defaultFont_ = n; break;
    default:
        break; // words that only mean something inside their own destination
    }
}

void Reader::destinationText(QByteArrayView bytes) {
    switch (state().destination) {
    case Destination::Text:
    case Destination::FieldInstruction:
        appendBytes(bytes);
        break;
    case Destination::FontTable:
        fontTableText(bytes);
        break;
    case Destination::ColorTable:
        colorTableText(bytes);
        break;
    case Destination::Picture:
        pictureText(bytes);
        break;
    default:
        break;
    }
}

void Reader::pictureText(QByteArrayView bytes) {
    QByteArray& data = picture_.data;
    if (data.capacity() - data.size() < bytes.size() / 2)
        data.reserve(data.size() + bytes.size() / 2 + 1024);
    int nibble = picture_.pendingNibble;
    for (char c : bytes) {
        int v;
        if (c >= '0' && c <= '9') v = c - '0';
        else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
        else continue;
        if (nibble < 0) {
            nibble = v;
        } else {
            data.append(char(nibble * 16 + v));
            nibble = -1;
        }
    }
    picture_.pendingNibble = nibble;
}

void Reader::colorTableText(QByteArrayView bytes) {
    for (char c : bytes) {
        if (c != ';')
            continue;
        if (colors_.size() < 4096)
            colors_.push_back(colorSet_ ? QColor(std::clamp(red_, 0, 255),
                                                 std::clamp(green_, 0, 255),
                                                 std::clamp(blue_, 0, 255))
                                        : QColor());
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
    }
}

void Reader::fontTableText(QByteArrayView bytes) {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != ';')
            continue;
        appendBytes(bytes.sliced(start, i - start));
        if (i < bytes.size()) {
            flushText();
            if (fontBeingDefined_ >= 0) {
                Font& font = fonts_[fontBeingDefined_];
                font.name = font.name.trimmed();
                font.symbolFont = isSymbolFontName(font.name);
            }
        }
        start = i + 1;
    }
}

void Reader::appendBytes(QByteArrayView bytes) {
    for (char c : bytes) {
        // Control characters other than tab are not text in RTF.
        if (uchar(c) < 0x20 && c != '\t')
            continue;
        pendingBytes_.append(c);
    }
}

void Reader::appendChar(QChar c) {
    decodeBytes();
    pendingText_.append(c);
}

const Font* Reader::fontFor(int id) const {
    auto found = fonts_.find(id < 0 ? defaultFont_ : id);
    return found == fonts_.end() ? nullptr : &found->second;
}

int Reader::currentCodePage() const {
    const Font* font = nullptr;
    if (stack_.back().destination == Destination::FontTable)
        font = fontBeingDefined_ >= 0 ? fontFor(fontBeingDefined_) : nullptr;
    else
        font = fontFor(stack_.back().chars.font);
    if (font) {
        if (font->symbolFont)
            return kSymbolFontPage;
        if (font->codePage > 0 && font->codePage != 1200)
            return font->codePage;
        if (font->charset == 2)
            return kSymbolCodePage;
        if (const int page = codePageForCharset(font->charset))
            return page;
    }
    return ansiCodePage_;
}

void Reader::decodeBytes() {
    if (pendingBytes_.isEmpty())
        return;
    const int page = currentCodePage();
    if (page == kSymbolFontPage) {
        for (char byte : pendingBytes_)
            pendingText_ += QChar(symbolFontCharacter(char16_t(uchar(byte))));
    } else if (page == kSymbolCodePage) {
        QString text = decoder_.decode(1252, pendingBytes_);
        text.replace(QChar(0x00B7), QChar(0x2022)); // the Symbol font's bullet
        pendingText_ += text;
    } else {
        pendingText_ += decoder_.decode(page, pendingBytes_);
    }
    pendingBytes_.clear();
}

void Reader::flushText() {
    decodeBytes();
    if (pendingText_.isEmpty())
        return;
    GroupState& s = state();
    switch (s.destination) {
    case Destination::Text:
        beginContent();
        cursor_.insertText(pendingText_, charFormat(s.chars));
        break;
    case Destination::FontTable:
        if (fontBeingDefined_ >= 0 && fonts_[fontBeingDefined_].name.size() < 1024)
            fonts_[fontBeingDefined_].name += pendingText_;
        break;
    case Destination::FieldInstruction:
        if (s.field >= 0 && fields_[size_t(s.field)].instruction.size() < 65536)
            fields_[size_t(s.field)].instruction += pendingText_;
        break;
    default:
        break;
    }
    pendingText_.clear();
}

QTextCharFormat Reader::charFormat(const CharState& chars) {
    if (haveFormat_ && chars == formatState_)
        return format_;
    QTextCharFormat format;
    // The Symbol font's characters are read as the Unicode they show, which
    // the Symbol font of this system may not have.
    if (const Font* font = fontFor(chars.font); font && !font->name.isEmpty() && !font->symbolFont)
        format.setFontFamilies(QStringList{font->name});
    format.setFontPointSize(chars.halfPoints / 2.0);
    if (chars.bold)
        format.setFontWeight(QFont::Bold);
    if (chars.italic)
        format.setFontItalic(true);
    if (chars.underline)
        format.setFontUnderline(true);
    if (chars.strike)
        format.setFontStrikeOut(true);
    if (chars.vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (chars.foreground > 0 && size_t(chars.foreground) < colors_.size() &&
        colors_[size_t(chars.foreground)].isValid())
        format.setForeground(colors_[size_t(chars.foreground)]);
    if (chars.background > 0 && size_t(chars.background) < colors_.size() &&
        colors_[size_t(chars.background)].isValid())
        format.setBackground(colors_[size_t(chars.background)]);
    if (chars.link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(links_[size_t(chars.link)]);
    }
    formatState_ = chars;
    format_ = format;
    haveFormat_ = true;
    return format;
}

void Reader::insertCharacter(QChar c) {
    if (state().destination == Destination::Text || state().destination == Destination::FieldInstruction)
        appendChar(c);
}

void Reader::applyParagraph() {
    const ParState& p = state().para;
    QTextBlockFormat format = cursor_.blockFormat();
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                               Qt::AlignJustify};
    format.setAlignment(kAlign[p.align]);
    format.setLeftMargin(twipsToPixels(std::clamp(p.leftIndent, -100000, 100000)));
    format.setRightMargin(twipsToPixels(std::clamp(p.rightIndent, -100000, 100000)));
    format.setTextIndent(twipsToPixels(std::clamp(p.firstIndent, -100000, 100000)));
    format.setTopMargin(twipsToPixels(std::clamp(p.spaceBefore, 0, 100000)));
    format.setBottomMargin(twipsToPixels(std::clamp(p.spaceAfter, 0, 100000)));
    cursor_.setBlockFormat(format);
}

void Reader::beginContent(int depth) {
    const size_t want = size_t(std::clamp(depth < 0 ? state().para.tableDepth : depth, 0, kMaxTableDepth));
    while (levels_.size() > want)
        leaveTable();
    for (;;) {
        if (!levels_.empty())
            readyCell(levels_.back());
        if (levels_.size() >= want)
            break;
        startTable();
    }
    if (pendingParagraph_) {
        pendingParagraph_ = false;
        pendingParagraphAfterTable_ = false;
        cursor_.insertBlock(QTextBlockFormat(), charFormat(state().chars));
    }
}

void Reader::readyCell(TableLevel& level) {
    if (level.rowEnded) {
        level.grid.appendRow(layoutOfNewRow(size_t(&level - levels_.data()) + 1));
        level.row = level.table->rows() - 1;
        level.rowCell = 0;
        level.rowEnded = false;
        level.cellReady = false;
    }
    if (!level.cellReady) {
        level.cell = level.grid.place(level.rowCell);
        cursor_ = level.table->cellAt(level.row, level.cell.column).lastCursorPosition();
        level.cellReady = true;
    }
}

void Reader::paragraphBreak() {
    if (state().destination != Destination::Text)
        return;
    const bool wasInTable = !levels_.empty();
    beginContent();
    applyParagraph();
    pendingParagraph_ = true;
    pendingParagraphAfterTable_ = wasInTable && levels_.empty();
}

void Reader::startTable() {
    const bool nested = !levels_.empty();
    const std::vector<CellSpec>& cells = layoutOfNewRow(levels_.size() + 1);
    // The table that ends right before the cursor, if any. The document's
    // frames are not looked up: inside the edit block they are not current.
    QTextTable* previous = left_.table && cursor_.position() == left_.end &&
                                   left_.depth == levels_.size() + 1
                               ? left_.table
                               : nullptr;
    TableLevel level;
    // A row right after a table joins it, as consecutive rows do in RTF.
    if (previous && !pendingParagraph_) {
        level.table = previous;
        level.grid.adopt(previous);
        level.grid.appendRow(cells);
        level.row = previous->rows() - 1;
        level.cell = level.grid.place(0);
        cursor_ = previous->cellAt(level.row, level.cell.column).firstCursorPosition();
        level.cellReady = true;
        levels_.push_back(std::move(level));
        return;
    }
    // A paragraph ended right after a table is the one that Qt keeps between
    // two tables: the new table goes after it.
    const bool betweenTables = previous != nullptr;
    if (cursor_.block().length() > 1 && !pendingParagraph_)
        applyParagraph();
    pendingParagraph_ = false;
    pendingParagraphAfterTable_ = false;

    QTextTableFormat format;
    format.setCellPadding(4);
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    setBorders(format, nested ? nestedRow_.borders : outerRow_.borders);
    format.setAlignment(Qt::AlignLeft);
    // At the start of a paragraph the table goes after the previous one, so
    // no empty paragraph appears before it; not out of the cell it is in.
    int start = 0;
    if (nested) {
        const TableLevel& outer = levels_.back();
        start = outer.table->cellAt(outer.row, outer.cell.column).firstPosition();
    }
    if (!betweenTables && cursor_.atBlockStart() && cursor_.position() > start &&
        cursor_.block().previous().isValid())
        cursor_.setPosition(cursor_.position() - 1);
    level.table = level.grid.create(cursor_, format, cells);
    level.cell = level.grid.place(0);
    cursor_ = level.table->cellAt(0, level.cell.column).firstCursorPosition();
    level.cellReady = true;
    levels_.push_back(std::move(level));
}

void Reader::leaveTable() {
    if (levels_.empty())
        return;
    TableLevel& level = levels_.back();
    level.grid.finish();
    cursor_.setPosition(level.table->lastPosition() + 1);
    left_ = {level.table, cursor_.position(), levels_.size()};
    levels_.pop_back();
}

void Reader::endCell(int depth) {
    if (state().destination != Destination::Text)
        return;
    beginContent(depth);
    TableLevel& level = levels_.back();
    // A merged-away cell's paragraph format is not the merged cell's.
    if (!level.cell.continuation)
        applyParagraph();
    ++level.rowCell;
    level.cellReady = false;
}

void Reader::endRow(int depth) {
    const Destination destination = state().destination;
    if (destination != Destination::Text && destination != Destination::NestedRowProperties)
        return;
    if (levels_.empty() || int(levels_.size()) < depth)
        return;
    while (int(levels_.size()) > depth)
        leaveTable();
    TableLevel& level = levels_.back();
    if (depth > 1) {
        level.grid.describeColumns(nestedRow_.cells);
        if (nestedRow_.borders && level.table->format().border() <= 0) {
            QTextTableFormat format = level.table->format();
            setBorders(format, true);
            level.table->setFormat(format);
        }
    }
    pendingParagraph_ = false;
    level.rowEnded = true;
}

QSizeF Reader::pictureSize(const PictureData& p, const QImage& image) const {
    double w = 0, h = 0; // twips
    if (p.goalW > 0 && p.goalH > 0) {
        w = p.goalW;
        h = p.goalH;
    } else if (!image.isNull()) {
        w = image.width() * kTwipsPerPixel;
        h = image.height() * kTwipsPerPixel;
    } else if (p.picW > 0 && p.picH > 0) {
        // Metafile extents are in hundredths of a millimetre.
        const bool metafile = p.kind == PictureData::Opaque;
        w = metafile ? p.picW * 1440.0 / 2540.0 : p.picW * kTwipsPerPixel;
        h = metafile ? p.picH * 1440.0 / 2540.0 : p.picH * kTwipsPerPixel;
    }
    if (w <= 0 || h <= 0)
        return {};
    const double sx = p.scaleX > 0 ? p.scaleX / 100.0 : 1.0;
    const double sy = p.scaleY > 0 ? p.scaleY / 100.0 : 1.0;
    return QSizeF(w * std::min(sx, 100.0) / kTwipsPerPixel, h * std::min(sy, 100.0) / kTwipsPerPixel);
}

void Reader::finishPicture(qsizetype groupEnd, const GroupState& closed) {
    PictureData p = std::move(picture_);
    picture_ = PictureData{};
    QImage image;
    PictureKind kind = PictureKind::Png;
    if (p.kind == PictureData::Png || p.kind == PictureData::Jpeg) {
        kind = p.kind == PictureData::Png ? PictureKind::Png : PictureKind::Jpeg;
        image = QImage::fromData(p.data, p.kind == PictureData::Png ? "PNG" : "JPEG");
    } else if (p.kind == PictureData::Dib) {
        image = imageFromDib(p.data);
    }
    const QSizeF size = pictureSize(p, image);

    if (state().destination == Destination::ObjectResult || state().destination == Destination::Object) {
        objectImage_ = image;
        objectImageSize_ = size;
        return;
    }
    if (state().destination != Destination::Text)
        return;

    beginContent();
    const qsizetype start = std::clamp<qsizetype>(closed.groupStart, 0, input_.size());
    const qsizetype end = std::clamp<qsizetype>(groupEnd + 1, start, input_.size());
    if (!image.isNull() && p.kind != PictureData::Dib) {
        cursor_.insertImage(makePictureFormat(document_, image, p.data, kind, size));
        ++report_.pictures;
    } else {
        QByteArray group = input_.sliced(start, end - start).toByteArray();
        if (!group.endsWith('}'))
            group.append('}'); // a truncated group is closed so the written file stays sound
        cursor_.insertImage(makeKeptObjectFormat(document_, group, size, image));
        ++report_.keptObjects;
    }
}

void Reader::finishObject(qsizetype groupEnd, const GroupState& closed) {
    if (state().destination != Destination::Text)
        return;
    beginContent();
    QSizeF size;
    if (objectW_ > 0 && objectH_ > 0)
        size = QSizeF(objectW_ / kTwipsPerPixel, objectH_ / kTwipsPerPixel);
    else
        size = objectImageSize_;
    const qsizetype start = std::clamp<qsizetype>(closed.groupStart, 0, input_.size());
    const qsizetype end = std::clamp<qsizetype>(groupEnd + 1, start, input_.size());
    QByteArray group = input_.sliced(start, end - start).toByteArray();
    if (!group.endsWith('}'))
        group.append('}');
    cursor_.insertImage(makeKeptObjectFormat(document_, group, size, objectImage_));
    ++report_.keptObjects;
    objectImage_ = QImage();
}

} // namespace

RtfReadReport readRtf(QByteArrayView rtf, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    Reader reader(rtf, cursor, false);
    const RtfReadReport report = reader.run();
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
    document.setModified(false);
    return report;
}

RtfReadReport insertRtf(QByteArrayView rtf, QTextCursor& cursor) {
    if (cursor.isNull())
        return {};
    // A top-level table that ends where the text goes: rows inserted there
    // join it. Looked up before editing, while the document's frames are current.
    const int at = cursor.selectionStart();
    QTextTable* before = nullptr;
    if (at > 0) {
        QTextCursor probe(cursor.document());
        probe.setPosition(at - 1);
        QTextTable* table = probe.currentTable();
        if (table && table->lastPosition() + 1 == at && !table->parentFrame()->parentFrame())
            before = table;
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    QTextCursor work(cursor);
    Reader reader(rtf, work, true);
    if (before)
        reader.continueTable(before, work.position());
    const RtfReadReport report = reader.run();
    cursor.endEditBlock();
    cursor.setPosition(work.position());
    return report;
}

} // namespace oxlin::richtext
