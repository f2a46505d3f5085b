#pragma once

namespace oxlin::app {

// The program's entry: the single-instance lock, the data folder, the main
// window's creation sequence, the event loop and the exit codes.
int runNotebook(int argc, char* argv[]);

} // namespace oxlin::app
