#include "cli/commands.h"

#include "store/compressed_file.h"
#include "store/package.h"

#include <cstdio>
#include <functional>
#include <vector>

namespace oxlin::cli {

namespace {

struct Command {
    const char* name;
    const char* arguments;
    const char* summary;
    int argumentCount;
    std::function<int(const QStringList&)> action;
};

int fromResult(int result) { return result == 1 ? kSuccess : kFailure; }

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"compress", "SRC DST", "compress a file into the notebook's gzip format", 2,
         [](const QStringList& a) { return fromResult(store::compressFile(a[0], a[1])); }},
        {"decompress", "SRC DST", "decompress a gzip (or single-entry zip) file", 2,
         [](const QStringList& a) { return fromResult(store::decompressFile(a[0], a[1])); }},
        {"pack", "FOLDER PACKAGE", "pack the .xtz files of a folder into a notebook package", 2,
         [](const QStringList& a) { return fromResult(store::packFolder(a[0], a[1])); }},
        {"unpack", "PACKAGE FOLDER", "unpack a notebook package into a folder", 2,
         [](const QStringList& a) { return fromResult(store::unpackPackage(a[1], a[0])); }},
    };
    return table;
}

void printHelp(FILE* out) {
    std::fprintf(out, "usage: oxlin COMMAND ARGUMENTS\n\ncommands:\n");
    for (const Command& command : commands())
        std::fprintf(out, "  %-10s %-16s %s\n", command.name, command.arguments, command.summary);
}

int usage(const Command* command) {
    if (command)
        std::fprintf(stderr, "usage: oxlin %s %s\n", command->name, command->arguments);
    else
        std::fprintf(stderr, "usage: oxlin COMMAND ARGUMENTS (oxlin --help lists the commands)\n");
    return kUsage;
}

} // namespace

int run(const QStringList& arguments) {
    if (arguments.isEmpty())
        return usage(nullptr);
    const QString& name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printHelp(stdout);
        return kSuccess;
    }
    for (const Command& command : commands()) {
        if (name != QLatin1String(command.name))
            continue;
        const QStringList rest = arguments.mid(1);
        if (rest.size() != command.argumentCount)
            return usage(&command);
        return command.action(rest);
    }
    return usage(nullptr);
}

} // namespace oxlin::cli
