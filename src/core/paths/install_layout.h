#pragma once

// Where the files that come with the programs lie. A build, or a folder the
// user copied the programs into, keeps them beside the programs; a system
// install keeps them in the install's shared data folder (share/oxlin), as
// the file system's layout asks.

#include <QString>
#include <QStringList>

namespace oxlin::paths {

inline constexpr char kHelpPackageName[] = "OxlinHelp.xzz";
// The marker a system package carries: its text names the package.
inline constexpr char kPackageMarkerName[] = "installed-by-package";

// The shared data folder of an install whose programs are in `executableFolder`.
QString installDataFolder(const QString& executableFolder);
// `name` beside the programs when it is there, else in the install's data
// folder when it is there, else the path beside the programs.
QString installedFile(const QString& executableFolder, const QString& name);
// The help notebook to open: the one in the first of `uiLanguages` (as
// QLocale::uiLanguages() names them, best first) that has an installed help,
// OxlinHelp_de.xzz or OxlinHelp_zh_CN.xzz; OxlinHelp.xzz, in English, when
// none has, or when English comes first. Without `uiLanguages`, the system's.
QString helpPackagePath(const QString& executableFolder, const QStringList& uiLanguages);
QString helpPackagePath(const QString& executableFolder);

// The package that installed the programs ("Debian package"), or empty when
// no package did: a package manager, not the program, then updates them.
QString installingPackage(const QString& executableFolder);

} // namespace oxlin::paths
