// Notebooks described as item paths and texts, turned into members and back.
#pragma once

#include "core/merge/notebook_content.h"
#include "core/store/compressed_file.h"
#include "core/store/ini_document.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

namespace oxlin::test {

struct Topic {
    qint32 id = 0;
    QByteArray text;
    friend bool operator==(const Topic&, const Topic&) = default;
};

// A notebook as its topics by item path, its empty folders and its Z.ini.
struct Book {
    std::map<QString, Topic> topics;
    QStringList folders; // folders to have even without topics
    QByteArray runtime = "[RunTimeData]\r\nFileIDCount=100\r\n";
};

inline tree::ItemHandle folderAt(tree::TopicTree& tree, const QString& path) {
    tree::ItemHandle folder = tree::kTopLevel;
    if (path.isEmpty())
        return folder;
    for (const QString& label : path.split(u'\\')) {
        tree::ItemHandle found = tree::kNoItem;
        for (tree::ItemHandle child : tree.children(folder))
            if (tree.find(child)->isFolder() && tree.find(child)->label == label)
                found = child;
        folder = found ? found : tree.insertFolder(folder, tree::InsertPosition::last(), label);
    }
    return folder;
}

inline QByteArray compressed(const QByteArray& text) {
    QByteArray out;
    (void)store::compressBuffer(text, out);
    return out;
}

inline merge::NotebookContent contentOf(const Book& book) {
    tree::TopicTree tree;
    merge::NotebookContent content;
    for (const QString& folder : book.folders)
        folderAt(tree, folder);
    for (const auto& [path, topic] : book.topics) {
        const qsizetype cut = path.lastIndexOf(u'\\');
        const tree::ItemHandle parent = folderAt(tree, cut < 0 ? QString() : path.left(cut));
        tree.insertItem(parent, tree::InsertPosition::last(), path.mid(cut + 1), tree::kTextImage,
                        tree::TopicRecord{topic.id});
        content.put(merge::NotebookContent::topicMember(topic.id), compressed(topic.text));
    }
    content.put(QStringLiteral("Tree"), compressed(tree::treeFileText(tree)));
    content.put(QStringLiteral("Z"), compressed(book.runtime));
    return content;
}

// Topics by item path (a path twice gets " #2"), and every folder path.
inline Book bookOf(const merge::NotebookContent& content) {
    Book book;
    QByteArray treeText;
    content.text(QStringLiteral("Tree"), treeText);
    content.text(QStringLiteral("Z"), book.runtime);
    tree::TopicTree tree;
    tree::loadTree(tree, store::IniDocument::parse(treeText), nullptr);
    tree.walk([&](const tree::TreeItem& item, int) {
        QString path = tree.itemPath(item.handle);
        if (item.isFolder()) {
            book.folders.append(path);
            return;
        }
        while (book.topics.count(path))
            path += QStringLiteral(" #2");
        QByteArray text;
        content.text(merge::NotebookContent::topicMember(item.record->fileId), text);
        book.topics[path] = Topic{item.record->fileId, text};
    });
    return book;
}

} // namespace oxlin::test
