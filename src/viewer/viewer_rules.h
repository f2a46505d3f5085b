#pragma once

#include <QCoreApplication>
#include <QString>

namespace oxlin::viewer {

// The viewer's own words and numbers. The words are shown through
// `translated`.
inline constexpr char kCaption[] = QT_TRANSLATE_NOOP("oxlin::viewer::ViewerRules", "OxlinViewer");
inline constexpr char kInitialTitle[] = QT_TRANSLATE_NOOP("oxlin::viewer::ViewerRules", "Vistelo");
inline constexpr char kFileNotFound[] =
    QT_TRANSLATE_NOOP("oxlin::viewer::ViewerRules", "File not found.");
// The platform reports it as 255.
inline constexpr int kMissingPackageExitCode = -1;

// The package a command line names. The whole command line is the path; when
// it holds a double quote, the path is what follows the first one up to the
// next (or to the end). An empty command line names the help notebook of the
// programs in `executableFolder` (beside them, or in their install's data folder).
QString packagePathFrom(const QString& commandLine, const QString& executableFolder);

// The notebook's name: the package file's base name, without folder or extension.
QString notebookNameOf(const QString& packagePath);

// How a topic opens in the viewer. The viewer shows every text-like topic in
// its editor (source files, INI files and logs as well as ".txt" and ".rtf"),
// because a reader wants to see them, not start an editor for them.
enum class TopicOpening {
    Editor,      // shown in the read-only editor; the content decides plain or rich
    Application, // handed to the desktop's application for its type
    None,        // no extension: not opened
};
TopicOpening topicOpeningFor(const QString& label);

// One of the viewer's words above (kCaption, ...) in the user's language.
inline QString translated(const char* word) {
    return QCoreApplication::translate("oxlin::viewer::ViewerRules", word);
}

// "NAME", or "NAME - [LABEL]" while a topic is open.
QString windowTitle(const QString& notebookName, const QString& openLabel);

} // namespace oxlin::viewer
