#!/bin/bash
# A bounded fuzz run from the seed corpus: no crash, leak, or hang within
# SECONDS. Longer runs: fuzz/run-bounded.sh build/fuzz/tq_fuzz 3600
set -euo pipefail
fuzzer=$1
seconds=${2:-120}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$(dirname "$0")"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
  -artifact_prefix="$work/" "$work" corpus 2>&1 | tail -15
