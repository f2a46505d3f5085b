#include "app/base/safety_saver.h"

#include <algorithm>

namespace oxlin::app {

namespace {

std::unique_ptr<SaverClock> systemClockUnless(SaverClock* given) {
    return given ? nullptr : std::make_unique<SystemSaverClock>();
}

} // namespace

SafetySaver::SafetySaver(std::function<void()> write, int quietMs, int latestMs, SaverClock* clock,
                         QObject* parent)
    : QObject(parent), write_(std::move(write)), ownClock_(systemClockUnless(clock)),
      clock_(clock ? *clock : *ownClock_), quietMs_(quietMs), latestMs_(latestMs) {}

SafetySaver::~SafetySaver() {
    clock_.cancel(); // a borrowed clock must not call a saver that is gone
}

void SafetySaver::changed() {
    if (stopped_)
        return;
    if (firstChangeMs_ < 0)
        firstChangeMs_ = clock_.nowMs();
    // Typing that never pauses is still written every latestMs_, or less
    // often when a write takes long (a topic of megabytes): the writes then
    // take at most one part in kMostWriteShare of the time, and typing does
    // not stall every few seconds.
    const qint64 latest = std::max<qint64>(latestMs_, lastWriteMs_ * kMostWriteShare);
    const qint64 left = latest - (clock_.nowMs() - firstChangeMs_);
    clock_.callAfter(std::clamp<qint64>(left, 0, quietMs_), [this] { writeNow(); });
}

void SafetySaver::stop() {
    stopped_ = true;
    clock_.cancel();
}

void SafetySaver::writeNow() {
    firstChangeMs_ = -1;
    if (stopped_ || !write_)
        return;
    const qint64 started = clock_.nowMs();
    write_();
    lastWriteMs_ = clock_.nowMs() - started;
}

} // namespace oxlin::app
