#pragma once

// Where the files that come with the programs lie. A build, or a folder the
// user copied the programs into, keeps them beside the programs; a system
// install keeps them in the install's shared data folder (share/oxlin), as
// the file system's layout asks.

#include <QString>

namespace oxlin::paths {

inline constexpr char kHelpPackageName[] = "OxlinHelp.xzz";
// The marker a system package carries: its text names the package.
inline constexpr char kPackageMarkerName[] = "installed-by-package";

// The shared data folder of an install whose programs are in `executableFolder`.
QString installDataFolder(const QString& executableFolder);
// `name` beside the programs when it is there, else in the install's data
// folder when it is there, else the path beside the programs.
QString installedFile(const QString& executableFolder, const QString& name);
QString helpPackagePath(const QString& executableFolder);

// The package that installed the programs ("Debian package"), or empty when
// no package did: a package manager, not the program, then updates them.
QString installingPackage(const QString& executableFolder);

} // namespace oxlin::paths
