#pragma once

// Markdown files made ready for the importer of core/transfer: each `.md` or
// `.markdown` file is read (CommonMark with tables) into a document and
// written as an RTF file, so it becomes a rich-text topic with its headings,
// emphasis, lists, tables, code and links; its pictures (relative paths) are
// embedded. Relative links between the files imported together become topic
// links, links to other local files file links. The files are written into a
// mirror of what was chosen, in a folder the caller owns; every other file
// there is a symbolic link to the original, so it is imported as today.

#include <QString>
#include <QStringList>

namespace oxlin::publish {

struct MarkdownConversion {
    QStringList paths;      // what to import instead of the paths given
    QStringList unreadable; // Markdown files that could not be read (imported as files)
    int converted = 0;
    bool ok = true; // false when the mirror could not be written
};

// Whether the file name ends in ".md" or ".markdown" (any case).
bool isMarkdownFile(const QString& name);

// `intoItemPath`: the item path of the folder the import goes into (empty
// for the top level), which the topic links start from. `mirrorFolder` is
// an empty folder that must outlive the import.
MarkdownConversion convertMarkdownForImport(const QStringList& paths, const QString& intoItemPath,
                                            const QString& mirrorFolder);

} // namespace oxlin::publish
