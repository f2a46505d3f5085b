// The commands for notebooks kept on several machines: add, merge, show.
#pragma once

#include "cli/commands.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace oxlin::cli {

// `oxlin add PACKAGE ITEM\PATH [FILE|-]`: appends the text of FILE (or of
// the standard input) to the text topic at ITEM\PATH, making it and its
// folders when they are not there, and the package when there is none.
// Refused while the notebook is open (its working folder exists).
int addText(const QString& package, const QString& itemPath, const QString& source);

// `oxlin merge BASE OURS THEIRS`, a git merge driver: OURS becomes the
// three-way merge, a line said per topic kept twice. A 0-byte BASE (git's
// stand-in when the two sides have no common state) merges the two copies.
// Nothing is written when a package is damaged.
int mergePackages(const QString& base, const QString& ours, const QString& theirs);

// `oxlin show PACKAGE`: every item path in tree order, each topic followed by
// its visible text (from `visibleText`) indented, for `git diff` to compare.
int showPackage(const QString& package,
                const std::function<QString(QByteArrayView stored)>& visibleText);

} // namespace oxlin::cli
