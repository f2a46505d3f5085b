#include "app/shell/safety_saver.h"

#include <algorithm>

namespace oxlin::app {

SafetySaver::SafetySaver(std::function<void()> write, int quietMs, int latestMs, QObject* parent)
    : QObject(parent), write_(std::move(write)), quietMs_(quietMs), latestMs_(latestMs) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SafetySaver::writeNow);
}

void SafetySaver::changed() {
    if (stopped_)
        return;
    if (!firstChange_.isValid())
        firstChange_.start();
    // Typing that never pauses is still written every latestMs_, or less
    // often when a write takes long (a topic of megabytes): the writes then
    // take at most one part in kMostWriteShare of the time, and typing does
    // not stall every few seconds.
    const qint64 latest = std::max<qint64>(latestMs_, lastWriteMs_ * kMostWriteShare);
    const qint64 left = latest - firstChange_.elapsed();
    timer_.start(int(std::clamp<qint64>(left, 0, quietMs_)));
}

void SafetySaver::stop() {
    stopped_ = true;
    timer_.stop();
}

void SafetySaver::writeNow() {
    firstChange_.invalidate();
    if (stopped_ || !write_)
        return;
    QElapsedTimer took;
    took.start();
    write_();
    lastWriteMs_ = took.elapsed();
}

} // namespace oxlin::app
