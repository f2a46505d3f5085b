#include "viewer/viewer_rules.h"

#include "core/paths/install_layout.h"
#include "core/tree/topic_kind.h"

#include <QDir>
#include <QFileInfo>

namespace oxlin::viewer {

QString packagePathFrom(const QString& commandLine, const QString& executableFolder) {
    const qsizetype open = commandLine.indexOf(u'"');
    QString path = commandLine;
    if (open >= 0) {
        const qsizetype close = commandLine.indexOf(u'"', open + 1);
        path = close < 0 ? commandLine.mid(open + 1) : commandLine.mid(open + 1, close - open - 1);
    }
    if (commandLine.isEmpty())
        return paths::helpPackagePath(executableFolder);
    return path;
}

QString notebookNameOf(const QString& packagePath) {
    // The base name ends at the last dot, so "Plan.v2.xzz" is "Plan.v2".
    return QFileInfo(QDir::fromNativeSeparators(packagePath)).completeBaseName();
}

TopicOpening topicOpeningFor(const QString& label) {
    static const char* const kEditorExtensions[] = {".TXT", ".CPP", ".C",   ".HPP", ".H",
                                                    ".RC",  ".INI", ".LOG", ".RTF"};
    const QString extension = tree::topicExtension(label);
    if (extension.isEmpty())
        return TopicOpening::None;
    for (const char* known : kEditorExtensions)
        if (extension.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return TopicOpening::Editor;
    return TopicOpening::Application;
}

QString windowTitle(const QString& notebookName, const QString& openLabel) {
    if (openLabel.isEmpty())
        return notebookName;
    return QCoreApplication::translate("oxlin::viewer::ViewerRules", "%1 - [%2]")
        .arg(notebookName, openLabel);
}

} // namespace oxlin::viewer
