// oxlin-rich: the oxlin commands with the rich-text library linked in.
// oxlin hands the commands that read rich text over to it, so that listing,
// packing and title search start without QtGui.

#include "cli/rich/rich_text_commands.h"

int main(int argc, char** argv) {
    return oxlin::cli::runProgram(argc, argv, oxlin::cli::richTextCommands());
}
