#!/bin/bash
# Builds the command-line filter build/linux/tagquill (installing the
# compiler and CMake when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh cli
cmake --preset linux > /dev/null
cmake --build --preset linux -j"$(nproc)" --target tagquill
