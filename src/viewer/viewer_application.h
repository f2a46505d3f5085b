#pragma once

class QString;

namespace oxlin::app {
class Prompter;
}

namespace oxlin::viewer {

// When no file exists at `package`: the path, then "File not found.", each in
// its own warning box without an owner, and true; the viewer then ends with
// kMissingPackageExitCode.
bool refuseMissingPackage(const QString& package, app::Prompter& prompter);

// The viewer's entry: the command line, the package check, the private
// working folder, the window and the event loop. Returns the exit code.
int runViewer(int argc, char* argv[]);

} // namespace oxlin::viewer
