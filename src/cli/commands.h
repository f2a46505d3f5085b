#pragma once

#include <QStringList>

class QTemporaryDir;

namespace oxlin::tree {
class TopicTree;
struct TreeLoadNotes;
} // namespace oxlin::tree

#include <functional>
#include <vector>

namespace oxlin::store {
class PackageReader;
}
namespace oxlin::tree {
class TopicTree;
struct TreeLoadNotes;
}

namespace oxlin::cli {

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

// Each group of subcommands lives in its own file.
std::vector<Command> storeCommands();
std::vector<Command> treeCommands();
std::vector<Command> searchCommands();
std::vector<Command> rtfCommands();
std::vector<Command> transferCommands();

// Output shared by the subcommands: a line of UTF-8 on stdout, and
// "oxlin: TEXT" on stderr.
void printLine(const QString& text);
void complain(const QString& text);

// Unpacks `package` into `folder` (a fresh temporary folder), saying why not
// when it cannot.
bool unpackForReading(const QString& package, const QString& folder);

// Opens `package` for reading single members, saying why not when it cannot.
bool openForReading(const QString& package, store::PackageReader& reader);

// Reads the tree straight out of an open package (no unpacking), saying why
// not when its tree member is missing or damaged. `notes` may be null.
bool readPackageTree(const QString& package, const store::PackageReader& reader,
                     tree::TopicTree& tree, tree::TreeLoadNotes* notes);
// Unpacks `package` into `folder` (for commands that need the topic files
// too) and loads its tree, saying why not when it cannot. `notes` may be null.
bool readPackageTree(const QString& package, const QTemporaryDir& folder, tree::TopicTree& tree,
                     tree::TreeLoadNotes* notes);

// Runs one subcommand; `arguments` excludes the program name.
int run(const QStringList& arguments);

} // namespace oxlin::cli
