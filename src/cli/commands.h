#pragma once

#include <QCoreApplication>
#include <QStringList>

class QTemporaryDir;

#include <functional>
#include <memory>
#include <vector>

namespace oxlin::search {
class SortedRows;
}
namespace oxlin::store {
class PackageReader;
}
namespace oxlin::tree {
class TopicTree;
class TreeOutline;
struct TreeLoadNotes;
} // namespace oxlin::tree

namespace oxlin::cli {

// The tool's own words, in the user's language through the programs' translations.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(oxlin::cli::Texts)
};

// Exit codes shared by every subcommand.
enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

struct Command {
    const char* name;
    const char* arguments; // shown in usage lines, e.g. "SRC DST"
    const char* summary;
    int minArguments;
    int maxArguments;
    std::function<int(const QStringList&)> action; // gets the arguments after the name
};

// The work of the commands that read rich text into documents, which needs
// QtGui. Listing, packing and title search never load it: the oxlin program
// hands these over to its companion program, which links the rich-text
// library (and so do the tests, through rich_text_commands.h).
struct RichTextCommands {
    // `oxlin rtf`, given the arguments after its name.
    std::function<int(const QStringList&)> rtf;
    // `oxlin search` over topic contents, its arguments already checked.
    std::function<int(const QString& package, const QString& keyword, bool matchCase)>
        searchContent;
    // `oxlin export ... --as FORMAT` (web pages, Markdown, PDF), given the
    // arguments after its name.
    std::function<int(const QStringList&)> exportAs;
    // `oxlin import ... --markdown`, given the arguments after its name.
    std::function<int(const QStringList&)> importMarkdown;
    // `oxlin show PACKAGE`: the tree and each topic's visible text.
    std::function<int(const QString& package)> show;
};

// Each group of subcommands lives in its own file.
std::vector<Command> storeCommands();
std::vector<Command> treeCommands();
std::vector<Command> searchCommands(const RichTextCommands& richText);
std::vector<Command> rtfCommands(const RichTextCommands& richText);
std::vector<Command> transferCommands(const RichTextCommands& richText);

// The flags that send export and import to the rich-text program.
inline constexpr char kExportAsFlag[] = "--as";
inline constexpr char kMarkdownFlag[] = "--markdown";

// Refuses, saying why, a package whose notebook is open in the application.
bool refuseWhenOpen(const QString& package);
// An item path as given on the command line: `tree` lists folders with a
// trailing "", and "" alone names the top level (an empty path).
QString itemPathArgument(QString path);

// `oxlin import` with the paths to import replaced before anything is read:
// `convert` gets them and the item path of the folder they go into, and
// returns false (having said why) to stop the import.
using ImportConversion = std::function<bool(QStringList& paths, const QString& intoPath)>;
int importConverted(const QStringList& arguments, const ImportConversion& convert);
std::vector<Command> mergeCommands(const RichTextCommands& richText);

// Output shared by the subcommands: a line of UTF-8 on stdout, and
// "oxlin: TEXT" on stderr.
void printLine(const QString& text);
void complain(const QString& text);
// A search's rows, a line each; the exit code says whether `count` found any
// and the lines were written.
int printFound(const search::SortedRows& rows, int count);

// Unpacks `package` into `folder` (a fresh temporary folder), saying why not
// when it cannot.
bool unpackForReading(const QString& package, const QString& folder);

// Opens `package` for reading single members, saying why not when it cannot.
bool openForReading(const QString& package, store::PackageReader& reader);

// Reads the tree straight out of an open package (no unpacking), saying why
// not when its tree member is missing or damaged. `notes` may be null.
bool readPackageTree(const QString& package, const store::PackageReader& reader,
                     tree::TopicTree& tree, tree::TreeLoadNotes* notes);
// The same as an outline, for commands that only list or search labels.
bool readPackageOutline(const QString& package, const store::PackageReader& reader,
                        tree::TreeOutline& outline, tree::TreeLoadNotes* notes);
// Unpacks `package` into `folder` (for commands that need the topic files
// too) and loads its tree, saying why not when it cannot. `notes` may be null.
bool readPackageTree(const QString& package, const QTemporaryDir& folder, tree::TopicTree& tree,
                     tree::TreeLoadNotes* notes);

// Runs one subcommand; `arguments` excludes the program name.
int run(const QStringList& arguments, const RichTextCommands& richText);

// The application object a program's commands run in.
using ApplicationMaker = std::function<std::unique_ptr<QCoreApplication>()>;

// What both programs' main() do: quiets Qt's start-up chatter, makes the
// application with `makeApplication` (when given), installs the translation
// for the user's language, decodes the arguments and runs the one
// subcommand. `programsFromHere` leads from this program's folder to the
// other programs' when it is installed apart from them.
int runProgram(int argc, char** argv, const RichTextCommands& richText,
               const ApplicationMaker& makeApplication = {}, const char* programsFromHere = "");

} // namespace oxlin::cli
