#include "app/search/content_search_runner.h"

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
    std::atomic<bool> cancel{false};
    std::thread worker;
};

ContentSearchRunner::ContentSearchRunner(QObject* parent) : QObject(parent) {}

ContentSearchRunner::~ContentSearchRunner() {
    stop();
}

void ContentSearchRunner::start(std::vector<search::ContentTarget> targets,
                                std::unique_ptr<search::TopicSource> source,
                                search::TextStreamer text, const QString& keyword, bool matchCase) {
    if (run_)
        return;
    auto run = std::make_unique<Run>();
    run->id = ++runId_;
    run->targets = std::move(targets);
    run->found.assign(run->targets.size(), 0);
    run->source = std::move(source);
    QStringList names;
    for (const search::ContentTarget& target : run->targets)
        names.append(target.fileName);
    const int total = int(names.size());
    Q_EMIT progress(0, total);
    Run& running = *run;
    run_ = std::move(run);
    const quint64 id = running.id;
    running.worker =
        std::thread([this, &running, id, names, keyword, matchCase, total, text = std::move(text)] {
            std::atomic<int> shown{0};
            search::ScanControl control;
            control.cancel = &running.cancel;
            control.found = [this, id](int index) {
                QMetaObject::invokeMethod(
                    this, [this, id, index] { foundAt(id, index); }, Qt::QueuedConnection);
            };
            control.progress = [this, id, total, &shown](int done) {
                // About a hundred updates a search, not one per topic.
                const int step = std::max(1, total / 100);
                int last = shown.load();
                if (done < last + step && done != total)
                    return;
                if (!shown.compare_exchange_strong(last, done))
                    return;
                QMetaObject::invokeMethod(
                    this,
                    [this, id, done, total] {
                        if (run_ && run_->id == id)
                            Q_EMIT progress(done, total);
                    },
                    Qt::QueuedConnection);
            };
            search::matchTopics(*running.source, names, keyword, matchCase, text, control);
            QMetaObject::invokeMethod(
                this, [this, id] { done(id); }, Qt::QueuedConnection);
        });
}

void ContentSearchRunner::foundAt(quint64 id, int index) {
    if (!run_ || run_->id != id)
        return;
    run_->found[std::size_t(index)] = 1;
    Q_EMIT found(run_->targets[std::size_t(index)].handle);
}

void ContentSearchRunner::done(quint64 id) {
    if (!run_ || run_->id != id)
        return;
    run_->worker.join();
    const std::unique_ptr<Run> run = std::move(run_);
    QList<tree::ItemHandle> items;
    for (std::size_t i = 0; i < run->targets.size(); ++i) {
        if (run->found[i])
            items.append(run->targets[i].handle);
    }
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
