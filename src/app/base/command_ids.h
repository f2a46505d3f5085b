#pragma once

// Every command identifier of the Notebook application, in one place. Menus,
// accelerators, toolbars, context menus and the tray all produce these numbers
// and hand them to the one dispatch (command_router.h), which routes by range
// first and then by the menu table.

namespace oxlin::app::cmd {

// Ranges owned by one part of the program each, both ends included.
inline constexpr int TreeFirst = 1001;
inline constexpr int TreeLast = 1098;
inline constexpr int TrayFirst = 1101;
inline constexpr int TrayLast = 1198;
inline constexpr int EditingFirst = 1201;
inline constexpr int EditingLast = 1298;

// Tree commands.
inline constexpr int NewTopic = 1013;
inline constexpr int NewFolder = 1014;
inline constexpr int DeleteTopic = 1015;
inline constexpr int DeleteFolder = 1016;
inline constexpr int NewSubfolder = 1017;
inline constexpr int PasteFiles = 1018;
inline constexpr int ExportFolder = 1021;
inline constexpr int LevelUp = 1023;
inline constexpr int LevelDown = 1024;
inline constexpr int MoveUp = 1025;
inline constexpr int MoveDown = 1026;
inline constexpr int Backward = 1027;
inline constexpr int Forward = 1028;

// Tray menu commands.
inline constexpr int TrayShowHide = 1101;
inline constexpr int TrayExit = 1107;

// Editing commands: insertions, character and paragraph formats.
inline constexpr int InsertTable = 1209;
inline constexpr int InsertPicture = 1210;
inline constexpr int InsertTextFile = 1211;
inline constexpr int Font = 1229;
inline constexpr int Bold = 1230;
inline constexpr int Italic = 1231;
inline constexpr int Underline = 1232;
inline constexpr int TextColour = 1233;
inline constexpr int NumberedList = 1234;
inline constexpr int BulletList = 1235;
inline constexpr int IndentLess = 1236;
inline constexpr int IndentMore = 1237;
inline constexpr int AlignLeft = 1238;
inline constexpr int AlignCentre = 1239;
inline constexpr int AlignRight = 1240;
inline constexpr int InsertLink = 1241;

// Window commands, offered to the shell before the menu table.
inline constexpr int HideWindow = 10002;
inline constexpr int SwitchFocus = 10004;

// The menu command table.
inline constexpr int NewNotebook = 57600;
inline constexpr int OpenNotebook = 57601;
inline constexpr int Save = 57603;
inline constexpr int ImportPopup = 40015;
inline constexpr int ImportFile = 40025;
inline constexpr int ImportFolder = 40026;
inline constexpr int Export = 40016;
inline constexpr int PageSetup = 40007;
inline constexpr int Print = 57607;
inline constexpr int Exit = 57665;
inline constexpr int Undo = 57643;
inline constexpr int Redo = 57644;
inline constexpr int Cut = 57635;
inline constexpr int Copy = 57634;
inline constexpr int Paste = 57637;
inline constexpr int Find = 57636;
inline constexpr int FindNext = 40011;
inline constexpr int WordWrap = 40008;
inline constexpr int LinkToFile = 40028;
inline constexpr int LinkToTopic = 40029;
inline constexpr int DropWindow = 40034;
inline constexpr int AlwaysOnTop = 40023;
inline constexpr int KeyShortcuts = 40033;
inline constexpr int Properties = 40013;
inline constexpr int HelpTopics = 57667;
inline constexpr int About = 57664;
// Commands in a block of their own from 40101, apart from the menus' numbers
// above, so that a new command never takes a number already in use.
inline constexpr int Replace = 40101;
inline constexpr int PrintPreview = 40102;
inline constexpr int ExportPdf = 40103;
inline constexpr int LinkToWeb = 40104;
inline constexpr int SpellCheck = 40105;
inline constexpr int ShowTopicsPanel = 40106;
inline constexpr int ShowIndexPanel = 40107;
inline constexpr int ShowSearchPanel = 40108;
// File > Export As and Import Markdown, in a block of their own.
inline constexpr int ExportWebPages = 40121;
inline constexpr int ExportMarkdown = 40122;
inline constexpr int ExportNotebookPdf = 40123;
inline constexpr int ImportMarkdown = 40124;
inline constexpr int ImportMarkdownFolder = 40125;

inline constexpr int MenuTable[] = {
    NewNotebook, OpenNotebook, Save,       ImportPopup,  ImportFile,   ImportFolder,
    Export,      PageSetup,    Print,      Exit,         Undo,         Redo,
    Cut,         Copy,         Paste,      Find,         FindNext,     WordWrap,
    LinkToFile,  LinkToTopic,  DropWindow, AlwaysOnTop,  KeyShortcuts, Properties,
    HelpTopics,  About,        Replace,    PrintPreview, ExportPdf,    LinkToWeb,
    SpellCheck,  ShowTopicsPanel, ShowIndexPanel, ShowSearchPanel,
    ExportWebPages, ExportMarkdown, ExportNotebookPdf, ImportMarkdown, ImportMarkdownFolder,
};

} // namespace oxlin::app::cmd
