#include "cli/commands.h"

#include "core/paths/notebook_paths.h"
#include "core/search/keyword_search.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/ini_document.h"
#include "core/store/package.h"
#include "core/transfer/source_files.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_outline.h"
#include "messages/translations.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <optional>

namespace oxlin::cli {

namespace {

std::vector<Command> allCommands(const RichTextCommands& richText) {
    std::vector<Command> all;
    for (std::vector<Command> commands :
         {storeCommands(), treeCommands(), transferCommands(richText), rtfCommands(richText),
          searchCommands(richText), mergeCommands(richText)})
        all.insert(all.end(), commands.begin(), commands.end());
    return all;
}

// The tool prints its own results; Qt's start-up chatter (no runtime folder
// and the like) is not one of them.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The tree member's text, or nothing (said) when it is missing or damaged.
std::optional<store::IniDocument> readTreeDocument(const QString& package,
                                                   const store::PackageReader& reader) {
    QByteArray stored, text;
    if (!reader.read(QLatin1String(paths::kCompressedTreeFileName), stored) ||
        !store::decompressBuffer(stored, text).ok()) {
        complain(Texts::tr("cannot read the tree of %1: its %2 is missing or damaged")
                     .arg(package, QLatin1String(paths::kCompressedTreeFileName)));
        return std::nullopt;
    }
    return store::IniDocument::parse(text);
}

void printHelp(const std::vector<Command>& commands) {
    // Summaries share one column; arguments too long for theirs end their
    // line, and the summary goes below, in its column, so none is pushed out.
    constexpr int kNameWidth = 10;
    constexpr int kArgumentsWidth = 24;
    printLine(Texts::tr("usage: oxlin COMMAND ARGUMENTS\n\ncommands:"));
    for (const Command& command : commands) {
        if (std::strlen(command.arguments) <= std::size_t(kArgumentsWidth)) {
            std::printf("  %-*s %-*s %s\n", kNameWidth, command.name, kArgumentsWidth,
                        command.arguments, qUtf8Printable(Texts::tr(command.summary)));
        } else {
            std::printf("  %-*s %s\n", kNameWidth, command.name, command.arguments);
            std::printf("  %*s %*s %s\n", kNameWidth, "", kArgumentsWidth, "",
                        qUtf8Printable(Texts::tr(command.summary)));
        }
    }
}

void printUsage(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int usage(const Command* command) {
    if (command)
        printUsage(Texts::tr("usage: oxlin %1 %2")
                       .arg(QLatin1String(command->name), QLatin1String(command->arguments)));
    else
        printUsage(Texts::tr("usage: oxlin COMMAND ARGUMENTS (oxlin --help lists the commands)"));
    return kUsage;
}

// The folder our translations are found from: this program's own, or the
// programs' folder when this one is installed apart from them. No
// application object exists yet to ask.
QString programsFolder(const char* programsFromHere) {
    const QString own =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
    if (!*programsFromHere ||
        QFileInfo::exists(QDir(own).filePath(QLatin1String(messages::kTranslationsFolderName))))
        return own;
    return QDir::cleanPath(QDir(own).filePath(QLatin1String(programsFromHere)));
}

// Our texts in the user's language. Translators need an application object,
// which takes milliseconds to make, so one is made, when the program has
// none, only when there is a translation to install: in English the tool
// starts as fast as without one.
std::unique_ptr<QCoreApplication> speakUsersLanguage(const char* programsFromHere) {
    std::unique_ptr<QTranslator> translation =
        messages::loadTranslation(programsFolder(programsFromHere));
    if (!translation)
        return nullptr;
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "oxlin";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    translation->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translation.release());
    return app;
}

} // namespace

void printLine(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

int printFound(const search::SortedRows& rows, int count) {
    for (const auto& row : rows.rows())
        printLine(row.text);
    if (std::fflush(stdout) != 0)
        return kFailure;
    return count > 0 ? kSuccess : kFailure;
}

void complain(const QString& text) {
    std::fprintf(stderr, "oxlin: %s\n", text.toLocal8Bit().constData());
}

bool unpackForReading(const QString& package, const QString& folder) {
    if (folder.isEmpty()) {
        complain(Texts::tr("cannot create a temporary folder"));
        return false;
    }
    if (!QFileInfo(package).isFile()) {
        complain(Texts::tr("cannot read the package %1: no such file").arg(package));
        return false;
    }
    if (!store::unpackPackage(folder, package).ok()) {
        complain(Texts::tr("cannot read the package %1: it is damaged or not a notebook package")
                     .arg(package));
        return false;
    }
    return true;
}

bool openForReading(const QString& package, store::PackageReader& reader) {
    if (!QFileInfo(package).isFile()) {
        complain(Texts::tr("cannot read the package %1: no such file").arg(package));
        return false;
    }
    if (!reader.open(package)) {
        complain(Texts::tr("cannot read the package %1: it is damaged or not a notebook package")
                     .arg(package));
        return false;
    }
    return true;
}

bool readPackageTree(const QString& package, const store::PackageReader& reader,
                     tree::TopicTree& tree, tree::TreeLoadNotes* notes) {
    const std::optional<store::IniDocument> document = readTreeDocument(package, reader);
    if (document)
        tree::loadTree(tree, *document, nullptr, notes);
    return document.has_value();
}

bool readPackageOutline(const QString& package, const store::PackageReader& reader,
                        tree::TreeOutline& outline, tree::TreeLoadNotes* notes) {
    const std::optional<store::IniDocument> document = readTreeDocument(package, reader);
    if (document)
        outline = tree::TreeOutline::read(*document, notes);
    return document.has_value();
}

bool readPackageTree(const QString& package, const QTemporaryDir& folder, tree::TopicTree& tree,
                     tree::TreeLoadNotes* notes) {
    if (!unpackForReading(package, folder.isValid() ? folder.path() : QString()))
        return false;
    const QString treeFile = folder.filePath(QLatin1String(paths::kTreeFileName));
    if (!store::decompressFile(
             store::resolveInFolder(folder.path(), QLatin1String(paths::kCompressedTreeFileName)),
             treeFile)
             .ok()) {
        complain(Texts::tr("cannot read the tree of %1: its %2 is missing or damaged")
                     .arg(package, QLatin1String(paths::kCompressedTreeFileName)));
        return false;
    }
    if (!tree::loadTree(tree, treeFile, nullptr, notes)) {
        complain(Texts::tr("cannot read the tree of %1").arg(package));
        return false;
    }
    return true;
}

int run(const QStringList& arguments, const RichTextCommands& richText) {
    if (arguments.isEmpty())
        return usage(nullptr);
    const std::vector<Command> commands = allCommands(richText);
    const QString& name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printHelp(commands);
        return kSuccess;
    }
    if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
        std::printf("oxlin %s\n", OXLIN_VERSION);
        return std::fflush(stdout) == 0 ? kSuccess : kFailure;
    }
    for (const Command& command : commands) {
        if (name != QLatin1String(command.name))
            continue;
        const QStringList rest = arguments.mid(1);
        if (rest.size() < command.minArguments || rest.size() > command.maxArguments)
            return usage(&command);
        // A topic or tree too big for memory ends the command with a message,
        // never with an abort.
        try {
            return command.action(rest);
        } catch (const std::bad_alloc&) {
            complain(Texts::tr("%1: out of memory").arg(name));
            return kFailure;
        }
    }
    return usage(nullptr);
}

int runProgram(int argc, char** argv, const RichTextCommands& richText,
               const ApplicationMaker& makeApplication, const char* programsFromHere) {
    qInstallMessageHandler(quietMessages);
    const std::unique_ptr<QCoreApplication> made = makeApplication ? makeApplication() : nullptr;
    const std::unique_ptr<QCoreApplication> app = speakUsersLanguage(programsFromHere);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        // A path need not be UTF-8: its bytes are kept for the commands that open it.
        arguments.append(transfer::decodeNativePath(argv[i]));
    return run(arguments, richText);
}

} // namespace oxlin::cli
