// The outline a listing reads must be the tree a load gives the model, item
// for item and repair for repair, on well-formed, hand-made and damaged files.
#include "core/search/keyword_search.h"
#include "core/store/ini_document.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"
#include "core/tree/tree_outline.h"
#include "mangled_text.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringList>

#include <random>

namespace oxlin::tree {
namespace {

using store::IniDocument;

QString line(const QString& label, bool folder, qint32 fileId, int depth) {
    return QString(depth, QLatin1Char(' ')) + label +
           (folder ? QString() : QLatin1Char('=') + QString::number(fileId));
}

QStringList modelLines(const TopicTree& tree) {
    QStringList lines;
    tree.walk([&](const TreeItem& item, int depth) {
        lines << line(item.label, item.isFolder(), item.isTopic() ? item.record->fileId : 0, depth);
    });
    return lines;
}

QStringList outlineLines(const TreeOutline& outline) {
    QStringList lines;
    outline.walk([&](const TreeOutline::Item& item, int depth) {
        lines << line(item.label, item.isFolder(), item.fileId, depth);
    });
    return lines;
}

QStringList labelRows(const std::function<void(const search::LabelVisit&)>& walk,
                      const QString& keyword) {
    search::SortedRows rows;
    search::searchLabels(walk, keyword, false, rows);
    QStringList texts;
    for (const auto& row : rows.rows())
        texts << row.text;
    return texts;
}

// The outline against the model for one file: items, notes and the label search.
void expectSameTree(const QByteArray& text) {
    const IniDocument document = IniDocument::parse(text);
    TopicTree model;
    TreeLoadNotes modelNotes;
    loadTree(model, document, nullptr, &modelNotes);
    TreeLoadNotes outlineNotes;
    const TreeOutline outline = TreeOutline::read(document, &outlineNotes);
    const QByteArray shown = text.toBase64();
    ASSERT_EQ(outlineLines(outline), modelLines(model)) << shown.constData();
    EXPECT_EQ(outline.itemCount(), model.itemCount()) << shown.constData();
    EXPECT_EQ(outlineNotes.skippedLines, modelNotes.skippedLines);
    EXPECT_EQ(outlineNotes.skippedLabels, modelNotes.skippedLabels);
    EXPECT_EQ(outlineNotes.unnamedFolders, modelNotes.unnamedFolders);
    EXPECT_EQ(outlineNotes.renumbered, modelNotes.renumbered);
    EXPECT_EQ(outlineNotes.droppedTopics, modelNotes.droppedTopics);

    const auto outlineWalk = [&](const search::LabelVisit& visit) {
        outline.walk([&](const TreeOutline::Item& item, int depth) {
            visit(item.label, item.isFolder(), kNoItem, depth);
        });
    };
    const auto modelWalk = [&](const search::LabelVisit& visit) {
        model.walk([&](const TreeItem& item, int depth) {
            visit(item.label, item.isFolder(), item.handle, depth);
        });
    };
    for (const QString& keyword :
         {QStringLiteral("a"), QStringLiteral("."), QStringLiteral("no name")})
        EXPECT_EQ(labelRows(outlineWalk, keyword), labelRows(modelWalk, keyword))
            << shown.constData();
}

const QByteArray kExample = "[\\Work\\Old]\r\nb.rtf=7\r\nEmpty=0\r\n"
                            "[\\Work]\r\na.txt=3\r\nOld=0\r\n"
                            "[\\]\r\nWork=0\r\nPlan.txt=2\r\n";
// Folders whose paths are equal without regard to case, some of them empty.
const QByteArray kSharedPaths = "[\\A\\B]\r\nx=2\r\n[\\a\\B]\r\ny=3\r\n[\\A]\r\nB=0\r\n"
                                "[\\a]\r\nB=0\r\n=0\r\n[\\]\r\nA=0\r\na=0\r\n=0\r\n";

TEST(TreeOutline, ReadsTheTreeALoadGives) {
    const QByteArray cases[] = {
        kExample,
        kSharedPaths,
        "",
        "[\\]\r\n",
        // Parents before children; LF and CR line ends.
        "[\\]\nWork=0\nPlan.txt=2\n[\\Work]\na.txt=3\nOld=0\n[\\Work\\Old]\nb.rtf=7\n",
        "[\\]\rWork=0\r[\\WORK]\ra.txt=3\r",
        // Empty labels: the top level takes the last "[\\]".
        "[\\]\r\nlost.txt=5\r\n[\\]\r\n=0\r\nkept.txt=2\r\n",
        "[\\A\\]\r\ndeep.txt=7\r\n[\\A]\r\n=0\r\n[\\]\r\nA=0\r\n",
        "[\\]\r\n=0\r\na.txt=2\r\n[\\]\r\nb.txt=3\r\n",
        "[\\]\r\n=0\r\n[\\]\r\n=0\r\nx.txt=4\r\n[\\]\r\ny.txt=5\r\n",
        // One section for two such folders, damaged lines, text before any section.
        "[\\A]\r\nx.txt=2\r\n[\\]\r\nA=0\r\na=0\r\n",
        "junk\r\n[\\]\r\n\r\na.txt=2\r\nnot a number=x\r\nbroken line\r\nlost.txt=3\r\n"
        "[\\not a number]\r\nnothing here\r\nb.txt=4\r\n",
        // Ids past the integer range, renumbered or dropped.
        "[\\]\r\nbig.txt=4294967306\r\nfine.txt=12\r\nhuge.txt=99999999999\r\n[\\Other]\r\nfar.txt="
        "40\r\n",
        "[\\]\r\nbig.txt=4294967306\r\nedge.txt=2147483647\r\n",
        // Labels past the limit, and a line past the line limit.
        "[\\]\r\n" + QByteArray(300, 'L') + "=4\r\na.txt=2\r\n" +
            QByteArray(store::kMaxIniLineBytes + 10, 'x') + "=3\r\nb.txt=5\r\n",
        // Not UTF-8: the Windows-1252 fallback; non-ASCII folding of section names.
        "[\\]\r\nCaf\xE9=0\r\n[\\CAF\xC9]\r\nx.txt=4\r\n",
        "[\\]\r\n\xC3\x84rger=0\r\n[\\\xC3\xA4RGER]\r\nx.txt=4\r\n",
        // Found by fuzzing the loader.
        QByteArray::fromBase64(
            "W1xdLDFdCltcCj14dEE9MV0KW1xdLHQ9Ml0KW1xdLCwKPax0PTJdCltcXSwsCj2seHQ9W1wKPXh0"),
        QByteArray::fromBase64("W1xBXUFdDTINW1xdDT10DTINW1xdDT10DQpbXF0FzA1bXF0NPXQNCltcXQXMQTQ9MA0"
                               "9XQXMDVtcXQ09dA0KW1xd"
                               "BcxBND0wDT2wQTKwQTI9MA09sA0K"),
    };
    for (const QByteArray& text : cases)
        expectSameTree(text);
}

TEST(TreeOutline, DamagedFilesGiveTheTreeALoadGives) {
    // The same files cut and changed at random.
    std::mt19937 random(23);
    for (int round = 0; round < 600; ++round) {
        const QByteArray text = mangled(round % 2 ? kExample : kSharedPaths, random, 5);
        expectSameTree(text);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace oxlin::tree
