#!/usr/bin/env python3
# Compares the list labels LibreOffice shows in RTF files and in our rewrites of them.
"""Usage: rtf_lo_labels.py ORIGINAL_TXT_DIR REWRITTEN_TXT_DIR [--detail N]

Each NAME.txt in the first folder is LibreOffice's plain-text export of an
RTF file, the file of the same name in the second its export of our rewrite.
That export writes each list item's label before its text ("1.", "a)",
"(iii)", "•", "◦"), indented by its level. The lines of the two are lined up
(difflib on their text without the labels), and for every list item of the
original this counts whether the rewrite shows the same label at the same
indent. Prints, per file and overall, the share of list items shown the same.
"""

import difflib
import os
import re
import sys

# Indent, then a label: a number with the text around it, or one bullet glyph.
ITEM = re.compile(r"^(\s+)(\(?[0-9ivxlcdmIVXLCDMa-zA-Z]{1,6}[.)]+(?:[0-9]+[.)])*|\([0-9a-zA-Z]+\)|\S)\s+(.*)$")


def items(path):
    """(label with its indent, or None; the line's text without them) for each line."""
    out = []
    with open(path, encoding="utf-8-sig", errors="replace") as f:
        for line in f.read().splitlines():
            match = ITEM.match(line)
            if match:
                out.append((match.group(1).replace("\t", "    ") + match.group(2), match.group(3).strip()))
            else:
                out.append((None, line.strip()))
    return out


def compare(original, rewritten, detail, name):
    matcher = difflib.SequenceMatcher(None, [t for _, t in original], [t for _, t in rewritten],
                                      autojunk=False)
    partner = {}
    for block in matcher.get_matching_blocks():
        for k in range(block.size):
            partner[block.a + k] = block.b + k
    count = same = 0
    shown = 0
    for i, (label, text) in enumerate(original):
        if label is None:
            continue
        count += 1
        other = rewritten[partner[i]][0] if i in partner else "(line lost)"
        if other == label:
            same += 1
        elif shown < detail:
            shown += 1
            print("  %s: %r shows %r, was %r" % (name, text[:40], other, label))
    return count, same


def main(argv):
    args = argv[1:]
    detail = 0
    if "--detail" in args:
        i = args.index("--detail")
        detail = int(args[i + 1])
        del args[i:i + 2]
    if len(args) != 2:
        print(__doc__)
        return 2
    original_dir, rewritten_dir = args
    total = total_same = 0
    print("%-52s %7s %7s" % ("file", "items", "same%"))
    for name in sorted(n for n in os.listdir(original_dir) if n.endswith(".txt")):
        rewritten_path = os.path.join(rewritten_dir, name)
        if not os.path.exists(rewritten_path):
            continue
        count, same = compare(items(os.path.join(original_dir, name)), items(rewritten_path),
                              detail, name[:2])
        if not count:
            continue
        total += count
        total_same += same
        print("%-52s %7d %7.2f" % (name[:-4], count, 100.0 * same / count))
    print("%-52s %7d %7.2f" % ("OVERALL", total, 100.0 * total_same / total if total else 100.0))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
