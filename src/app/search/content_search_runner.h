#pragma once

#include "core/search/content_scan.h"
#include "core/search/keyword_search.h"

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

namespace oxlin::app {

// A content search on its own thread: reads the target topics through a
// topic source and reports, on the user-interface thread, each topic found,
// the progress (about a hundred times a search) and the end. The thread
// spreads the topics over the global pool; it only posts to this object and
// never waits for the user-interface thread, which may be joining it.
class ContentSearchRunner final : public QObject {
    Q_OBJECT
public:
    explicit ContentSearchRunner(QObject* parent = nullptr);
    ~ContentSearchRunner() override; // stops a running search

    // Starts reading `targets` through `source` for `keyword`. Ignored while
    // a search runs.
    void start(std::vector<search::ContentTarget> targets,
               std::unique_ptr<search::TopicSource> source, search::TextStreamer text,
               const QString& keyword, bool matchCase);
    bool isRunning() const { return run_ != nullptr; }
    // The topics not read yet are left; finished() follows, cancelled.
    void cancel();
    // Cancels and waits for the thread. Nothing more is reported of it,
    // finished() neither.
    void stop();

Q_SIGNALS:
    void found(tree::ItemHandle item);
    void progress(int done, int total);
    // The search has ended; `items` are the topics found in the targets'
    // order, whichever thread found them first.
    void finished(const QList<tree::ItemHandle>& items, bool cancelled);

private:
    struct Run;
    void foundAt(quint64 id, int index);
    void done(quint64 id);

    std::unique_ptr<Run> run_; // the search running, if any
    quint64 runId_ = 0;        // tells a late report of an ended search from the current one
};

} // namespace oxlin::app
