// Notebooks changed in two places, merged by topic and by tree item.
#pragma once

#include "core/merge/notebook_content.h"
#include "core/store/status.h"

#include <QString>
#include <QStringList>

namespace oxlin::merge {

// What a merge did that the user should hear of.
struct MergeReport {
    // Item paths (as in the result) of topics changed on both sides to
    // different content: ours stays in place, theirs is kept beside it as
    // "LABEL (other copy)".
    QStringList keptTwice;
    // Item paths of topics deleted on one side and changed on the other,
    // kept with their changes.
    QStringList keptDespiteDelete;
    int renumbered = 0;   // topics added on both sides under one id: theirs got a new id
    bool changed = false; // the result differs from ours
};

// The three-way merge: `ours` with the changes `theirs` made since `base`.
// Topics are matched by file id, folders by item path. A topic changed on one
// side takes that side's content and place; changed on both to different
// content it is kept twice; added on either side it is kept (theirs is
// renumbered when ours took its id for another topic); deleted on one side it
// goes when the other left its content alone, and stays otherwise. A folder
// deleted on one side goes when nothing that the other side keeps is left in
// it. Z.ini's keyword histories are united and FileIDCount is the larger.
// Fails (Corrupt, with the side's name as path) when a side's tree member
// does not decode; `result` is then empty.
store::Status mergeNotebooks(const NotebookContent& base, const NotebookContent& ours,
                             const NotebookContent& theirs, NotebookContent& result,
                             MergeReport& report);

// The two-way merge of two copies with no known common state: everything of
// either is kept, topics with the same id and content fold into one, the
// others are both kept.
store::Status mergeCopies(const NotebookContent& ours, const NotebookContent& theirs,
                          NotebookContent& result, MergeReport& report);

// The label of the second copy of a topic: " (other copy)" before the
// extension that says the topic's kind ("Plan.txt" gives "Plan (other copy).txt"),
// within the longest label a tree file holds.
QString otherCopyLabel(const QString& label);

} // namespace oxlin::merge
