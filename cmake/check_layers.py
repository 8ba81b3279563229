#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

The layers, bottom to top, are the folders of src/, each with any subfolders. Each may include its own headers
and those of the layers below it; the command-line tool and the windows sit side by
side at the top and do not include each other.
"""
import pathlib
import re
import sys

LAYERS = ["base", "hand", "signdata", "playback", "convert", "shell", "gl", "gui", "cli"]
# Layers that may not see each other although one stands above the other in the list.
APART = {("cli", "gui"), ("gui", "cli"), ("shell", "gl"), ("cli", "shell")}

src = pathlib.Path(sys.argv[1])
include = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/[^"]+"', re.M)
problems = []
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    # A file's layer is the first folder under src/, whatever folders lie below it.
    parts = path.relative_to(src).parts
    layer = parts[0] if len(parts) > 1 else ""
    if layer not in LAYERS:
        problems.append(f"{path}: not in a layer folder")
        continue
    for match in include.finditer(path.read_text(encoding="utf-8")):
        target = match.group(1)
        if target not in LAYERS:
            continue
        if LAYERS.index(target) > LAYERS.index(layer) or (layer, target) in APART:
            problems.append(f"{path}: includes {match.group(0).split(chr(34))[1]} from the {target} layer above {layer}")
for problem in problems:
    print(problem, file=sys.stderr)
sys.exit(1 if problems else 0)
