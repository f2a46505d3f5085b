#pragma once

#include "core/search/content_scan.h"
#include "core/search/keyword_search.h"

#include <QList>
#include <QObject>
#include <QSet>

#include <memory>
#include <optional>
#include <vector>

namespace oxlin::app {

// A notebook other than the open one, read by a search straight from its
// package.
struct OtherNotebook {
    QString name;
    QString package;
    // Only the topics of these files (case-folded names), for a search in
    // the rows found before; without it, every topic a content search reads.
    std::optional<QSet<QString>> onlyFiles;
};

// A content search on its own thread: reads the target topics through a
// topic source, then those of other notebooks from their packages, and
// reports, on the user-interface thread, each topic found, the progress over
// them all (about a hundred times a search) and the end. The thread spreads
// the topics of each notebook over the global pool; it only posts to this
// object and never waits for the user-interface thread, which may be joining it.
class ContentSearchRunner final : public QObject {
    Q_OBJECT
public:
    explicit ContentSearchRunner(QObject* parent = nullptr);
    ~ContentSearchRunner() override; // stops a running search

    // Starts reading `targets` through `source` for `keyword`, then the
    // topics of `others` (a package that cannot be read, or whose tree
    // cannot, finds nothing). Ignored while a search runs.
    void start(std::vector<search::ContentTarget> targets,
               std::unique_ptr<search::TopicSource> source, search::TextStreamer text,
               const QString& keyword, bool matchCase, std::vector<OtherNotebook> others = {});
    bool isRunning() const { return run_ != nullptr; }
    // The topics not read yet are left; finished() follows, cancelled.
    void cancel();
    // Cancels and waits for the thread. Nothing more is reported of it,
    // finished() neither.
    void stop();

    // The topics of other notebooks that the search which last finished
    // found, in the notebooks' order and each notebook's tree order; what
    // finished() says of the target topics it says of these.
    const std::vector<search::RowPlace>& foundInOthers() const { return foundInOthers_; }

Q_SIGNALS:
    void found(tree::ItemHandle item);
    // A topic of another notebook holds the keyword.
    void foundElsewhere(const search::RowPlace& place);
    void progress(int done, int total);
    // The search has ended; `items` are the topics found in the targets'
    // order, whichever thread found them first.
    void finished(const QList<tree::ItemHandle>& items, bool cancelled);

private:
    struct Run;
    struct Opened;
    void scan(Run& run, const QString& keyword, bool matchCase);
    void foundAt(quint64 id, int index);
    void foundIn(quint64 id, const search::RowPlace& place);
    void done(quint64 id, std::vector<search::RowPlace> places);

    std::unique_ptr<Run> run_; // the search running, if any
    quint64 runId_ = 0;        // tells a late report of an ended search from the current one
    std::vector<search::RowPlace> foundInOthers_;
};

} // namespace oxlin::app
