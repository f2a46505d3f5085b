#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace oxlin::session {

// Keeps a second copy of the program from running. The first process holds a
// lock file named "Oxlin" in the user's runtime folder (the temporary folder
// where there is none) until it ends; a lock left by a process that died is
// taken over. A lock held by a running process is never taken over, however
// old it is.
class SingleInstanceLock {
public:
    static constexpr char kName[] = "Oxlin";
    static constexpr int kSecondInstanceExitCode = 1;

    // The lock kept inside the data folder as well: two copies with
    // different runtime folders must not share one data folder. Hidden, so
    // it can never be taken for a notebook's working folder.
    static constexpr char kDataFolderLockName[] = ".Oxlin.lock";

    // `folder` is where the lock file lives; empty means the default folder.
    // `fileName` empty means "Oxlin.lock".
    explicit SingleInstanceLock(const QString& folder = {}, const QString& fileName = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // True when this process is the first (and now holds the lock).
    bool tryAcquire();
    // After a failed tryAcquire(): whether another process holds the lock,
    // rather than the folder refusing a lock file (read-only, missing).
    bool heldElsewhere() const;
    void release();
    QString fileName() const { return fileName_; }

private:
    QString fileName_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace oxlin::session
