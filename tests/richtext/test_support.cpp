#include "test_support.h"

#include "richtext/text_objects.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

#include <gtest/gtest.h>

namespace oxlin::richtext::test {

namespace {

// QTextDocument needs a GUI application for fonts.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "richtext_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QGuiApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace

QByteArray readFixture(const QString& relativePath) {
    QFile file(QStringLiteral(OXLIN_TEST_DATA_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing fixture " << relativePath.toStdString();
        return {};
    }
    return file.readAll();
}

QStringList corpusFiles() {
    return QDir(QStringLiteral(OXLIN_TEST_DATA_DIR "/corpus"))
        .entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
}

namespace {

QString tableText(const QTextTable& table);

// A cell's paragraphs joined by "|", a table inside it as {a/b;c/d}.
QString cellText(const QTextTableCell& cell) {
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (auto* nested = qobject_cast<QTextTable*>(it.currentFrame()))
            parts += tableText(*nested);
        else if (it.currentBlock().isValid())
            parts += it.currentBlock().text();
    }
    return parts.join(u'|');
}

QString tableText(const QTextTable& table) {
    QStringList rows;
    for (int r = 0; r < table.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            if (cell.row() == r && cell.column() == c)
                cells += cellText(cell);
        }
        rows += cells.join(u'/');
    }
    return u'{' + rows.join(u';') + u'}';
}

} // namespace

QString outline(const QTextDocument& document) {
    QStringList lines;
    QTextFrame* root = document.rootFrame();
    for (auto it = root->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            lines += QStringLiteral("table %1x%2").arg(table->rows()).arg(table->columns());
            for (int r = 0; r < table->rows(); ++r) {
                for (int c = 0; c < table->columns(); ++c) {
                    const QTextTableCell cell = table->cellAt(r, c);
                    if (cell.row() != r || cell.column() != c)
                        continue;
                    lines += QStringLiteral("  %1,%2 %3x%4: %5")
                                 .arg(r)
                                 .arg(c)
                                 .arg(cell.rowSpan())
                                 .arg(cell.columnSpan())
                                 .arg(cellText(cell));
                }
            }
        } else if (it.currentBlock().isValid()) {
            lines += QStringLiteral("p: ") + it.currentBlock().text();
        }
    }
    return lines.join(u'\n');
}

QString describe(const QTextDocument& document) {
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat bf = block.blockFormat();
        QTextCursor at(block);
        if (QTextTable* table = at.currentTable()) {
            const QTextTableCell cell = table->cellAt(block.position());
            out += QStringLiteral("[cell %1,%2] ").arg(cell.row()).arg(cell.column());
        }
        out += QStringLiteral("align=%1 li=%2 ri=%3 fi=%4 sb=%5 sa=%6 |")
                   .arg(int(bf.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(qRound(bf.leftMargin() * 15))
                   .arg(qRound(bf.rightMargin() * 15))
                   .arg(qRound(bf.textIndent() * 15))
                   .arg(qRound(bf.topMargin() * 15))
                   .arg(qRound(bf.bottomMargin() * 15));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            if (cf.isImageFormat()) {
                const QTextImageFormat img = cf.toImageFormat();
                out += QStringLiteral(" <img %1x%2 kept=%3>")
                           .arg(qRound(img.width()))
                           .arg(qRound(img.height()))
                           .arg(img.hasProperty(kKeptRtfProperty));
                continue;
            }
            // Runs without a family or size use the document's default font.
            const QStringList families = cf.fontFamilies().toStringList();
            const double size = cf.fontPointSize() > 0 ? cf.fontPointSize()
                                                       : document.defaultFont().pointSizeF();
            out += QStringLiteral(" {%1 %2pt%3%4%5%6 fg=%7 bg=%8 va=%9 href=%10}")
                       .arg(families.value(0, document.defaultFont().family()))
                       .arg(size)
                       .arg(cf.fontWeight() > QFont::Medium ? QStringLiteral(" b") : QString())
                       .arg(cf.fontItalic() ? QStringLiteral(" i") : QString())
                       .arg(cf.fontUnderline() ? QStringLiteral(" u") : QString())
                       .arg(cf.fontStrikeOut() ? QStringLiteral(" s") : QString())
                       .arg(cf.foreground().style() != Qt::NoBrush ? cf.foreground().color().name() : QString())
                       .arg(cf.background().style() != Qt::NoBrush ? cf.background().color().name() : QString())
                       .arg(int(cf.verticalAlignment()))
                       .arg(cf.anchorHref());
            out += f.text();
        }
        out += u'\n';
    }
    return out;
}

int countImages(const QTextDocument& document, bool keptOnly) {
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat cf = it.fragment().charFormat();
            if (cf.isImageFormat() && (!keptOnly || cf.hasProperty(kKeptRtfProperty)))
                count += int(it.fragment().text().count(QChar::ObjectReplacementCharacter));
        }
    return count;
}

QStringList linkTargets(const QTextDocument& document) {
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat cf = it.fragment().charFormat();
            if (cf.isAnchor() && (links.isEmpty() || links.last() != cf.anchorHref()))
                links.append(cf.anchorHref());
        }
    return links;
}

} // namespace oxlin::richtext::test
