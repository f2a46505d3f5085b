#include "app/search/content_search_runner.h"
#include "core/store/compressed_file.h"

#include <QHash>
#include <QSignalSpy>
#include <QtTest>

using namespace oxlin;
using app::ContentSearchRunner;

namespace {

// Topic files held in memory, each stored compressed as in a working folder.
class MemoryTopics final : public search::TopicSource {
public:
    explicit MemoryTopics(const QHash<QString, QByteArray>& texts) {
        for (auto text = texts.begin(); text != texts.end(); ++text)
            (void)store::compressBuffer(text.value(), files_[text.key()]);
    }
    bool read(const QString& fileName, QByteArray& stored) const override {
        const auto found = files_.constFind(fileName);
        if (found == files_.constEnd())
            return false;
        stored = *found;
        return true;
    }

private:
    QHash<QString, QByteArray> files_;
};

std::unique_ptr<search::TopicSource> fruitTopics() {
    return std::make_unique<MemoryTopics>(QHash<QString, QByteArray>{
        {"00000001.XTZ", "a kiwi"}, {"00000002.XTZ", "a fig"}, {"00000003.XTZ", "KIWI jam"}});
}

// Four targets: two hold "kiwi" (one only when case is ignored), one does
// not, and one names no file.
std::vector<search::ContentTarget> fruitTargets() {
    return {{"00000003.XTZ", 30}, {"00000002.XTZ", 20}, {"00000009.XTZ", 90}, {"00000001.XTZ", 10}};
}

search::TextStreamer plainText() {
    return search::streamWholeText(
        [](const QByteArray& stored) { return QString::fromUtf8(stored); });
}

} // namespace

class ContentSearchRunnerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportsEachTopicFoundThenAllInTargetOrder();
    void aSecondStartWhileRunningIsIgnored();
    void cancelStillEndsWithFinishedMarkedCancelled();
    void stopEndsWithoutAnotherReport();
};

void ContentSearchRunnerTest::reportsEachTopicFoundThenAllInTargetOrder() {
    ContentSearchRunner runner;
    QSignalSpy found(&runner, &ContentSearchRunner::found);
    QSignalSpy progress(&runner, &ContentSearchRunner::progress);
    QSignalSpy finished(&runner, &ContentSearchRunner::finished);
    runner.start(fruitTargets(), fruitTopics(), plainText(), QStringLiteral("kiwi"), false);
    QVERIFY(runner.isRunning());
    QVERIFY(finished.wait(10000));
    QVERIFY(!runner.isRunning());

    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].value<QList<tree::ItemHandle>>(), (QList<tree::ItemHandle>{30, 10}));
    QCOMPARE(finished[0][1].toBool(), false);
    QSet<tree::ItemHandle> reported;
    for (const QList<QVariant>& report : found)
        reported.insert(report[0].value<tree::ItemHandle>());
    QCOMPARE(reported, (QSet<tree::ItemHandle>{30, 10}));
    // The panel's bar starts empty and counts up to the four targets.
    QCOMPARE(progress.first(), (QList<QVariant>{0, 4}));
    for (const QList<QVariant>& report : progress)
        QVERIFY(report[0].toInt() <= 4 && report[1].toInt() == 4);

    // Matching case, only the lower-case one.
    runner.start(fruitTargets(), fruitTopics(), plainText(), QStringLiteral("kiwi"), true);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished[1][0].value<QList<tree::ItemHandle>>(), (QList<tree::ItemHandle>{10}));
}

void ContentSearchRunnerTest::aSecondStartWhileRunningIsIgnored() {
    ContentSearchRunner runner;
    QSignalSpy finished(&runner, &ContentSearchRunner::finished);
    runner.start(fruitTargets(), fruitTopics(), plainText(), QStringLiteral("fig"), false);
    // Its end is posted, so the first search is still running here.
    runner.start(fruitTargets(), fruitTopics(), plainText(), QStringLiteral("kiwi"), false);
    QVERIFY(finished.wait(10000));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].value<QList<tree::ItemHandle>>(), (QList<tree::ItemHandle>{20}));
}

void ContentSearchRunnerTest::cancelStillEndsWithFinishedMarkedCancelled() {
    ContentSearchRunner runner;
    QSignalSpy finished(&runner, &ContentSearchRunner::finished);
    runner.start(fruitTargets(), fruitTopics(), plainText(), QStringLiteral("kiwi"), false);
    runner.cancel();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished[0][1].toBool(), true);
    QVERIFY(!runner.isRunning());
}

void ContentSearchRunnerTest::stopEndsWithoutAnotherReport() {
    ContentSearchRunner runner;
    QSignalSpy found(&runner, &ContentSearchRunner::found);
    QSignalSpy finished(&runner, &ContentSearchRunner::finished);
    runner.start(fruitTargets(), fruitTopics(), plainText(), QStringLiteral("kiwi"), false);
    runner.stop();
    QVERIFY(!runner.isRunning());
    // What the thread posted before it was joined is stale and dropped.
    QCoreApplication::sendPostedEvents();
    QVERIFY(found.isEmpty());
    QVERIFY(finished.isEmpty());

    // The runner serves the next search.
    runner.start(fruitTargets(), fruitTopics(), plainText(), QStringLiteral("fig"), false);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished[0][0].value<QList<tree::ItemHandle>>(), (QList<tree::ItemHandle>{20}));
}

QTEST_GUILESS_MAIN(ContentSearchRunnerTest)
#include "content_search_runner_test.moc"
