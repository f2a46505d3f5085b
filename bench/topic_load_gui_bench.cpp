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
#include "app/editor/topic_text_edit.h"
#include "core/store/compressed_file.h"
#include "richtext/visible_text.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWidget>

#include <benchmark/benchmark.h>

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
// With a second argument of 1 the whole topic is laid out before the clock
// stops, the work Qt otherwise spreads over its timer after the first screen.
void BM_OpenTopicInEditor(benchmark::State& state) {
    const QByteArray& rtf = topic(int(state.range(0)));
    QTemporaryDir dir;
    OneTopic topics(dir.path(), rtf);
    app::ScriptedPrompter prompter;
    QWidget window;
    window.resize(900, 700);
    app::EditorHost host(topics, prompter, &window);
    host.editor()->setGeometry(0, 0, 900, 700);
    app::LinkView links(host.editor());
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        // Reopening an unchanged topic reads it again and writes nothing.
        if (host.loadTopic(1) != oxlin::app::EditorResult::Ok)
            state.SkipWithError("the topic did not open");
        // The links move to the new document and are drawn, the first
        // screen is painted; Qt lays out the rest in steps from its timer.
        QApplication::processEvents();
        QApplication::processEvents();
        if (state.range(1) != 0)
            benchmark::DoNotOptimize(host.editor()->document()->documentLayout()->documentSize());
    }
    state.counters["rtf_bytes"] = double(rtf.size());
    state.counters["chars"] = double(host.editor()->textLength());
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

BENCHMARK(BM_OpenTopicInEditor)->Args({1, 0})->Args({5, 0})->Args({1, 1})->Args({5, 1})->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PeerRtfText)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

#include "gui_bench_main.h"
