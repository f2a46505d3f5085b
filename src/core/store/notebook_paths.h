#pragma once

#include <QString>
#include <QtGlobal>

namespace oxlin::store {

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
};

// "OxlinData" beside the running executable (needs a QCoreApplication).
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
inline constexpr char kSearchIndexFileName[] = "SearchIndex.ini";
inline constexpr char kTopicIndexFileName[] = "TopicIndex.ini";

} // namespace oxlin::store
