#!/usr/bin/env python3
"""Source rules the compiler does not check.

  ids       no bare tag command id (29000..29999) outside the command table,
            the string table and the toolbox's default list: everything
            else names them (res/commands.h).

usage: check-source.py SOURCE_DIR ids
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


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in ("ids",):
        print(__doc__)
        return 2
    root, what = sys.argv[1], sys.argv[2]
    bad = check_ids(root)
    for b in bad:
        print(b)
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
