#!/bin/bash
# Builds the command-line filter build/linux/tagquill. Needs only cmake and
# a C++17 compiler (with ncursesw's headers it also gets its terminal
# dialogs); installs them with apt when they are missing and apt is there.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v cmake > /dev/null || ! command -v g++ > /dev/null ||
   { ! [ -e /usr/include/ncursesw/ncurses.h ] && command -v apt-get > /dev/null; }; then
  if command -v apt-get > /dev/null; then
    scripts/deps.sh cli
  else
    echo "build-cli.sh: cmake and g++ are needed" >&2
    exit 1
  fi
fi
cmake --preset linux -DBUILD_TESTING=OFF > /dev/null
cmake --build --preset linux -j"$(nproc)" --target tagquill
