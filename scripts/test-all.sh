#!/bin/bash
# Everything CI runs: installs what is missing, builds the command-line tool,
# both Windows DLLs and the Wine test programs, then runs all tests (native
# unit tests, the pipe test, the DLL export check, the end-to-end tests
# under Wine) in one CTest run.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
scripts/deps.sh all
if [ -f tests/css/package.json ] && [ ! -d tests/css/node_modules ]; then
  (cd tests/css && npm ci --no-audit --no-fund --loglevel=error)
fi
for preset in win32 win64; do
  cmake --preset "$preset" > /dev/null
  cmake --build --preset "$preset" -j"$jobs"
done
for preset in sanitize fuzz; do
  cmake --preset "$preset" > /dev/null
  cmake --build --preset "$preset" -j"$jobs"
done
cmake --preset linux -DBUILD_TESTING=ON -DTQ_WIN32_DIR="$PWD/build/win32" -DTQ_WIN64_DIR="$PWD/build/win64" \
  -DTQ_SANITIZE_DIR="$PWD/build/sanitize" -DTQ_FUZZ_DIR="$PWD/build/fuzz" > /dev/null
cmake --build --preset linux -j"$jobs"
ctest --preset linux -j"$jobs" --timeout 900
