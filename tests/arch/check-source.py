#!/usr/bin/env python3
"""Source rules the compiler does not check.

  ids       no bare tag command id (29000..29999) outside the command table,
            the string table and the toolbox's default list: everything
            else names them (res/commands.h).
  includes  layers only point down:
              platform <- res <- dialogs/common <- dialogs <- toolbox <- app <- cli, DLL
            the three dialog folders do not include each other, and only the
            DLL's exports (and the host's side) take the public header whole.

usage: check-source.py SOURCE_DIR ids|includes
"""
import os
import re
import sys

PRODUCT = ["app", "cli", "dialogs", "platform", "res", "toolbox"]
ID_HOMES = {"res/commands.h", "res/commands.cpp", "res/string_table_data.cpp", "toolbox/tb_rules.cpp"}


def sources(root):
    for top in PRODUCT:
        for d, _, files in os.walk(os.path.join(root, top)):
            for f in sorted(files):
                if f.endswith((".cpp", ".h")):
                    path = os.path.join(d, f)
                    yield os.path.relpath(path, root), path


def code_lines(path):
    """(number, line without its // comment), skipping /* */ blocks."""
    in_block = False
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            if in_block:
                if "*/" not in line:
                    continue
                line = line.split("*/", 1)[1]
                in_block = False
            line = re.sub(r"/\*.*?\*/", "", line)
            if "/*" in line:
                line, in_block = line.split("/*", 1)[0], True
            yield n, line.split("//", 1)[0]


def check_ids(root):
    bad = []
    for rel, path in sources(root):
        if rel in ID_HOMES:
            continue
        for n, code in code_lines(path):
            for m in re.finditer(r"\b29\d{3}\b", code):
                bad.append("%s:%d: bare tag command id %s (name it in res/commands.h)" % (rel, n, m.group(0)))
    return bad


# Layer of a source file or of an included path ("plat/x.h" is the
# platform's public include directory).
LAYERS = [
    ("app/exports.cpp", 7),
    ("cli/", 6),
    ("app/", 5),
    ("toolbox/", 4),
    ("dialogs/document/", 3),
    ("dialogs/form/", 3),
    ("dialogs/style/", 3),
    ("dialogs/common/", 2),
    ("res/", 1),
    ("platform/", 0),
    ("plat/", 0),
]
LAYER_NAMES = {0: "platform", 1: "res", 2: "dialogs/common", 3: "dialogs", 4: "toolbox", 5: "app",
               6: "cli", 7: "the DLL's exports"}
# The host contract's numbers sit below everything; they are taken with
# TAGQUILL_NUMBERS_ONLY, which keeps <windows.h> out.
CONTRACT = "app/tagquill_api.h"


def layer_of(path):
    for prefix, layer in LAYERS:
        if path.startswith(prefix):
            return layer
    return None


def check_includes(root):
    bad = []
    for rel, path in sources(root):
        mine = layer_of(rel)
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        for n, line in enumerate(lines, 1):
            m = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
            if not m:
                continue
            inc = m.group(1)
            theirs = layer_of(inc)
            if theirs is None:
                continue
            if inc == CONTRACT:
                numbers_only = n > 1 and "TAGQUILL_NUMBERS_ONLY" in lines[n - 2]
                if numbers_only or mine >= 5:
                    continue
            if theirs > mine:
                bad.append("%s:%d: %s (%s) includes %s (%s), a layer above" %
                           (rel, n, rel, LAYER_NAMES[mine], inc, LAYER_NAMES[theirs]))
            elif mine == theirs == 3 and rel.split("/")[1] != inc.split("/")[1]:
                bad.append("%s:%d: includes %s from a sibling dialog folder" % (rel, n, inc))
    return bad


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in ("ids", "includes"):
        print(__doc__)
        return 2
    root, what = sys.argv[1], sys.argv[2]
    bad = check_ids(root) if what == "ids" else check_includes(root)
    for b in bad:
        print(b)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
