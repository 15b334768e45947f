#!/bin/sh
# MakeHtmlMenu under Wine against a bare loop: bench/run-menu-bench.sh build/win64
set -eu
build=$(cd "$1" && pwd)
prefix=$(mktemp -d)
trap 'WINEPREFIX=$prefix wineserver -k 2>/dev/null; rm -rf "$prefix"' EXIT
cd "$build"
WINEPREFIX=$prefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 \
  xvfb-run -a /usr/lib/wine/wine64 tqmenubench.exe
