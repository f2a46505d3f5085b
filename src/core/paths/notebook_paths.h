// Where the data folder is, the names a notebook may have, and the paths of a
// notebook's package, working folder and files.
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

namespace oxlin::paths {

// The record of the open notebook.
struct CurrentBook {
    static constexpr int kMaxNameLength = 63;
    static constexpr char kDefaultName[] = "OxlinHelp";
    // The global show-window hotkey, fixed at Ctrl+Shift+A.
    static constexpr quint16 kShowHotkeyModifiers = 6; // control (2) | shift (4)
    static constexpr quint8 kShowHotkeyKey = 0x41;     // 'A'

    QString notebookName = QString::fromLatin1(kDefaultName);
};

// A notebook name as stored in LastBook, made usable: cut to 63 characters
// (never inside a surrogate pair). A name that is empty, that could reach
// outside the data folder ("." or "..", a "/" or "\" or NUL in it), or that
// names one of the data folder's own files ("Notebook.ini", anything
// beginning with ".") gives the default "OxlinHelp": the working folder is
// removed on close, so it must be a folder of its own inside the data folder.
QString usableNotebookName(const QString& name);

// Every path of a notebook, derived from the data folder and its name.
struct NotebookPaths {
    QString dataFolder;
    QString settingsFile;    // Notebook.ini in the data folder
    QString packageFile;     // NAME.xzz in the data folder
    QString workingFolder;   // NAME in the data folder
    QString runtimeFile;     // Z.ini
    QString searchIndexFile; // SearchIndex.ini
    QString topicIndexFile;  // TopicIndex.ini
    QString treeFile;        // Tree.ini

    static NotebookPaths forNotebook(const QString& dataFolder, const QString& notebookName);

    // The compressed companions of Tree.ini and Z.ini, found in the working
    // folder without regard to letter case.
    QString compressedTreeFile() const;
    QString compressedRuntimeFile() const;
    // The package the working folder was opened from, kept in it: topic
    // files not taken out yet are read from there.
    QString keptPackageFile() const;
};

// Where the data folder goes for an executable in `executableFolder`.
// "OxlinData" beside the executable (the portable layout: the programs and
// their notebooks move together) whenever that can be written: an existing
// "OxlinData" that is writable, or a writable executable folder to make it in.
// Otherwise (a read-only install location) "OxlinData" in
// `userDataFolder`. `isWritable` says whether a folder takes new files; it is
// a parameter so the rule can be exercised where permissions do not bind.
QString chooseDataFolder(const QString& executableFolder, const QString& userDataFolder,
                         const std::function<bool(const QString&)>& isWritable);
// Whether the folder exists and the user may create files in it.
bool isWritableFolder(const QString& folder);
// chooseDataFolder for the running executable, with the user's application
// data location (QStandardPaths::AppDataLocation) as the fallback. Needs a
// QCoreApplication whose application name is set.
QString defaultDataFolder();

inline constexpr char kDataFolderName[] = "OxlinData";
inline constexpr char kSettingsFileName[] = "Notebook.ini";
inline constexpr char kSettingsSection[] = "Notebook";
inline constexpr char kLastBookKey[] = "LastBook";
inline constexpr char kPackageExtension[] = ".xzz";
inline constexpr char kRuntimeFileName[] = "Z.ini";
inline constexpr char kCompressedRuntimeFileName[] = "Z.xtz";
inline constexpr char kTreeFileName[] = "Tree.ini";
inline constexpr char kCompressedTreeFileName[] = "Tree.xtz";
inline constexpr char kKeptPackageFileName[] = ".oxlin-base.xzz"; // not "*.xtz": never packed
inline constexpr char kSearchIndexFileName[] = "SearchIndex.ini";
inline constexpr char kTopicIndexFileName[] = "TopicIndex.ini";

} // namespace oxlin::paths
