#include "cli/rich/rich_text_commands.h"

namespace oxlin::cli {

RichTextCommands richTextCommands() {
    return {rtfCommand, searchContent, exportAs, importMarkdown, showNotebook};
}

int run(const QStringList& arguments) {
    return run(arguments, richTextCommands());
}

} // namespace oxlin::cli
