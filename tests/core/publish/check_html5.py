#!/usr/bin/env python3
"""Reads every .html file below a folder with an HTML5 parser in strict mode.

Fails on the first parse error, on any script (a <script> element, an on...
attribute, a javascript: link) and on any link or picture that leads out of
the folder or to a file that is not there. Prints one line per fault.

Usage: check_html5.py FOLDER
"""
import os
import sys
import urllib.parse

import html5lib


def faults_of(path, root):
    with open(path, "rb") as f:
        try:
            document = html5lib.HTMLParser(strict=True, namespaceHTMLElements=False).parse(f)
        except html5lib.html5parser.ParseError as error:
            return [f"{path}: {error}"]
    faults = []
    for element in document.iter():
        if element.tag == "script":
            faults.append(f"{path}: a script element")
        for name, value in element.attrib.items():
            if name.lower().startswith("on"):
                faults.append(f"{path}: the attribute {name}")
            if name in ("href", "src"):
                faults += link_faults(path, root, value)
    return faults


def link_faults(path, root, value):
    url = urllib.parse.urlsplit(value)
    if url.scheme.lower() == "javascript":
        return [f"{path}: a javascript link"]
    if url.scheme or url.netloc:
        return []
    target = os.path.normpath(os.path.join(os.path.dirname(path), urllib.parse.unquote(url.path)))
    if os.path.relpath(target, root).startswith(".."):
        return [f"{path}: {value} leads out of the folder"]
    if not os.path.exists(target):
        return [f"{path}: {value} leads to nothing"]
    return []


def main():
    root = os.path.abspath(sys.argv[1])
    faults = []
    pages = 0
    for folder, _, files in os.walk(root):
        for name in files:
            if name.endswith(".html"):
                pages += 1
                faults += faults_of(os.path.join(folder, name), root)
    for fault in faults:
        print(fault)
    if pages == 0:
        print("no pages")
        return 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
