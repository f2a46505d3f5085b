// Editor timings that need widgets: link detection while typing, find and
// replace on large topics. Built only with the GUI (configure the bench build
// with -DOXLIN_BUILD_GUI=ON); run with QT_QPA_PLATFORM=offscreen.

#include "app/editor/find_replace.h"
#include "app/editor/link_view.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString words(int characters, int links) {
    QString text;
    text.reserve(characters + 64);
    int linkEvery = links > 0 ? characters / links : 0;
    int sinceLink = 0;
    for (int i = 0; text.size() < characters; ++i) {
        if (linkEvery > 0 && sinceLink >= linkEvery) {
            text += QStringLiteral("http://example.org/page%1 ").arg(i);
            sinceLink = 0;
        }
        const QString word = QStringLiteral("word%1 ").arg(i % 997);
        text += word;
        sinceLink += int(word.size());
    }
    return text;
}

// One keystroke into a single 400,000-character paragraph, with or without links.
void typeInto(benchmark::State& state, int links) {
    QTextEdit edit;
    edit.resize(800, 600);
    oxlin::app::LinkView view(&edit);
    edit.setPlainText(words(400'000, links));
    QApplication::processEvents();
    QTextCursor cursor(edit.document());
    cursor.setPosition(200'000);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        QApplication::processEvents();
    }
}
void BM_TypeWithoutLinks(benchmark::State& state) { typeInto(state, 0); }
void BM_TypeWith2000Links(benchmark::State& state) { typeInto(state, 2000); }
BENCHMARK(BM_TypeWithoutLinks)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_TypeWith2000Links)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_FindLastWordOf5MB(benchmark::State& state) {
    QTextEdit edit;
    QString text = words(5'000'000, 0);
    for (int i = 0; i < 5'000'000 / 2000; ++i)
        text[i * 2000] = u'\n';
    edit.setPlainText(text + QStringLiteral(" lastword"));
    const oxlin::app::FindRequest request{QStringLiteral("lastword"), {}, true, false, false};
    for (auto _ : state) {
        edit.moveCursor(QTextCursor::Start);
        benchmark::DoNotOptimize(oxlin::app::findNext(edit, request));
    }
}
BENCHMARK(BM_FindLastWordOf5MB)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReplaceAll10000(benchmark::State& state) {
    QString text;
    for (int i = 0; i < 10'000; ++i)
        text += QStringLiteral("alpha beta gamma\n");
    for (auto _ : state) {
        state.PauseTiming();
        QTextEdit edit;
        edit.setPlainText(text);
        const oxlin::app::FindRequest request{QStringLiteral("beta"), QStringLiteral("delta"),
                                              true, false, false};
        state.ResumeTiming();
        benchmark::DoNotOptimize(oxlin::app::replaceAll(edit, request));
    }
}
BENCHMARK(BM_ReplaceAll10000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

#include "gui_bench_main.h"
