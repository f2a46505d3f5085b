#pragma once

// A working folder with a tree and compressed topic files, shared by the
// index and search tests.

#include "core/paths/notebook_paths.h"
#include "core/search/keyword_search.h"
#include "core/search/topic_index.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/profile.h"
#include "core/store/stored_text.h"
#include "core/tree/tree_model.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace oxlin::test {

using tree::ItemHandle;

// Good enough for the tests: drops RTF control words and the font table and
// keeps the text, with \'xx as Windows-1252.
inline QString crudeVisibleText(const QByteArray& stored) {
    if (!store::isRichTextStream(stored))
        return store::decodeStoredText(stored);
    QByteArray body = stored;
    body.replace(QByteArray("\\par"), QByteArray("\n"));
    QString text = store::decodeWindows1252(body);
    text.remove(QRegularExpression(QStringLiteral("\\{\\\\fonttbl[^}]*\\}")));
    QRegularExpression escaped(QStringLiteral("\\\\'([0-9a-fA-F]{2})"));
    for (auto match = escaped.match(text); match.hasMatch(); match = escaped.match(text))
        text.replace(match.capturedStart(), match.capturedLength(),
                     QChar(match.captured(1).toInt(nullptr, 16)));
    text.remove(QRegularExpression(QStringLiteral("\\\\[a-zA-Z]+-?\\d* ?")));
    text.remove(QLatin1Char('{'));
    text.remove(QLatin1Char('}'));
    return text;
}

class SearchFixture : public ::testing::Test {
protected:
    SearchFixture()
        : paths_(paths::NotebookPaths::forNotebook(dir_.path(), QStringLiteral("Book"))),
          index_(profiles_, paths_), search_(profiles_, tree_, crudeVisibleText) {
        QDir().mkpath(paths_.workingFolder);
        search_.setPaths(paths_);
    }

    ItemHandle folder(ItemHandle parent, const char* label) {
        return tree_.insertFolder(parent, tree::InsertPosition::last(), QString::fromUtf8(label));
    }
    // A topic with its compressed topic file.
    ItemHandle topic(ItemHandle parent, const char* label, const QByteArray& content = {}) {
        const qint32 id = nextId_++;
        QByteArray packed;
        EXPECT_TRUE(store::compressBuffer(content, packed).ok());
        QFile file(QDir(paths_.workingFolder).filePath(store::topicFileName(quint32(id))));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(packed);
        return tree_.insertItem(parent, tree::InsertPosition::last(), QString::fromUtf8(label),
                                tree::kTextImage, tree::TopicRecord{id, 0});
    }

    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray h(ItemHandle handle) { return QByteArray::number(qint32(handle)); }
    QString fileOf(ItemHandle item) {
        return store::topicFileName(quint32(tree_.find(item)->record->fileId));
    }

    QTemporaryDir dir_;
    store::ProfileService profiles_;
    tree::TopicTree tree_;
    paths::NotebookPaths paths_;
    search::TopicIndex index_;
    search::KeywordSearch search_;
    qint32 nextId_ = 1;
};

} // namespace oxlin::test
