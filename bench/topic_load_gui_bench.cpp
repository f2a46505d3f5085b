// Opening a large rich-text topic in the editor, as a click in the tree does
// (EditorHost::loadTopic: decompress the topic file, read the RTF, show the
// first screen), beside what `oxlin rtf text FILE` does with the same RTF
// (read it and take its visible text), at 1 MB and 5 MB. The topic comes from
// the seeded generator in rtf_topic_gen.h. OXLIN_BENCH_KEEP=DIR also writes
// the two topics there as topic-1mb.rtf and topic-5mb.rtf, for the command
// line tool and perf. Run with QT_QPA_PLATFORM=offscreen.

#include "rtf_topic_gen.h"

#include "app/base/scripted_prompter.h"
#include "app/editor/editor_host.h"
#include "app/editor/editor_topics.h"
#include "app/editor/link_view.h"
#include "app/editor/spell_service.h"
#include "app/editor/spelling_marks.h"
#include "app/editor/topic_text_edit.h"
#include "core/store/compressed_file.h"
#include "richtext/visible_text.h"
#include "spelling/dictionaries.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>

namespace {

using namespace oxlin;

const QByteArray& topic(int megabytes) {
    static std::map<int, QByteArray> topics;
    QByteArray& t = topics[megabytes];
    if (t.isEmpty()) {
        t = bench::generateRtfTopic(qsizetype(megabytes) << 20);
        if (const QString keep = qEnvironmentVariable("OXLIN_BENCH_KEEP"); !keep.isEmpty()) {
            QFile file(QDir(keep).filePath(QStringLiteral("topic-%1mb.rtf").arg(megabytes)));
            if (file.open(QIODevice::WriteOnly))
                file.write(t);
        }
    }
    return t;
}

// One topic file in a folder: all the tree the editor needs.
class OneTopic final : public app::EditorTopics {
public:
    OneTopic(const QString& folder, const QByteArray& content) : folder_(folder) {
        QByteArray compressed;
        (void)store::compressBuffer(content, compressed);
        QFile file(*topicFilePath(1));
        if (file.open(QIODevice::WriteOnly))
            file.write(compressed);
    }
    QString workingFolder() const override { return folder_; }
    std::optional<QString> topicFilePath(app::ItemHandle topic) const override {
        if (topic != 1)
            return std::nullopt;
        return QDir(folder_).filePath(QStringLiteral("00000001.XTZ"));
    }
    std::optional<QString> label(app::ItemHandle topic) const override {
        if (topic != 1)
            return std::nullopt;
        return QStringLiteral("Big.rtf");
    }
    void relabel(app::ItemHandle, const QString&) override {}

private:
    QString folder_;
};

// The editor as the window has it: shown, with the link view drawing links.
struct ShownEditor {
    explicit ShownEditor(const QByteArray& rtf)
        : topics(dir.path(), rtf), host(topics, prompter, &window), links(host.editor()) {
        window.resize(900, 700);
        host.editor()->setGeometry(0, 0, 900, 700);
        window.show();
        QApplication::processEvents();
    }
    // Opens the topic and returns once its first screen is painted and a key
    // pressed after the click has moved the caret.
    bool open() {
        if (host.loadTopic(1) != oxlin::app::EditorResult::Ok)
            return false;
        QApplication::processEvents(); // the first paint, with the links on screen drawn
        const int before = host.editor()->textCursor().position();
        QApplication::postEvent(host.editor(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
        QApplication::processEvents();
        QApplication::processEvents(); // the caret's repaint
        return host.editor()->textCursor().position() != before;
    }
    // Whether the whole topic has been laid out: the layout goes in order, so
    // the last paragraph has lines only once all before it have.
    bool laidOut() const { return host.editor()->document()->lastBlock().layout()->lineCount() > 0; }

    QTemporaryDir dir;
    OneTopic topics;
    app::ScriptedPrompter prompter;
    QWidget window;
    app::EditorHost host;
    app::LinkView links;
};

// The system's dictionaries checking the editor as the window has it.
struct CheckedSpelling {
    explicit CheckedSpelling(QTextEdit* edit)
        : service(spelling::systemDictionaryFolders(), words.filePath(QStringLiteral("words.txt")),
                  {[](const QString&, const QString&) { return QStringLiteral("1"); },
                   [](const QString&, const QString&) {}}),
          marks(edit, service) {
        while (!service.isActive())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QTemporaryDir words;
    app::SpellService service;
    app::SpellingMarks marks;
};

// Spelling checked when the benchmark's second argument asks for it.
std::unique_ptr<CheckedSpelling> checkedWhenAsked(benchmark::State& state, ShownEditor& shown) {
    if (state.range(1) == 0)
        return nullptr;
    if (spelling::systemDictionaryFolders().isEmpty()) {
        state.SkipWithError("no dictionary installed");
        return nullptr;
    }
    return std::make_unique<CheckedSpelling>(shown.host.editor());
}

// Opening a topic, until it shows and answers a key; range(1) checks spelling.
void BM_OpenTopicInEditor(benchmark::State& state) {
    const QByteArray& rtf = topic(int(state.range(0)));
    ShownEditor shown(rtf);
    const auto spelling = checkedWhenAsked(state, shown);
    for (auto _ : state) {
        // Reopening an unchanged topic reads it again and writes nothing.
        if (!shown.open())
            state.SkipWithError("the topic did not open or answer the key");
    }
    state.counters["rtf_bytes"] = double(rtf.size());
    state.counters["chars"] = double(shown.host.editor()->textLength());
}

// The processor time this thread has used, which other programs on the
// same core do not add to.
qint64 threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// After the opening: the rest of the topic laid out from the event loop. The
// time is until the last paragraph is laid out; longest_stall_ms is the
// longest the loop went without running a 1 ms timer, which is how long a key
// pressed meanwhile would wait (each event should stay under 16 ms), and
// longest_stall_cpu_ms the processor time of that stretch, which a busy
// machine does not inflate.
void BM_LayoutAfterOpening(benchmark::State& state) {
    const QByteArray& rtf = topic(int(state.range(0)));
    ShownEditor shown(rtf);
    const auto spelling = checkedWhenAsked(state, shown);
    double longestStall = 0;
    double longestStallCpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!shown.open()) {
            state.SkipWithError("the topic did not open");
            break;
        }
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        qint64 lastTick = 0;
        qint64 lastTickCpu = threadCpuNs();
        const auto tick = [&] {
            const qint64 now = clock.nsecsElapsed();
            const qint64 nowCpu = threadCpuNs();
            longestStall = std::max(longestStall, double(now - lastTick) / 1e6);
            longestStallCpu = std::max(longestStallCpu, double(nowCpu - lastTickCpu) / 1e6);
            lastTick = now;
            lastTickCpu = nowCpu;
        };
        QTimer ticks;
        ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticks, &QTimer::timeout, tick);
        ticks.start(1);
        while (!shown.laidOut() && clock.elapsed() < 120'000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        tick();
    }
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["longest_stall_cpu_ms"] = longestStallCpu;
}

// The command line tool's work: the stored bytes read and their text taken.
void BM_PeerRtfText(benchmark::State& state) {
    const QByteArray& rtf = topic(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("topic.rtf"));
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(rtf);
    }
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read the topic");
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(richtext::visibleText(bytes).size());
    }
}

// Medians of 5, each run of one opening.
#define OXLIN_MEDIAN_OF_5                                                                      \
    Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true)
BENCHMARK(BM_PeerRtfText)->Arg(1)->Arg(5)->OXLIN_MEDIAN_OF_5;
BENCHMARK(BM_OpenTopicInEditor)
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({5, 0})
    ->Args({5, 1})
    ->OXLIN_MEDIAN_OF_5;
BENCHMARK(BM_LayoutAfterOpening)->Args({1, 0})->Args({5, 0})->Args({5, 1})->OXLIN_MEDIAN_OF_5;

} // namespace

#include "gui_bench_main.h"
