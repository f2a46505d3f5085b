// Nothing written on either side is lost, over random histories from one base.
#include "core/merge/notebook_merge.h"
#include "merge_fixture.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <set>

namespace oxlin::merge {
namespace {

using test::Book;
using test::Topic;

const QStringList kFolders = {QString(), QStringLiteral("A"), QStringLiteral("A\\B"),
                              QStringLiteral("C")};

QString randomPath(QRandomGenerator& random, const QString& label) {
    const QString folder = kFolders[random.bounded(int(kFolders.size()))];
    return folder.isEmpty() ? label : folder + u'\\' + label;
}

QString anyPath(const Book& book, QRandomGenerator& random) {
    auto it = book.topics.begin();
    std::advance(it, random.bounded(int(book.topics.size())));
    return it->first;
}

// One side's edits: changes of text, new topics (their ids counted from the
// same FileIDCount as the other side's, so they collide), deletes, renames
// and moves.
Book edit(Book book, QRandomGenerator& random, const char* side, qint32 nextId) {
    const int steps = random.bounded(1, 12);
    for (int step = 0; step < steps; ++step) {
        const QByteArray mark = QByteArray(side) + ' ' + QByteArray::number(step);
        const int action = book.topics.empty() ? 1 : random.bounded(5);
        if (action == 0) {
            book.topics[anyPath(book, random)].text += "\n" + mark;
        } else if (action == 1) {
            const QString label = QStringLiteral("%1 %2.txt").arg(QLatin1String(side)).arg(step);
            book.topics[randomPath(random, label)] = Topic{nextId++, "new " + mark};
        } else if (action == 2) {
            book.topics.erase(anyPath(book, random));
        } else {
            const QString from = anyPath(book, random);
            const Topic topic = book.topics[from];
            const QString label =
                action == 3 ? QStringLiteral("Renamed %1.txt").arg(step) : from.section(u'\\', -1);
            const QString to = randomPath(random, label);
            if (book.topics.count(to))
                continue;
            book.topics.erase(from);
            book.topics[to] = topic;
        }
    }
    return book;
}

Book randomBase(QRandomGenerator& random) {
    Book book;
    const int topics = random.bounded(1, 10);
    for (int i = 1; i <= topics; ++i)
        book.topics[randomPath(random, QStringLiteral("T%1.txt").arg(i))] =
            Topic{i, "base " + QByteArray::number(i)};
    return book;
}

// The texts a side wrote: those of its topics that differ from what the
// base had under the same id.
std::set<QByteArray> writtenTexts(const Book& base, const Book& side) {
    std::map<qint32, QByteArray> baseText;
    for (const auto& [path, topic] : base.topics)
        baseText[topic.id] = topic.text;
    std::set<QByteArray> texts;
    for (const auto& [path, topic] : side.topics)
        if (!baseText.count(topic.id) || baseText[topic.id] != topic.text)
            texts.insert(topic.text);
    return texts;
}

TEST(RandomHistories, EveryTextWrittenOnEitherSideSurvivesTheMerge) {
    for (quint32 seed = 1; seed <= 400; ++seed) {
        QRandomGenerator random(seed);
        const Book base = randomBase(random);
        const Book ours = edit(base, random, "ours", 100);
        const Book theirs = edit(base, random, "theirs", 100);
        NotebookContent result;
        MergeReport report;
        ASSERT_TRUE(mergeNotebooks(test::contentOf(base), test::contentOf(ours),
                                   test::contentOf(theirs), result, report)
                        .ok())
            << "seed " << seed;
        const Book merged = test::bookOf(result);
        std::set<QByteArray> present;
        std::set<qint32> ids;
        for (const auto& [path, topic] : merged.topics) {
            present.insert(topic.text);
            EXPECT_TRUE(ids.insert(topic.id).second)
                << "seed " << seed << ": id " << topic.id << " twice";
            EXPECT_TRUE(result.contains(NotebookContent::topicMember(topic.id))) << "seed " << seed;
        }
        for (const Book* side : {&ours, &theirs})
            for (const QByteArray& text : writtenTexts(base, *side))
                EXPECT_TRUE(present.count(text))
                    << "seed " << seed << ": lost \"" << text.toStdString() << '"';
        // Merged again with either side as the base, nothing more changes.
        NotebookContent again;
        ASSERT_TRUE(mergeNotebooks(result, result, result, again, report).ok());
        EXPECT_FALSE(report.changed) << "seed " << seed;
        if (HasFailure())
            return;
    }
}

} // namespace
} // namespace oxlin::merge
