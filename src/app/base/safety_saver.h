#pragma once

#include "app/base/saver_clock.h"

#include <QObject>

#include <functional>
#include <memory>

namespace oxlin::app {

// Writes what the user changed to disk soon after they pause, so that a
// crash, a power cut or a killed process costs at most the last seconds of
// work: an unclean end leaves the working folder, and the next start resumes
// it. What is written is the caller's; packing and relabelling stay with the
// save, hide and exit sequences.
class SafetySaver final : public QObject {
    Q_OBJECT
public:
    // `write` is called on the UI thread once changes have been quiet for
    // `quietMs`, or at the latest `latestMs` after the first unwritten change
    // (later when the last write took more than a twentieth of that).
    // `clock` is borrowed and must outlive the saver; without one it keeps
    // the system's.
    SafetySaver(std::function<void()> write, int quietMs, int latestMs,
                SaverClock* clock = nullptr, QObject* parent = nullptr);
    ~SafetySaver() override;

    // Something changed that is not on disk yet.
    void changed();
    // Nothing more is written: the notebook is being closed.
    void stop();

private:
    void writeNow();

    std::function<void()> write_;
    std::unique_ptr<SaverClock> ownClock_;
    SaverClock& clock_;
    qint64 firstChangeMs_ = -1; // -1: everything changed is written
    static constexpr qint64 kMostWriteShare = 20;
    qint64 lastWriteMs_ = 0;
    int quietMs_;
    int latestMs_;
    bool stopped_ = false;
};

} // namespace oxlin::app
