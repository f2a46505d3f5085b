// oxlin-rich: the oxlin commands with the rich-text library linked in.
// oxlin hands the commands that read rich text over to it, so that listing,
// packing and title search start without QtGui.

#include "cli/rich/gui_application.h"
#include "cli/rich/rich_text_commands.h"

int main(int argc, char** argv) {
    // Every command given to us reads documents, which need the GUI
    // application; made first, so that our translation goes into it.
    return oxlin::cli::runProgram(
        argc, argv, oxlin::cli::richTextCommands(),
        [] { return std::unique_ptr<QCoreApplication>(oxlin::cli::guiApplication()); },
        OXLIN_PROGRAMS_FROM_COMPANION);
}
