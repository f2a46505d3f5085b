#include "cli/merge_commands.h"

#include "core/merge/notebook_merge.h"
#include "core/store/compressed_file.h"
#include "core/store/ini_document.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_file.h"

#include <QFileInfo>

#include <cstdio>

namespace oxlin::cli {

namespace {

bool readSide(const QString& package, merge::NotebookContent& content, bool emptyIsNothing) {
    if (emptyIsNothing && QFileInfo(package).isFile() && QFileInfo(package).size() == 0)
        return true; // no common state: the copies are merged two-way
    const store::Status read = merge::readPackageContent(package, content, true);
    if (read.ok())
        return true;
    complain(read.code() == store::Status::Code::NotFound
                 ? Texts::tr("cannot read the package %1: no such file").arg(package)
                 : Texts::tr("cannot read the package %1: it is damaged or not a "
                             "notebook package")
                       .arg(package));
    return false;
}

void printIndented(QString text) {
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.isEmpty())
        return;
    for (const QString& line : text.split(u'\n')) {
        QString shown = line;
        if (shown.endsWith(u'\r'))
            shown.chop(1);
        printLine(QStringLiteral("    ") + shown);
    }
}

} // namespace

int mergePackages(const QString& base, const QString& ours, const QString& theirs) {
    merge::NotebookContent baseContent, ourContent, theirContent, result;
    if (!readSide(base, baseContent, true) || !readSide(ours, ourContent, false) ||
        !readSide(theirs, theirContent, false)) {
        complain(Texts::tr("nothing was merged: %1 is as it was").arg(ours));
        return kFailure;
    }
    merge::MergeReport report;
    const store::Status merged =
        merge::mergeNotebooks(baseContent, ourContent, theirContent, result, report);
    if (!merged.ok()) {
        complain(Texts::tr("cannot merge: the tree of %1 is damaged; nothing was changed")
                     .arg(merged.path()));
        return kFailure;
    }
    if (report.changed) {
        const store::Status written = merge::writePackageContent(result, ours);
        if (!written.ok()) {
            complain(Texts::tr("cannot write %1: %2").arg(ours, written.toString()));
            return kFailure;
        }
    }
    for (const QString& path : report.keptTwice)
        printLine(Texts::tr("changed on both sides, kept twice: %1 (theirs as %2)")
                      .arg(path, merge::otherCopyLabel(path.section(u'\\', -1))));
    for (const QString& path : report.keptDespiteDelete)
        printLine(Texts::tr("deleted on one side and changed on the other, kept: %1").arg(path));
    return std::fflush(stdout) == 0 ? kSuccess : kFailure;
}

int showPackage(const QString& package,
                const std::function<QString(QByteArrayView stored)>& visibleText) {
    merge::NotebookContent content;
    if (!readSide(package, content, false))
        return kFailure;
    QByteArray treeText;
    content.text(QStringLiteral("Tree"), treeText);
    tree::TopicTree tree;
    tree::loadTree(tree, store::IniDocument::parse(treeText), nullptr);
    bool complete = true;
    tree.walk([&](const tree::TreeItem& item, int) {
        const QString path = tree.itemPath(item.handle);
        if (item.isFolder()) {
            printLine(path + u'\\');
            return;
        }
        printLine(path);
        const QString member = merge::NotebookContent::topicMember(item.record->fileId);
        QByteArray stored;
        if (!content.text(member, stored)) {
            printIndented(Texts::tr("(damaged)"));
            complete = false;
        } else if (tree::isSearchableLabel(item.label)) {
            printIndented(visibleText(stored));
        } else {
            printIndented(Texts::tr("(a file of %1 bytes)").arg(stored.size()));
        }
    });
    return std::fflush(stdout) == 0 && complete ? kSuccess : kFailure;
}

std::vector<Command> mergeCommands(const RichTextCommands& richText) {
    return {
        {"add", "PACKAGE ITEM\\PATH [FILE|-]",
         QT_TRANSLATE_NOOP(
             "oxlin::cli::Texts",
             "append text (a file, or the standard input) to a text topic, making it if needed"),
         2, 3,
         [](const QStringList& a) {
             return addText(a[0], a[1], a.size() > 2 ? a[2] : QStringLiteral("-"));
         }},
        {"merge", "BASE OURS THEIRS",
         QT_TRANSLATE_NOOP(
             "oxlin::cli::Texts",
             "merge the changes made since BASE in THEIRS into OURS (a git merge driver)"),
         3, 3, [](const QStringList& a) { return mergePackages(a[0], a[1], a[2]); }},
        {"show", "PACKAGE",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts",
                           "print the tree and each topic's text in tree order"),
         1, 1, [richText](const QStringList& a) { return richText.show(a[0]); }},
    };
}

} // namespace oxlin::cli
