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

    void setRuntimeFile(const QString& runtimeFile) { runtimeFile_ = runtimeFile; }

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

    static constexpr char kSection[] = "RunTimeData";
    static constexpr char kKey[] = "FileIDCount";

private:
    store::ProfileService& profiles_;
    QString runtimeFile_;
    qint32 counter_ = 1;
};

} // namespace oxlin::tree
