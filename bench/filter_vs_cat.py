#!/usr/bin/env python3
"""The filter beside cat on the same bytes, in one run: wall-time ratio and
peak memory as a multiple of the selection, for a file and a pipe on stdin.

    bench/filter_vs_cat.py build/linux/tagquill [MiB ...]   (default 64 256)
"""
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time


def run(cmd, stdin_path, pipe):
    """Wall seconds and peak RSS (bytes) of one run of cmd, output discarded."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    start = time.perf_counter()
    with open(stdin_path, "rb") as f, open(os.devnull, "wb") as null:
        if pipe:  # the bytes arrive through a pipe from cat
            feeder = subprocess.Popen(["cat"], stdin=f, stdout=subprocess.PIPE)
            p = subprocess.Popen(cmd, stdin=feeder.stdout, stdout=subprocess.PIPE)
            feeder.stdout.close()
        else:
            p = subprocess.Popen(cmd, stdin=f, stdout=subprocess.PIPE)
        # Read the output as a consumer would (a pipe, not /dev/null).
        while p.stdout.read(1 << 20):
            pass
        p.wait()
        if pipe:
            feeder.wait()
    wall = time.perf_counter() - start
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss * 1024
    return wall, peak if peak > before * 1024 else None


def main():
    tool = sys.argv[1]
    sizes = [int(a) for a in sys.argv[2:]] or [64, 256]
    rounds = 5
    print("| Selection | stdin | filter / cat wall (median of %d) | filter peak / selection |" % rounds)
    print("|---|---|---|---|")
    for mib in sizes:
        with tempfile.NamedTemporaryFile(delete=False) as t:
            chunk = bytes((i * 7 + 1) % 255 + 1 for i in range(1 << 20))  # no NUL
            for _ in range(mib):
                t.write(chunk)
            path = t.name
        try:
            for pipe in (False, True):
                ratios, peaks = [], []
                filt = [tool, "--no-save", "run", "29021"]
                run(filt, path, pipe)  # warm-up: page cache
                for _ in range(rounds):
                    # Each pair in turn, so drift of the machine hits both.
                    a, _ = run(filt, path, pipe)
                    b, _ = run(["cat"], path, pipe)
                    ratios.append(a / b)
                    # Peak of the filter alone, measured in a fresh child.
                    peaks.append(peak_of(filt, path, pipe))
                print("| %d MiB | %s | %.2f | %.2f |" % (mib, "pipe" if pipe else "file",
                      statistics.median(ratios), max(peaks) / (mib << 20)))
        finally:
            os.unlink(path)


def peak_of(cmd, path, pipe):
    """Peak RSS of cmd alone, from a wrapper process that waits for it."""
    code = ("import resource,subprocess,sys,os;"
            "f=open(sys.argv[1],'rb');n=open(os.devnull,'wb');"
            "src=subprocess.Popen(['cat'],stdin=f,stdout=subprocess.PIPE) if sys.argv[2]=='1' else None;"
            "p=subprocess.run(sys.argv[3:],stdin=src.stdout if src else f,stdout=n);"
            "print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss*1024)")
    out = subprocess.run([sys.executable, "-c", code, path, "1" if pipe else "0"] + cmd,
                         capture_output=True, text=True, check=True).stdout
    return int(out.split()[-1])


if __name__ == "__main__":
    main()
