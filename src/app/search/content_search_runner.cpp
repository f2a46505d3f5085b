#include "app/search/content_search_runner.h"

#include "core/search/package_notebook.h"

#include <QStringList>

#include <algorithm>
#include <atomic>
#include <thread>

namespace oxlin::app {

struct ContentSearchRunner::Run {
    quint64 id = 0;
    std::vector<search::ContentTarget> targets;
    std::vector<char> found; // filled on this thread as reports arrive
    std::unique_ptr<search::TopicSource> source;
    search::TextStreamer text;
    std::vector<OtherNotebook> others; // read on the worker thread only
    std::atomic<bool> cancel{false};
    std::thread worker;
};

// Another notebook as the worker has opened it.
struct ContentSearchRunner::Opened {
    QString name;
    std::unique_ptr<search::PackageNotebook> notebook;
    std::vector<search::ContentTarget> targets;
};

namespace {

QStringList fileNamesOf(const std::vector<search::ContentTarget>& targets) {
    QStringList names;
    names.reserve(qsizetype(targets.size()));
    for (const search::ContentTarget& target : targets)
        names.append(target.fileName);
    return names;
}

} // namespace

ContentSearchRunner::ContentSearchRunner(QObject* parent) : QObject(parent) {}

ContentSearchRunner::~ContentSearchRunner() {
    stop();
}

void ContentSearchRunner::start(std::vector<search::ContentTarget> targets,
                                std::unique_ptr<search::TopicSource> source,
                                search::TextStreamer text, const QString& keyword, bool matchCase,
                                std::vector<OtherNotebook> others) {
    if (run_)
        return;
    auto run = std::make_unique<Run>();
    run->id = ++runId_;
    run->targets = std::move(targets);
    run->found.assign(run->targets.size(), 0);
    run->source = std::move(source);
    run->text = std::move(text);
    run->others = std::move(others);
    // With other notebooks the total is known once their trees are read.
    if (run->others.empty())
        Q_EMIT progress(0, int(run->targets.size()));
    Run& running = *run;
    run_ = std::move(run);
    running.worker =
        std::thread([this, &running, keyword, matchCase] { scan(running, keyword, matchCase); });
}

void ContentSearchRunner::scan(Run& run, const QString& keyword, bool matchCase) {
    const quint64 id = run.id;
    std::vector<Opened> opened;
    for (const OtherNotebook& other : run.others) {
        auto notebook = std::make_unique<search::PackageNotebook>();
        if (run.cancel || notebook->open(other.package) != search::PackageNotebook::Problem::None)
            continue;
        std::vector<search::ContentTarget> targets =
            other.onlyFiles ? notebook->targetsOf(*other.onlyFiles) : notebook->searchTargets();
        opened.push_back({other.name, std::move(notebook), std::move(targets)});
    }
    int total = int(run.targets.size());
    for (const Opened& other : opened)
        total += int(other.targets.size());
    const auto post = [this](auto report) {
        QMetaObject::invokeMethod(this, std::move(report), Qt::QueuedConnection);
    };
    if (!run.others.empty())
        post([this, id, total] {
            if (run_ && run_->id == id)
                Q_EMIT progress(0, total);
        });

    // One count over every notebook, about a hundred updates a search.
    std::atomic<int> shown{0};
    int offset = 0;
    const auto controlFor = [&](std::function<void(int)> found) {
        search::ScanControl control;
        control.cancel = &run.cancel;
        control.found = std::move(found);
        control.progress = [&, offset](int checked) {
            const int done = offset + checked;
            const int step = std::max(1, total / 100);
            int last = shown.load();
            if ((done < last + step && done != total) || !shown.compare_exchange_strong(last, done))
                return;
            post([this, id, done, total] {
                if (run_ && run_->id == id)
                    Q_EMIT progress(done, total);
            });
        };
        return control;
    };
    search::matchTopics(*run.source, fileNamesOf(run.targets), keyword, matchCase, run.text,
                        controlFor([&](int index) { post([=, this] { foundAt(id, index); }); }));
    offset += int(run.targets.size());

    std::vector<search::RowPlace> places;
    for (const Opened& other : opened) {
        const auto placeAt = [&](int index) {
            return search::placeOf(other.notebook->tree(), other.targets[std::size_t(index)].handle,
                                   other.name);
        };
        const std::vector<bool> flags = search::matchTopics(
            other.notebook->topics(), fileNamesOf(other.targets), keyword, matchCase, run.text,
            controlFor([&](int index) {
                // Made here: the tree goes with this thread.
                search::RowPlace place = placeAt(index);
                post([this, id, place = std::move(place)] { foundIn(id, place); });
            }));
        for (std::size_t i = 0; i < flags.size(); ++i)
            if (flags[i])
                places.push_back(placeAt(int(i)));
        offset += int(other.targets.size());
    }
    post([this, id, places = std::move(places)]() mutable { done(id, std::move(places)); });
}

void ContentSearchRunner::foundAt(quint64 id, int index) {
    if (!run_ || run_->id != id)
        return;
    run_->found[std::size_t(index)] = 1;
    Q_EMIT found(run_->targets[std::size_t(index)].handle);
}

void ContentSearchRunner::foundIn(quint64 id, const search::RowPlace& place) {
    if (run_ && run_->id == id)
        Q_EMIT foundElsewhere(place);
}

void ContentSearchRunner::done(quint64 id, std::vector<search::RowPlace> places) {
    if (!run_ || run_->id != id)
        return;
    run_->worker.join();
    const std::unique_ptr<Run> run = std::move(run_);
    QList<tree::ItemHandle> items;
    for (std::size_t i = 0; i < run->targets.size(); ++i) {
        if (run->found[i])
            items.append(run->targets[i].handle);
    }
    foundInOthers_ = std::move(places);
    Q_EMIT finished(items, run->cancel);
}

void ContentSearchRunner::cancel() {
    if (run_)
        run_->cancel = true;
}

void ContentSearchRunner::stop() {
    if (!run_)
        return;
    run_->cancel = true;
    run_->worker.join();
    // Its posted reports are stale from here on and are dropped.
    ++runId_;
    run_.reset();
}

} // namespace oxlin::app
