// Spelling while typing and loading: one key into a 400,000-character topic
// with checking on and off (the two are compared in the same run), and the
// user's word list of 100,000 words read at start. Built with the GUI; run
// with QT_QPA_PLATFORM=offscreen and a dictionary installed (hunspell-en-us).

#include "app/editor/spell_service.h"
#include "app/editor/spelling_marks.h"
#include "spelling/dictionaries.h"
#include "spelling/personal_words.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

// Prose with a misspelling every `wordsPerMistake` words (12: a dense 8 %,
// far more than real notes hold), in lines of paragraphs or in one.
QString prose(int characters, bool paragraphs, int wordsPerMistake = 12) {
    static const char* const kWords[] = {"the", "garden", "needs", "water", "before", "summer",
                                         "and", "notes", "keep", "every", "plan", "close"};
    QString text;
    for (int i = 0; text.size() < characters; ++i) {
        text += i % wordsPerMistake == 9 ? QLatin1String("evry") : QLatin1String(kWords[i % 12]);
        text += (paragraphs && i % 16 == 15) ? u'\n' : u' ';
    }
    return text;
}

void typeInto(benchmark::State& state, bool checking, bool paragraphs, int wordsPerMistake = 12) {
    QTemporaryDir dir;
    oxlin::app::SpellService spelling(
        oxlin::spelling::systemDictionaryFolders(), dir.filePath("words.txt"),
        {[checking](const QString&, const QString&) { return QString(checking ? "1" : "0"); },
         [](const QString&, const QString&) {}});
    QTextEdit edit;
    edit.resize(800, 600);
    edit.show();
    oxlin::app::SpellingMarks marks(&edit, spelling);
    edit.setPlainText(prose(400'000, paragraphs, wordsPerMistake));
    while (checking && !spelling.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    QTextCursor cursor(edit.document());
    cursor.setPosition(200);
    edit.setTextCursor(cursor);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        QApplication::processEvents();
    }
}
void BM_TypeCheckingOff(benchmark::State& state) { typeInto(state, false, true); }
void BM_TypeCheckingOn(benchmark::State& state) { typeInto(state, true, true); }
void BM_TypeFewMistakesCheckingOff(benchmark::State& state) { typeInto(state, false, true, 100); }
void BM_TypeFewMistakesCheckingOn(benchmark::State& state) { typeInto(state, true, true, 100); }
void BM_TypeOneParagraphCheckingOff(benchmark::State& state) { typeInto(state, false, false); }
void BM_TypeOneParagraphCheckingOn(benchmark::State& state) { typeInto(state, true, false); }

void BM_LoadPersonalWords100k(benchmark::State& state) {
    QTemporaryDir dir;
    QFile file(dir.filePath("words.txt"));
    file.open(QIODevice::WriteOnly);
    for (int i = 0; i < 100'000; ++i)
        file.write(QStringLiteral("Wort%1\n").arg(i).toUtf8());
    file.close();
    for (auto _ : state) {
        oxlin::spelling::PersonalWords words(file.fileName());
        words.load();
        benchmark::DoNotOptimize(words.size());
    }
}

} // namespace

BENCHMARK(BM_TypeCheckingOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeCheckingOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeFewMistakesCheckingOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeFewMistakesCheckingOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeOneParagraphCheckingOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeOneParagraphCheckingOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadPersonalWords100k)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
