// The commands that read rich text, run in this process: what the companion
// program and the tests use.
#pragma once

#include "cli/commands.h"

namespace oxlin::cli {

int rtfCommand(const QStringList& arguments);
int searchContent(const QStringList& packages, bool nameNotebooks, const QString& keyword,
                  bool matchCase);
int exportAs(const QStringList& arguments);
int importMarkdown(const QStringList& arguments);
int showNotebook(const QString& package);

// Every command run in this process, the rich-text ones included.
RichTextCommands richTextCommands();
int run(const QStringList& arguments);

} // namespace oxlin::cli
