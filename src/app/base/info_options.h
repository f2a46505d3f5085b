#pragma once

#include <QString>

#include <functional>

class QCommandLineParser;

namespace oxlin::app {

// Adds a program's own description and arguments to its command-line parser.
using ConfigureOptions = std::function<void(QCommandLineParser&)>;

// Answers --help and --version (and -h, -?, --help-all, -v) before any
// window system is touched, so both work without a display: when the
// command line asks for either, this prints the answer and ends the process
// with exit status 0; an option it does not know ends it with a message and
// status 1; otherwise it returns and the program starts as usual.
void answerInfoOptions(int argc, char* argv[], const QString& applicationName,
                       const ConfigureOptions& configure);

// The version a program states: with the package that installed it, when
// one did, since the package manager then brings its updates.
QString versionText(const QString& version, const QString& executableFolder);

// The parser a program reads its command line with: its own part, then the
// help and version options.
void addStandardOptions(QCommandLineParser& options, const ConfigureOptions& configure);

} // namespace oxlin::app
