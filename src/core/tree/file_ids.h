#pragma once

#include <QString>
#include <QtGlobal>

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::tree {

// The notebook's counter of topic file ids, kept as FileIDCount in section
// RunTimeData of the working folder's Z.ini. Ids are never reused: the
// counter only goes up, and every id given out is stored before it is used.
class FileIdCounter {
public:
    // Both are borrowed; the profile service must outlive the counter.
    FileIdCounter(store::ProfileService& profiles, QString runtimeFile)
        : profiles_(profiles), runtimeFile_(std::move(runtimeFile)) {}

    void setRuntimeFile(const QString& runtimeFile) {
        runtimeFile_ = runtimeFile;
        stored_ = 0; // nothing known of the new file: the next id is written
    }

    // Reads FileIDCount; a missing or empty value, or -1, gives 1.
    void load();
    // Makes sure the next id is above `fileId`, without writing. Used after a
    // load so that a stale or lost FileIDCount never hands out an id that a
    // topic of the tree already has.
    void raiseTo(qint32 fileId);

    // The next id, stored as FileIDCount before it is returned. Returns 0
    // (no id) when the counter could not be stored or is exhausted; the
    // counter is then unchanged.
    qint32 allocate();
    qint32 current() const { return counter_; }

    // Stores FileIDCount `ids` ahead and then only once every `ids` ids, so
    // a burst of new topics (an import of thousands of files) costs one write
    // of Z.ini per batch instead of one per topic. Every id handed out is
    // still below the stored value; those a batch leaves unused when the
    // program ends are skipped, never reused. 1 (the default) stores each id.
    void setBatch(int ids) { batch_ = ids < 1 ? 1 : ids; }
    int batch() const { return batch_; }

    static constexpr char kSection[] = "RunTimeData";
    static constexpr char kKey[] = "FileIDCount";

private:
    store::ProfileService& profiles_;
    QString runtimeFile_;
    qint32 counter_ = 1;
    qint32 stored_ = 1; // the value FileIDCount holds, as far as this counter wrote or read it
    int batch_ = 1;
};

} // namespace oxlin::tree
