#pragma once

namespace oxlin::viewer {

// The viewer's entry: the command line, the package check, the private
// working folder, the window and the event loop. Returns the exit code.
int runViewer(int argc, char* argv[]);

} // namespace oxlin::viewer
