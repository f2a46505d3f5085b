#pragma once

#include <QCoreApplication>
#include <QtTest>

// Waits until every call queued on the UI thread so far has run: a marker
// queued now runs after them. Lets a test check that a queued call changed
// nothing without waiting for a time it hopes is long enough.
inline bool runQueuedCalls() {
    bool ran = false;
    QMetaObject::invokeMethod(QCoreApplication::instance(), [&ran] { ran = true; },
                              Qt::QueuedConnection);
    return QTest::qWaitFor([&ran] { return ran; });
}
