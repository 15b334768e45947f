#!/usr/bin/env python3
"""Every command's built text and written profile, against a record.

The command list, the menu and each command without a dialog are recorded
once on the selection "abc".

For each detail command (caption with " (詳細)", and 29115) the filter runs
on the selection "abc" twice, each time on a fresh profile:
  empty  no field actions;
  full   every check box checked and every edit box given a text, found by
         trying each label the dialog offers as --text, then as --check,
         keeping what the dialog takes (labels it takes as neither are
         listed as skipped: option buttons, lists, buttons).
The check replays the actions found when the record was made (--update
finds them again), so a label that changed or went away shows as a failed
run in the difference.
The status, stdout, stderr and the profile file are recorded byte for byte
(\\r and \\ escaped so that the record reads as text).

usage: same-bytes.py TAGQUILL GOLDEN [--update]
"""
import difflib
import os
import shlex
import subprocess
import sys
import tempfile

SELECTION = b"abc"


def escape(data):
    text = data.decode("utf-8", errors="backslashreplace")
    return text.replace("\\", "\\\\").replace("\r", "\\r")


class Runner:
    def __init__(self, tool, scratch):
        self.tool = tool
        self.scratch = scratch
        self.count = 0

    def run(self, args, save=True):
        """(status, stdout, stderr, profile bytes or None) on a fresh profile."""
        self.count += 1
        profile = os.path.join(self.scratch, "p%d.ini" % self.count)
        extra = [] if save else ["--no-save"]
        p = subprocess.run([self.tool, "--profile", profile] + extra + args,
                           input=SELECTION, capture_output=True, timeout=30)
        data = None
        if os.path.exists(profile):
            with open(profile, "rb") as f:
                data = f.read()
            os.remove(profile)
        return p.returncode, p.stdout, p.stderr, data


def command_ids(r):
    """(detail ids, other ids) of the string table."""
    status, out, _, _ = r.run(["commands"], save=False)
    assert status == 0, "tagquill commands failed"
    detail, other = [], []
    for line in out.decode("utf-8").splitlines():
        num, caption = line.split("\t", 1)
        (detail if " (詳細)" in caption or num == "29115" else other).append(num)
    return detail, other


def listing(r, args):
    status, out, err, _ = r.run(args, save=False)
    return "### %s status %d\n%s\n--- stderr\n%s\n" % (" ".join(args), status, escape(out), escape(err))


def full_actions(r, cid):
    status, out, err, _ = r.run(["labels", cid], save=False)
    if status != 0:
        return [], ["(labels failed: %s)" % err.decode("utf-8", "replace").strip()]
    acts, skipped, n = [], [], 0
    for label in out.decode("utf-8").splitlines():
        n += 1
        tries = [["--text", "%s=v%d" % (label, n)], ["--text", "%s=%d" % (label, n)], ["--check", label]]
        for t in tries:
            if r.run(["run", cid] + acts + t, save=False)[0] == 0:
                acts += t
                break
        else:
            skipped.append(label)
    return acts, skipped


def record(r, cid, name, args, note=""):
    status, out, err, profile = r.run(["run", cid] + args)
    actions = "actions: %s\n" % shlex.join(args) if args else ""
    return "### %s %s status %d%s\n%s--- stdout\n%s\n--- stderr\n%s\n--- profile\n%s\n" % (
        cid, name, status, note, actions, escape(out), escape(err), "(none)" if profile is None else escape(profile))


def recorded(golden):
    """{id: (actions, skipped note)} from a record."""
    found = {}
    with open(golden, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    for i, line in enumerate(lines):
        if line.startswith("### ") and " full status " in line:
            cid = line.split()[1]
            note, acts = "", []
            j = i + 1
            if lines[j].startswith("skipped: "):
                note = "\n" + lines[j]
                j += 1
            if lines[j].startswith("actions: "):
                acts = shlex.split(lines[j][len("actions: "):])
            found[cid] = (acts, note)
    return found


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    tool, golden = sys.argv[1], sys.argv[2]
    update = "--update" in sys.argv[3:]
    replay = {} if update else recorded(golden)
    with tempfile.TemporaryDirectory() as scratch:
        r = Runner(tool, scratch)
        detail, other = command_ids(r)
        # The lists and every command without a dialog, once each.
        parts = [listing(r, ["commands"]), listing(r, ["menu"])]
        for cid in other:
            parts.append(record(r, cid, "plain", []))
        for cid in detail:
            parts.append(record(r, cid, "empty", []))
            if cid in replay:
                acts, note = replay[cid]
            else:
                acts, skipped = full_actions(r, cid)
                note = ("\nskipped: " + ", ".join(skipped)) if skipped else ""
            parts.append(record(r, cid, "full", acts, note))
        got = "".join(parts)
    if update:
        with open(golden, "w", encoding="utf-8", newline="") as f:
            f.write(got)
        print("wrote %s (%d runs)" % (golden, r.count))
        return 0
    with open(golden, encoding="utf-8", newline="") as f:
        want = f.read()
    if got == want:
        print("same bytes for every command (%d runs)" % r.count)
        return 0
    sys.stdout.writelines(difflib.unified_diff(want.splitlines(True), got.splitlines(True),
                                               "golden", "now", n=2))
    return 1


if __name__ == "__main__":
    sys.exit(main())
