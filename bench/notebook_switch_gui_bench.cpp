// Switching between two large notebooks in the application, as the Open
// Notebook dialog does it: the current one is saved, packed and its working
// folder removed, the other is unpacked and its tree shown. Each notebook is
// made by notebook_gen (3,800 topics, ~55 MB), which must sit beside this
// program. Built only with the GUI; run with QT_QPA_PLATFORM=offscreen.
// Target: one switch under 3 s, and within 1.3x of the same switch between
// the same trees with no topic files (the peer: what a switch costs that
// touches nothing but the tree).

#include "app/base/command_ids.h"
#include "app/base/launcher.h"
#include "app/base/scripted_prompter.h"
#include "app/shell/main_window.h"
#include "app/shell/notebook_controller.h"
#include "core/store/package.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace oxlin::app;

constexpr int kTopics = 3800;

bool generate(const QString& package, int seed) {
    const QString generator = QDir(QCoreApplication::applicationDirPath()).filePath("notebook_gen");
    return QProcess::execute(generator, {package, QString::number(kTopics), QString::number(seed)}) == 0;
}

// The package with its tree and runtime members only.
bool dropTopicFiles(const QString& package) {
    std::vector<oxlin::store::PackageMember> kept;
    {
        oxlin::store::PackageReader reader;
        if (!reader.open(package))
            return false;
        for (const QString& name : {QStringLiteral("Tree"), QStringLiteral("Z")}) {
            QByteArray bytes;
            if (reader.read(name, bytes))
                kept.push_back({name, bytes});
        }
    }
    return oxlin::store::packMembers(kept, package).ok();
}

void switchBetweenTwoNotebooks(benchmark::State& state, bool withTopicFiles) {
    QTemporaryDir dir;
    const QString data = QDir(dir.path()).filePath("OxlinData");
    QDir().mkpath(data);
    for (const auto& [name, seed] : {std::pair{"Alpha.xzz", 20}, std::pair{"Beta.xzz", 21}}) {
        const QString package = QDir(data).filePath(QString::fromLatin1(name));
        if (!generate(package, seed) || (!withTopicFiles && !dropTopicFiles(package))) {
            state.SkipWithError("notebook_gen did not run");
            return;
        }
    }
    ScriptedPrompter prompter;
    RecordingLauncher launcher;
    NotebookController controller(data, prompter, launcher, dir.path());
    controller.openNotebook();
    controller.window().resize(900, 600);
    controller.window().show();
    const auto switchTo = [&](const QString& name) {
        prompter.openNotebookSteps.enqueue({ScriptedPrompter::NotebookStep{false, name}});
        controller.window().dispatch(cmd::OpenNotebook);
        QApplication::processEvents();
    };
    switchTo("Alpha");
    bool toBeta = true;
    for (auto _ : state) {
        switchTo(toBeta ? "Beta" : "Alpha");
        toBeta = !toBeta;
    }
    state.counters["topics"] = double(controller.session().tree().itemCount());
}

void BM_SwitchBetweenTwoLargeNotebooks(benchmark::State& state) {
    switchBetweenTwoNotebooks(state, true);
}
void BM_SwitchBetweenTheirTreesWithoutTopicFiles(benchmark::State& state) {
    switchBetweenTwoNotebooks(state, false);
}
BENCHMARK(BM_SwitchBetweenTwoLargeNotebooks)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_SwitchBetweenTheirTreesWithoutTopicFiles)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(6);

} // namespace

#include "gui_bench_main.h"
