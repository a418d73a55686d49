#!/usr/bin/env python3
"""Checks that includes between the folders of src/ point one way.

Layers, from the top: app, then the pages, then the services, then the base.
A folder may include from its own folder and from lower layers; services may
use each other, pages never include each other, and nothing includes upwards.
A folder that is not named below fails the check, so a new folder is placed in
a layer on purpose. Prints each offending line as file:line and exits 1.
"""
import pathlib
import re
import sys

LAYERS = {
    "app": 3,
    "stopwatch": 2, "timer": 2, "settings_page": 2,
    "display": 1, "bell": 1, "triggers": 1, "settings": 1, "desktop": 1,
    "ui": 0, "base": 0,
}
PAGES = {name for name, layer in LAYERS.items() if layer == 2}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"')


def check(src: pathlib.Path) -> list:
    problems = []
    for folder in sorted(p for p in src.iterdir() if p.is_dir()):
        if folder.name not in LAYERS:
            problems.append(f"{folder}: folder has no layer in {pathlib.Path(__file__).name}")
            continue
        for path in sorted(folder.glob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                match = INCLUDE.match(line)
                if not match or match.group(1) == folder.name:
                    continue
                target = match.group(1)
                if target not in LAYERS:
                    problems.append(f"{path}:{number}: includes unknown folder: {line.strip()}")
                elif LAYERS[target] > LAYERS[folder.name]:
                    problems.append(f"{path}:{number}: includes upwards: {line.strip()}")
                elif folder.name in PAGES and target in PAGES:
                    problems.append(f"{path}:{number}: one page includes another: {line.strip()}")
    return problems


def main() -> int:
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src")
    problems = check(src)
    for problem in problems:
        print(problem)
    if problems:
        print(f"layers: {len(problems)} include(s) point the wrong way")
        return 1
    print("layers: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
