#!/usr/bin/env python3
"""Every picture that README.md and the help page show must exist, and every
picture in docs/screenshots/ must be shown by one of them. Each fault is named:
the document and the picture it points at, or the picture nobody shows.

    check_pictures.py [repository root]
"""
import os
import re
import sys

DOCUMENTS = ("README.md", "docs/help/help.html")
PICTURES = "docs/screenshots"
# Markdown's ![text](path) and HTML's <img ... src="path">.
REFERENCE = re.compile(r'!\[[^\]]*\]\(([^)\s]+)\)|<img\b[^>]*?\bsrc="([^"]+)"')


def main(argv):
    root = os.path.abspath(argv[0] if argv else os.path.join(os.path.dirname(__file__), "..", ".."))
    faults = []
    shown = set()
    for document in DOCUMENTS:
        path = os.path.join(root, document)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for match in REFERENCE.finditer(text):
            target = match.group(1) or match.group(2)
            if ":" in target:  # an address or a data URI, not a file here
                continue
            picture = os.path.normpath(os.path.join(os.path.dirname(path), target))
            shown.add(picture)
            if not os.path.isfile(picture):
                faults.append("%s shows %s, which does not exist" % (document, target))
    folder = os.path.join(root, PICTURES)
    for name in sorted(os.listdir(folder)):
        if os.path.join(folder, name) not in shown:
            faults.append("%s/%s is shown by neither %s" % (PICTURES, name, " nor ".join(DOCUMENTS)))
    for fault in faults:
        print("pictures: " + fault)
    if not faults:
        print("pictures: %d shown, all present, none unshown" % len(shown))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
