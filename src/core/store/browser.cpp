#include "core/store/browser.h"

#include <QStandardPaths>

namespace oxlin::store {

QString findBrowserProgram() {
    const QString fromEnvironment = qEnvironmentVariable("BROWSER").section(QLatin1Char(':'), 0, 0);
    if (!fromEnvironment.isEmpty()) {
        const QString found = QStandardPaths::findExecutable(fromEnvironment);
        if (!found.isEmpty())
            return found;
    }
    for (const char* name : {"x-www-browser", "firefox", "chromium", "chromium-browser",
                             "google-chrome", "epiphany", "konqueror"}) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

} // namespace oxlin::store
