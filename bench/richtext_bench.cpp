// Reading and writing a large rich-text topic: paragraphs in several formats,
// tables and pictures, at 1 MB and 5 MB of RTF, to show the cost grows linearly.

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_objects.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <benchmark/benchmark.h>

#include <map>

namespace {

using namespace oxlin::richtext;

// Builds a document, writes it, and grows it until the RTF reaches `bytes`.
QByteArray makeTopic(qsizetype bytes) {
    QTextDocument document;
    QTextCursor cursor(&document);
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        for (int i = 0; i < 80; i += 4)
            painter.fillRect(i, i / 2, 30, 6, QColor::fromHsv(i * 4, 200, 220));
    }
    QTextCharFormat plain, bold, coloured;
    bold.setFontWeight(QFont::Bold);
    coloured.setForeground(QColor(200, 30, 30));
    coloured.setFontItalic(true);
    const QString sentence = QStringLiteral(
        "The quick brown fox jumps over the lazy dog, ünïcödé and 中文 text in one line. ");
    qsizetype written = 0;
    for (int section = 0; written < bytes; ++section) {
        for (int p = 0; p < 40; ++p) {
            cursor.insertText(sentence, plain);
            cursor.insertText(QStringLiteral("bold words "), bold);
            cursor.insertText(sentence, coloured);
            cursor.insertBlock();
        }
        QTextTable* table = cursor.insertTable(4, 3);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                table->cellAt(r, c).firstCursorPosition().insertText(
                    QStringLiteral("cell %1.%2").arg(r).arg(c));
        cursor.movePosition(QTextCursor::End);
        cursor.insertImage(makePictureFormat(document, image, {}, PictureKind::Png));
        cursor.insertBlock();
        if (section % 8 == 7)
            written = writeRtf(document).size();
    }
    return writeRtf(document);
}

const QByteArray& topic(int megabytes) {
    static std::map<int, QByteArray> topics;
    auto& t = topics[megabytes];
    if (t.isEmpty())
        t = makeTopic(qsizetype(megabytes) << 20);
    return t;
}

void BM_ReadRtf(benchmark::State& state) {
    const QByteArray& rtf = topic(int(state.range(0)));
    for (auto _ : state) {
        QTextDocument document;
        readRtf(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}

void BM_WriteRtf(benchmark::State& state) {
    const QByteArray& rtf = topic(int(state.range(0)));
    QTextDocument document;
    readRtf(rtf, document);
    for (auto _ : state) {
        const QByteArray out = writeRtf(document);
        benchmark::DoNotOptimize(out.size());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

BENCHMARK(BM_ReadRtf)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtf)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
