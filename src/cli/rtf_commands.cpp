// `oxlin rtf`: its arguments are checked here, its work is the rich-text side's.
#include "cli/commands.h"

#include <cstdio>

namespace oxlin::cli {

std::vector<Command> rtfCommands(const RichTextCommands& richText) {
    return {
        {"rtf", "text FILE | rewrite IN OUT",
         QT_TRANSLATE_NOOP(
             "oxlin::cli::Texts",
             "print a topic's text, or write it back as RTF (plain text stays plain)"),
         2, 3,
         [richText](const QStringList& a) {
             const bool text = a[0] == QLatin1String("text") && a.size() == 2;
             const bool rewrite = a[0] == QLatin1String("rewrite") && a.size() == 3;
             if (text || rewrite)
                 return richText.rtf(a);
             std::fprintf(
                 stderr, "%s\n",
                 qPrintable(Texts::tr("usage: oxlin rtf text FILE | oxlin rtf rewrite IN OUT")));
             return int(kUsage);
         }},
    };
}

} // namespace oxlin::cli
