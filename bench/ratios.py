#!/usr/bin/env python3
"""Runs tq_bench and prints each benchmark's time as a ratio to its baseline."""
import json, subprocess, sys

exe = sys.argv[1]
out = subprocess.run([exe, "--benchmark_format=json", "--benchmark_repetitions=5",
                      "--benchmark_report_aggregates_only=true"], check=True,
                     capture_output=True, text=True).stdout
med = {b["run_name"]: b["real_time"] for b in json.loads(out)["benchmarks"]
       if b.get("aggregate_name") == "median"}
for name, t in med.items():
    base = med.get(name + "Baseline")
    if base:
        print(f"{name:20s} {t:9.2f} ms  baseline {base:9.2f} ms  ratio {t / base:.2f}")
