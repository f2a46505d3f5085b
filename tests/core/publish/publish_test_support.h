#pragma once

// A notebook made in a temporary folder for the export tests: a tree and
// the topic files it names, written as the store writes them.

#include "core/store/compressed_file.h"
#include "core/tree/topic_files.h"
#include "core/tree/tree_model.h"
#include "richtext/rtf_writer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <ostream>

// Strings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace oxlin::test {

class TestNotebook {
public:
    QString working() const { return dir_.path(); }
    tree::TopicTree& tree() { return tree_; }

    tree::ItemHandle folder(tree::ItemHandle parent, const QString& label) {
        return tree_.insertFolder(parent, tree::InsertPosition::last(), label);
    }
    tree::ItemHandle topic(tree::ItemHandle parent, const QString& label,
                           const QByteArray& content) {
        const qint32 id = nextId_++;
        QByteArray stored;
        EXPECT_TRUE(store::compressBuffer(content, stored).ok());
        QFile file(tree::topicFilePath(working(), id));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(stored);
        return tree_.insertItem(parent, tree::InsertPosition::last(), label, tree::kTextImage,
                                tree::TopicRecord{id, 0});
    }
    tree::ItemHandle richTopic(tree::ItemHandle parent, const QString& label,
                               const QTextDocument& document) {
        return topic(parent, label, richtext::writeRtf(document));
    }

private:
    QTemporaryDir dir_;
    tree::TopicTree tree_;
    qint32 nextId_ = 1;
};

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below `folder` by its path relative to it.
inline QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// The HTML5 parser's verdict on every page below `folder`: empty when all
// are valid, script-free and every local link leads to a file inside.
inline QString html5Faults(const QString& folder) {
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(QStringLiteral(OXLIN_SYSTEM_PYTHON), {QStringLiteral(OXLIN_HTML5_CHECK), folder});
    if (!checker.waitForFinished(-1))
        return QStringLiteral("the checker did not run");
    const QString said = QString::fromUtf8(checker.readAll());
    return checker.exitCode() == 0 ? QString()
                                   : said + QStringLiteral("(exit %1)").arg(checker.exitCode());
}

} // namespace oxlin::test
