#pragma once

#include <QStringList>

namespace oxlin::cli {

// Exit codes shared by every subcommand.
enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

// Runs one subcommand; `arguments` excludes the program name.
int run(const QStringList& arguments);

} // namespace oxlin::cli
