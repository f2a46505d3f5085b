// Writes a deterministic notebook package for the search and listing
// benchmarks: N topics (half plain text, half RTF) of mixed words, in a tree
// of folders, ~14.5 KB of text per topic and ~5.8 tree items per topic.
// Usage: notebook_gen OUT.xzz TOPICS [SEED]   (bench/search_peers.sh runs it)

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Random {
    quint32 state;
    quint32 next() { return state = state * 1664525u + 1013904223u; }
};

const char* const kWords[] = {"note", "meeting", "project", "Oxlin", "the", "and", "tree",
                              "topic", "folder", "search", "2026", "idea", "todo", "done",
                              "draft", "review", "print", "export", "budget", "travel"};

QByteArray words(Random& random, int bytes, bool rtf) {
    QByteArray text;
    text.reserve(bytes + 64);
    while (text.size() < bytes) {
        const quint32 pick = random.next() >> 20;
        if (rtf && pick % 37 == 0)
            text += "{\\b ";
        text += kWords[pick % 20];
        if (rtf && pick % 37 == 0)
            text += "}";
        if (rtf && pick % 53 == 0)
            text += " caf\\'e9";
        text += pick % 17 == 0 ? (rtf ? "\\par\r\n" : "\r\n") : " ";
    }
    return text;
}

bool writeCompressed(const QString& path, const QByteArray& content) {
    QByteArray packed;
    QFile file(path);
    return oxlin::store::compressBuffer(content, packed).ok() && file.open(QIODevice::WriteOnly) &&
           file.write(packed) == packed.size();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: notebook_gen OUT.xzz TOPICS [SEED]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const int topics = atoi(argv[2]);
    Random random{argc > 3 ? quint32(atoi(argv[3])) : 20u};
    QTemporaryDir dir;
    // Folders: 4.8 per topic, nested three deep under 40 top folders, so the
    // tree has ~5.8 items per topic (22,000 for 3,800 topics).
    const int folders = topics * 48 / 10;
    QByteArray tree;
    QList<QByteArray> sections;
    QByteArray root = "[\\]\r\n";
    int topic = 0;
    for (int top = 0; top < 40; ++top) {
        const QByteArray topName = "Area " + QByteArray::number(top);
        root += topName + "=0\r\n";
        QByteArray topSection = "[\\" + topName + "]\r\n";
        const int perTop = folders / 40;
        for (int f = 0; f < perTop; ++f) {
            const QByteArray name = "Folder " + QByteArray::number(f);
            topSection += name + "=0\r\n";
            QByteArray section = "[\\" + topName + "\\" + name + "]\r\n";
            const int here = (topics * (top * perTop + f + 1)) / (40 * perTop) - topic;
            for (int t = 0; t < here; ++t, ++topic) {
                const bool rtf = topic % 2 == 1;
                const int bytes = 4000 + int(random.next() % 21000);
                QByteArray body = words(random, bytes, rtf);
                if (rtf)
                    body = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 " +
                           body + "}";
                if (topic % 97 == 0)
                    body.insert(body.size() / 2, " Zebracorn ");
                section += "Topic " + QByteArray::number(topic) + (rtf ? ".rtf=" : ".txt=") +
                           QByteArray::number(topic + 1) + "\r\n";
                if (!writeCompressed(dir.filePath(oxlin::store::topicFileName(quint32(topic + 1))),
                                     body))
                    return 1;
            }
            sections.append(section);
        }
        sections.append(topSection);
    }
    for (const QByteArray& section : sections)
        tree += section;
    tree += root;
    if (!writeCompressed(dir.filePath("Tree.xtz"), tree) ||
        !writeCompressed(dir.filePath("Z.xtz"), "[Z]\r\nFileIDCount=" + QByteArray::number(topics) + "\r\n"))
        return 1;
    QFile::remove(out);
    return oxlin::store::packFolder(dir.path(), out).ok() ? 0 : 1;
}
