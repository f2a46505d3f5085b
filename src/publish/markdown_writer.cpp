#include "publish/markdown_writer.h"

#include "publish/html_styles.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <vector>

namespace oxlin::publish {

namespace {

// The inline markup a run of text takes.
struct RunStyle {
    bool bold = false;
    bool italic = false;
    bool code = false;
    QString link;
    friend bool operator==(const RunStyle&, const RunStyle&) = default;
};

bool isFixedPitch(const QTextCharFormat& format) {
    if (format.fontFixedPitch())
        return true;
    const QStringList families = format.fontFamilies().toStringList();
    return !families.isEmpty() && QFontDatabase::isFixedPitch(families.front());
}

RunStyle styleOf(const BlockPiece& piece) {
    return {piece.format.fontWeight() >= QFont::DemiBold, piece.format.fontItalic(),
            isFixedPitch(piece.format), piece.link};
}

// Text in backticks: a fence longer than any run of backticks inside.
QString codeSpan(const QString& text) {
    int longest = 0;
    int run = 0;
    for (QChar c : text) {
        run = c == QLatin1Char('`') ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    const QString fence(longest + 1, QLatin1Char('`'));
    const bool pad = text.startsWith(QLatin1Char('`')) || text.endsWith(QLatin1Char('`'));
    return pad ? fence + QLatin1Char(' ') + text + QLatin1Char(' ') + fence : fence + text + fence;
}

// Emphasis must touch its text: blanks at either end go outside the marks.
QString emphasised(const QString& text, const QString& marks) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].isSpace())
        ++start;
    while (end > start && text[end - 1].isSpace())
        --end;
    if (start == end)
        return text;
    return text.left(start) + marks + text.mid(start, end - start) + marks + text.mid(end);
}

// Blanks that open a paragraph would make it a code block: they go.
QString withoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() &&
           (text[start] == QLatin1Char(' ') || text[start] == QLatin1Char('\t')))
        ++start;
    return text.mid(start);
}

class MarkdownWriter {
public:
    MarkdownWriter(const QTextDocument& document, const PageOutput& output)
        : document_(document), output_(output) {}

    QString write() {
        writeItems(document_.rootFrame()->begin(), document_.rootFrame()->end());
        while (out_.endsWith(QLatin1String("\n\n")))
            out_.chop(1);
        return out_;
    }

private:
    struct OpenList {
        const QTextList* list;
        int level;
        QString indent; // where its items' content starts
    };

    void writeItems(QTextFrame::iterator it, const QTextFrame::iterator& end);
    void writeTable(const QTextTable& table);
    void writeListItem(const QTextBlock& block);
    void endLists();
    QString inlineText(const QTextBlock& block, const QString& lineStart);
    QString runText(const RunStyle& style, const QString& text);

    const QTextDocument& document_;
    const PageOutput& output_;
    std::vector<OpenList> lists_;
    QString out_;
};

void MarkdownWriter::writeItems(QTextFrame::iterator it, const QTextFrame::iterator& end) {
    for (; it != end; ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            endLists();
            if (const auto* table = qobject_cast<const QTextTable*>(frame))
                writeTable(*table);
            else
                writeItems(frame->begin(), frame->end());
            continue;
        }
        const QTextBlock block = it.currentBlock();
        if (block.textList()) {
            writeListItem(block);
            continue;
        }
        endLists();
        const QString text = withoutLeadingBlanks(inlineText(block, QString()));
        if (text.trimmed().isEmpty())
            continue; // Markdown has no empty paragraph
        const int heading = block.blockFormat().headingLevel();
        if (heading >= 1 && heading <= 6)
            out_ += QString(heading, QLatin1Char('#')) + QLatin1Char(' ');
        out_ += text + QStringLiteral("\n\n");
    }
    endLists();
}

void MarkdownWriter::writeListItem(const QTextBlock& block) {
    const QTextList* list = block.textList();
    const int level = std::max(1, list->format().indent());
    while (!lists_.empty() && (lists_.back().level > level ||
                               (lists_.back().level == level && lists_.back().list != list)))
        lists_.pop_back();
    // The item takes the place of the one before it in its list.
    if (!lists_.empty() && lists_.back().level == level)
        lists_.pop_back();
    const QString outer = lists_.empty() ? QString() : lists_.back().indent;
    const QString marker = isOrderedList(list->format().style())
                               ? QStringLiteral("%1. ").arg(list->itemNumber(block) + 1)
                               : QStringLiteral("- ");
    lists_.push_back({list, level, outer + QString(marker.size(), QLatin1Char(' '))});
    out_ += outer + marker + withoutLeadingBlanks(inlineText(block, lists_.back().indent)) +
            QLatin1Char('\n');
}

void MarkdownWriter::endLists() {
    if (lists_.empty())
        return;
    lists_.clear();
    out_ += QLatin1Char('\n');
}

void MarkdownWriter::writeTable(const QTextTable& table) {
    for (int row = 0; row < table.rows(); ++row) {
        QString line = QStringLiteral("|");
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            QStringList paragraphs;
            // A spanned cell's text goes in its first place; the rest stay empty.
            if (cell.row() == row && cell.column() == column)
                for (auto it = cell.begin(); it != cell.end(); ++it)
                    if (!it.currentFrame())
                        // A table row is one line: breaks become <br>.
                        paragraphs.append(
                            inlineText(it.currentBlock(), QString())
                                .replace(QStringLiteral("\\\n"), QStringLiteral("<br>"))
                                .trimmed());
            paragraphs.removeAll(QString());
            line +=
                QLatin1Char(' ') + paragraphs.join(QStringLiteral("<br>")) + QStringLiteral(" |");
        }
        out_ += line + QLatin1Char('\n');
        if (row == 0) // the first row is the header a pipe table needs
            out_ += QStringLiteral("|") + QStringLiteral(" --- |").repeated(table.columns()) +
                    QLatin1Char('\n');
    }
    out_ += QLatin1Char('\n');
}

QString MarkdownWriter::inlineText(const QTextBlock& block, const QString& lineStart) {
    QString text;
    RunStyle current;
    QString run;
    const auto flush = [&] {
        text += runText(current, run);
        run.clear();
    };
    for (const BlockPiece& piece : blockPieces(block)) {
        if (piece.isPicture()) {
            flush();
            const QString source = output_.picture
                                       ? output_.picture(document_, piece.format.toImageFormat())
                                       : QString();
            if (!source.isEmpty())
                text += QStringLiteral("![](%1)").arg(source);
            continue;
        }
        const RunStyle style = styleOf(piece);
        if (!(style == current))
            flush();
        current = style;
        run += piece.text;
    }
    flush();
    // A hard line break, the next line indented as the block's first.
    text.replace(QChar::LineSeparator, QStringLiteral("\\\n") + lineStart);
    return text;
}

QString MarkdownWriter::runText(const RunStyle& style, const QString& text) {
    if (text.isEmpty())
        return {};
    QString written = style.code ? codeSpan(text) : escapeMarkdown(text);
    if (!style.code && style.bold)
        written = emphasised(written, QStringLiteral("**"));
    if (!style.code && style.italic)
        written = emphasised(written, QStringLiteral("*"));
    const QString href = style.link.isEmpty() ? QString() : output_.href(style.link);
    if (!href.isEmpty())
        written = QStringLiteral("[%1](%2)").arg(written, href);
    return written;
}

} // namespace

QString documentMarkdown(const QTextDocument& document, const PageOutput& output) {
    return MarkdownWriter(document, output).write();
}

QString escapeMarkdown(const QString& text) {
    static const QString kMarkup = QStringLiteral("\\`*_[]<>!|#~&");
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // At the start of a line these would begin a list, a quote or a rule.
        const bool lineStart = i == 0;
        if (kMarkup.contains(c) || (lineStart && (c == QLatin1Char('-') || c == QLatin1Char('+') ||
                                                  c == QLatin1Char('='))))
            escaped.append(QLatin1Char('\\'));
        else if (c.isDigit() && lineStart) {
            // "1." or "1)" would begin a numbered list.
            qsizetype end = i;
            while (end < text.size() && text[end].isDigit())
                ++end;
            if (end < text.size() &&
                (text[end] == QLatin1Char('.') || text[end] == QLatin1Char(')'))) {
                escaped.append(text.mid(i, end - i)).append(QLatin1Char('\\'));
                i = end - 1;
                continue;
            }
        }
        escaped.append(c);
    }
    return escaped;
}

} // namespace oxlin::publish
