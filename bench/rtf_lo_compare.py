#!/usr/bin/env python3
# Compares LibreOffice's HTML of RTF files with its HTML of our rewrites, character by character.
"""Usage: rtf_lo_compare.py ORIGINAL_HTML_DIR REWRITTEN_HTML_DIR [--detail N]

Each NAME.html in the first folder is LibreOffice's reading of an RTF file;
the file of the same name in the second is its reading of our rewrite of it.
For every visible character (white space left out: HTML folds it) this
collects what LibreOffice shows: bold, italic, underline, strike, colour,
size, super/subscript, the paragraph's alignment and whether the paragraph is
an item of a bulleted (ul) or numbered (ol) list. The two texts are lined up
(difflib), so text that is lost or added counts against the figure too.

Prints, per file and overall, the share of the original's characters whose
text and formatting LibreOffice reads the same in both, and how many
characters differ in each attribute. --detail N prints the first N
differing characters of each file as well.
"""

import difflib
import html.parser
import os
import re
import sys

ATTRIBUTES = ("bold", "italic", "underline", "strike", "colour", "size", "vertical", "align", "list")
# Shown, but not counted in the figure: LibreOffice gives East Asian text of
# RichEdit files its own default font (it takes that font from \dbch\af
# only), so a rewrite naming the font the file chose reads as a difference.
EXTRA = ("font",)

# The HTML 'size' attribute of <font> in points, for tags without a style size.
FONT_SIZES = {"1": 8.0, "2": 10.0, "3": 12.0, "4": 14.0, "5": 18.0, "6": 24.0, "7": 36.0}

NAMED_COLOURS = {"black": "#000000", "white": "#ffffff", "red": "#ff0000", "blue": "#0000ff"}

# Paragraph-like elements whose alignment their text takes.
BLOCKS = {"p", "h1", "h2", "h3", "h4", "h5", "h6", "li", "td", "th", "div", "center", "dd", "dt", "pre"}


def parse_style(text):
    style = {}
    for part in (text or "").split(";"):
        if ":" in part:
            key, value = part.split(":", 1)
            style[key.strip().lower()] = value.strip().lower()
    return style


def colour_of(value):
    value = (value or "").strip().lower()
    value = NAMED_COLOURS.get(value, value)
    match = re.fullmatch(r"#([0-9a-f]{3})", value)
    if match:
        value = "#" + "".join(c * 2 for c in match.group(1))
    match = re.fullmatch(r"rgb\((\d+),\s*(\d+),\s*(\d+)\)", value)
    if match:
        value = "#%02x%02x%02x" % tuple(int(g) for g in match.groups())
    return value or None


def family_of(value):
    # The first family named; the generic fallback LibreOffice adds is not the font.
    return (value or "").split(",")[0].strip().strip('"\'').lower() or None


def size_of(value):
    match = re.fullmatch(r"([\d.]+)\s*pt", (value or "").strip().lower())
    return float(match.group(1)) if match else None


class Collector(html.parser.HTMLParser):
    """Visible characters of a LibreOffice HTML page with the formats they show."""

    VOID = {"br", "img", "meta", "link", "hr", "col", "input", "area", "base", "wbr"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack = []  # (tag, {attribute: value}) each element adds
        self.chars = []  # (character, {attribute: value})
        self.skip = 0    # inside <head>, <style>, <script>, <title>
        self.in_style = False
        self.rules = {}  # "tag", "tag.class" or ".class": declarations

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("head", "style", "script", "title"):
            self.skip += 1
        self.in_style = tag == "style"
        if tag in self.VOID:
            return
        self.stack.append((tag, self.formats_of(tag, attrs)))

    def handle_endtag(self, tag):
        if tag == "style":
            self.in_style = False
        if tag in ("head", "style", "script", "title"):
            self.skip = max(0, self.skip - 1)
        if tag in self.VOID:
            return
        # Close up to the innermost element of that name; stray ends are ignored.
        for i in range(len(self.stack) - 1, -1, -1):
            if self.stack[i][0] == tag:
                del self.stack[i:]
                return

    def add_rules(self, css):
        # LibreOffice writes its paragraph styles as rules for "p", "h1",
        # "p.western" and the like; text in such a paragraph shows them.
        css = re.sub(r"/\*.*?\*/", "", css, flags=re.S)
        for selectors, body in re.findall(r"([^{}]+)\{([^{}]*)\}", css):
            for selector in selectors.split(","):
                selector = selector.strip().lower()
                if re.fullmatch(r"[a-z0-9]*(\.[\w-]+)?", selector) and selector:
                    self.rules.setdefault(selector, {}).update(parse_style(body))

    def formats_of(self, tag, attrs):
        f = {}
        # Rules of the tag, then of its class, then the element's own style.
        style = dict(self.rules.get(tag, {}))
        # An element without a class shows its style's Latin-script rule
        # (LibreOffice names the class only where the script differs).
        for name in (attrs.get("class") or "western").lower().split():
            style.update(self.rules.get("." + name, {}))
            style.update(self.rules.get(tag + "." + name, {}))
        inline = parse_style(attrs.get("style"))
        if attrs.get("align"):
            style.pop("text-align", None)  # the attribute is LibreOffice's own choice for this paragraph
        style.update(inline)
        if tag in ("b", "strong"):
            f["bold"] = True
        if tag in ("i", "em"):
            f["italic"] = True
        if tag == "u":
            f["underline"] = True
        if tag in ("s", "strike", "del"):
            f["strike"] = True
        if tag == "sup":
            f["vertical"] = "super"
        if tag == "sub":
            f["vertical"] = "sub"
        if tag == "font":
            if attrs.get("color"):
                f["colour"] = colour_of(attrs["color"])
            if attrs.get("face"):
                f["font"] = family_of(attrs["face"])
            if attrs.get("size") in FONT_SIZES:
                f["size"] = FONT_SIZES[attrs["size"]]
        if tag in ("ul", "ol"):
            f["listkind"] = tag
        if tag == "li":
            f["list"] = True
        if tag in BLOCKS:
            f["block"] = True
            if attrs.get("align"):
                f["align"] = attrs["align"].lower()
        weight = style.get("font-weight")
        if weight:
            f["bold"] = weight == "bold" or weight == "bolder" or (weight.isdigit() and int(weight) >= 600)
        if style.get("font-style"):
            f["italic"] = style["font-style"] in ("italic", "oblique")
        # Lines drawn by an element's text-decoration reach all its text: a
        # "none" inside does not take them away (LibreOffice writes one for
        # "no underline" inside <strike>).
        decoration = style.get("text-decoration") or style.get("text-decoration-line") or ""
        if "underline" in decoration:
            f["underline"] = True
        if "line-through" in decoration:
            f["strike"] = True
        if style.get("font-family"):
            f["font"] = family_of(style["font-family"])
        if style.get("color"):
            f["colour"] = colour_of(style["color"])
        if size_of(style.get("font-size")) is not None:
            f["size"] = size_of(style["font-size"])
        vertical = style.get("vertical-align")
        if vertical in ("super", "sub"):
            f["vertical"] = vertical
        elif vertical == "baseline":
            f["vertical"] = None
        if style.get("text-align"):
            f["align"] = style["text-align"]
        return f

    def current(self):
        out = {"bold": False, "italic": False, "underline": False, "strike": False,
               "colour": "#000000", "size": 12.0, "font": None, "vertical": None, "align": "left", "list": "-"}
        listkind = None
        in_item = False
        for _, f in self.stack:
            if f.get("block"):
                # A paragraph's alignment is its own: an outer cell's does not reach it.
                out["align"] = "left"
            for key in ("bold", "italic", "vertical", "align"):
                if key in f:
                    out[key] = f[key]
            for key in ("underline", "strike"):
                out[key] = out[key] or f.get(key, False)
            if f.get("colour"):
                out["colour"] = f["colour"]
            if f.get("size"):
                out["size"] = f["size"]
            if f.get("font"):
                out["font"] = f["font"]
            if "listkind" in f:
                listkind = f["listkind"]
                in_item = False
            if f.get("list"):
                in_item = True
        if out["align"] in ("start", "left", "", None):
            out["align"] = "left"
        if out["align"] == "end":
            out["align"] = "right"
        if in_item and listkind:
            out["list"] = listkind
        return out

    def handle_data(self, data):
        if self.in_style:
            self.add_rules(data)
        if self.skip or not self.stack:
            return
        formats = None
        for c in data:
            if c.isspace():
                continue
            if formats is None:
                formats = self.current()
            self.chars.append((c, formats))


def read_chars(path):
    collector = Collector()
    with open(path, encoding="utf-8", errors="replace") as f:
        collector.feed(f.read())
    collector.close()
    return collector.chars


def compare(original, rewritten, detail=0, name=""):
    """Returns (characters, same, {attribute: differing count}, text lost, text added)."""
    diffs = {a: 0 for a in ATTRIBUTES + EXTRA}
    same = 0
    lost = added = 0
    shown = 0
    a = [c for c, _ in original]
    b = [c for c, _ in rewritten]
    matcher = difflib.SequenceMatcher(None, a, b, autojunk=False)
    for op, i1, i2, j1, j2 in matcher.get_opcodes():
        if op != "equal":
            lost += i2 - i1
            added += j2 - j1
            if detail and shown < detail and i2 > i1:
                print("    %s text: %r -> %r" % (name, "".join(a[i1:i2])[:60], "".join(b[j1:j2])[:60]))
                shown += 1
            continue
        for k in range(i2 - i1):
            fa = original[i1 + k][1]
            fb = rewritten[j1 + k][1]
            differing = [attr for attr in ATTRIBUTES + EXTRA if fa[attr] != fb[attr]]
            for attr in differing:
                diffs[attr] += 1
            if not [attr for attr in differing if attr in ATTRIBUTES]:
                same += 1
            if differing and detail and shown < detail:
                print("    %s %r: %s" % (name, a[i1 + k], ", ".join(
                    "%s %s -> %s" % (attr, fa[attr], fb[attr]) for attr in differing)))
                shown += 1
    return len(a), same, diffs, lost, added


def describe(attr, count):
    return "%s %d%s" % (attr, count, " (not counted)" if attr in EXTRA else "")


def main(argv):
    args = [x for x in argv[1:] if not x.startswith("--")]
    detail = 0
    if "--detail" in argv:
        detail = int(argv[argv.index("--detail") + 1])
        args = [x for x in args if x != str(detail)]
    if len(args) != 2:
        print(__doc__)
        return 2
    original_dir, rewritten_dir = args
    names = sorted(n for n in os.listdir(original_dir) if n.endswith(".html"))
    total = total_same = 0
    total_diffs = {a: 0 for a in ATTRIBUTES + EXTRA}
    total_lost = total_added = 0
    print("%-52s %7s %7s  %s" % ("file", "chars", "same%", "differences"))
    for name in names:
        rewritten_path = os.path.join(rewritten_dir, name)
        if not os.path.exists(rewritten_path):
            print("%-52s %7s %7s  %s" % (name[:-5], "-", "-", "no HTML of the rewrite"))
            continue
        chars, same, diffs, lost, added = compare(read_chars(os.path.join(original_dir, name)),
                                                  read_chars(rewritten_path), detail, name[:2])
        total += chars
        total_same += same
        total_lost += lost
        total_added += added
        for attr in ATTRIBUTES + EXTRA:
            total_diffs[attr] += diffs[attr]
        notes = [describe(attr, n) for attr, n in diffs.items() if n]
        if lost or added:
            notes.append("text -%d +%d" % (lost, added))
        percent = 100.0 * same / chars if chars else 100.0
        print("%-52s %7d %7.2f  %s" % (name[:-5], chars, percent, ", ".join(notes) or "-"))
    notes = [describe(attr, n) for attr, n in total_diffs.items() if n]
    if total_lost or total_added:
        notes.append("text -%d +%d" % (total_lost, total_added))
    percent = 100.0 * total_same / total if total else 100.0
    print("%-52s %7d %7.2f  %s" % ("OVERALL", total, percent, ", ".join(notes) or "-"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
