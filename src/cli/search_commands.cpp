#include "cli/commands.h"

#include "search/keyword_search.h"
#include "search/topic_index.h"
#include "store/compressed_file.h"
#include "store/file_names.h"
#include "store/notebook_paths.h"
#include "store/package.h"
#include "store/profile.h"
#include "store/stored_text.h"
#include "tree/tree_file.h"
#include "tree/tree_model.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <cctype>
#include <cstdio>
#include <vector>

namespace oxlin::cli {

namespace {

void printLine(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void complain(const QString& text) {
    std::fprintf(stderr, "oxlin: %s\n", text.toLocal8Bit().constData());
}

// The visible text of a stored topic. Plain text is decoded as stored text;
// rich text loses its control words, groups that are not text (font and
// colour tables, pictures, "\*" destinations) and its escapes become the
// characters they stand for.
QString visibleText(const QByteArray& stored) {
    if (!search::isRichTextContent(stored))
        return store::decodeStoredText(stored);
    QString text;
    QByteArray ansi; // \'xx bytes, decoded together so multi-byte runs stay whole
    auto flush = [&] {
        if (!ansi.isEmpty())
            text += store::decodeWindows1252(ansi);
        ansi.clear();
    };
    std::vector<bool> skipping{false};
    int skipAfterUnicode = 0;
    const qsizetype size = stored.size();
    for (qsizetype i = 0; i < size;) {
        const char c = stored[i];
        if (c == '{') {
            skipping.push_back(skipping.back());
            ++i;
        } else if (c == '}') {
            if (skipping.size() > 1)
                skipping.pop_back();
            ++i;
        } else if (c == '\\' && i + 1 < size) {
            const char next = stored[i + 1];
            if (next == '\'' && i + 3 < size) {
                if (skipAfterUnicode > 0)
                    --skipAfterUnicode;
                else if (!skipping.back())
                    ansi += char(stored.mid(i + 2, 2).toInt(nullptr, 16));
                i += 4;
                continue;
            }
            flush();
            if (!std::isalpha(static_cast<unsigned char>(next))) {
                if (next == '*')
                    skipping.back() = true;
                else if (!skipping.back() && (next == '\\' || next == '{' || next == '}'))
                    text += QLatin1Char(next);
                i += 2;
                continue;
            }
            qsizetype j = i + 1;
            while (j < size && std::isalpha(static_cast<unsigned char>(stored[j])))
                ++j;
            const QByteArray word = stored.mid(i + 1, j - i - 1);
            qsizetype k = j;
            if (k < size && (stored[k] == '-' || std::isdigit(static_cast<unsigned char>(stored[k]))))
                ++k;
            while (k < size && std::isdigit(static_cast<unsigned char>(stored[k])))
                ++k;
            const int number = stored.mid(j, k - j).toInt();
            if (k < size && stored[k] == ' ')
                ++k;
            i = k;
            static const char* const hidden[] = {"fonttbl", "colortbl", "stylesheet", "info",
                                                 "pict", "object", "header", "footer"};
            for (const char* name : hidden)
                if (word == name)
                    skipping.back() = true;
            if (skipping.back())
                continue;
            if (word == "par" || word == "line" || word == "row")
                text += QLatin1Char('\n');
            else if (word == "tab" || word == "cell")
                text += QLatin1Char('\t');
            else if (word == "u") {
                text += QChar(char16_t(number < 0 ? number + 65536 : number));
                skipAfterUnicode = 1;
            }
        } else {
            if (c != '\r' && c != '\n' && !skipping.back()) {
                if (skipAfterUnicode > 0)
                    --skipAfterUnicode;
                else
                    ansi += c;
            }
            ++i;
            continue;
        }
        flush();
    }
    flush();
    return text;
}

// Searches a package's topics without changing the package: it is unpacked
// into a temporary folder, indexed there and searched.
int searchPackage(const QStringList& arguments) {
    QStringList positional;
    search::SearchOptions options;
    options.treeOnly = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--match-case"))
            options.matchCase = true;
        else if (argument == QLatin1String("--titles"))
            options.treeOnly = true;
        else if (argument.startsWith(QLatin1String("--")))
            return kUsage;
        else
            positional.append(argument);
    }
    if (positional.size() != 2 || positional[1].isEmpty()) {
        std::fprintf(stderr, "usage: oxlin search PACKAGE KEYWORD [--match-case] [--titles]\n");
        return kUsage;
    }
    const QString& package = positional[0];
    QTemporaryDir folder;
    if (!folder.isValid()) {
        complain(QStringLiteral("cannot create a temporary folder"));
        return kFailure;
    }
    if (!QFileInfo(package).isFile() || store::unpackPackage(folder.path(), package) != 1) {
        complain(QStringLiteral("cannot read the package %1").arg(package));
        return kFailure;
    }
    store::NotebookPaths paths;
    paths.workingFolder = folder.path();
    paths.treeFile = folder.filePath(QLatin1String(store::kTreeFileName));
    paths.runtimeFile = folder.filePath(QLatin1String(store::kRuntimeFileName));
    paths.topicIndexFile = folder.filePath(QLatin1String(store::kTopicIndexFileName));
    paths.searchIndexFile = folder.filePath(QLatin1String(store::kSearchIndexFileName));
    store::decompressFile(
        store::resolveInFolder(folder.path(), QLatin1String(store::kCompressedTreeFileName)),
        paths.treeFile);

    tree::TopicTree tree;
    tree::loadTree(tree, paths.treeFile, nullptr);
    store::ProfileService profiles;
    search::TopicIndex index(profiles, paths);
    index.rebuildNow(tree);

    search::KeywordSearch searcher(profiles, tree, visibleText);
    searcher.setPaths(paths);
    search::SortedRows rows;
    const int count = searcher.run(positional[1], options, rows).value_or(0);
    for (const auto& row : rows.rows())
        printLine(row.text);
    if (std::fflush(stdout) != 0)
        return kFailure;
    return count > 0 ? kSuccess : kFailure;
}

} // namespace

std::vector<Command> searchCommands() {
    return {
        {"search", "PACKAGE KEYWORD [--match-case] [--titles]",
         "list the topics whose text (or, with --titles, whose label) holds a keyword", 2, 4,
         searchPackage},
    };
}

} // namespace oxlin::cli
