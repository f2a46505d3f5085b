// The work of `oxlin show`: topics' visible text, rich text included.
#include "cli/merge_commands.h"
#include "cli/rich/gui_application.h"
#include "cli/rich/rich_text_commands.h"

#include "richtext/visible_text.h"

namespace oxlin::cli {

int showNotebook(const QString& package) {
    // Only RTF with tables needs a document (and so the GUI application).
    auto app = guiApplication();
    return showPackage(package,
                       [](QByteArrayView stored) { return richtext::visibleText(stored); });
}

} // namespace oxlin::cli
