#!/bin/sh
# Runs the end-to-end tests (tqe2e.exe) of a 64-bit Windows build under
# Wine, in a throw-away prefix, a Japanese locale and a virtual X server.
#   run-wine.sh <build dir> [gtest arguments...]
# The exit status is that of tqe2e.exe (124 when it ran out of time).
set -u

usage() { echo "usage: $0 <win64 build dir> [gtest arguments...]" >&2; exit 2; }
[ $# -ge 1 ] || usage
build=$(cd "$1" 2>/dev/null && pwd) || { echo "$0: no build directory $1" >&2; exit 2; }
shift
for f in tqe2e.exe Tagquill.dll; do
  [ -f "$build/$f" ] || { echo "$0: $build/$f is missing; build the win64 preset first" >&2; exit 2; }
done

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine) || { echo "$0: no wine64" >&2; exit 2; }
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver) || { echo "$0: no wineserver" >&2; exit 2; }
command -v xvfb-run >/dev/null || { echo "$0: no xvfb-run" >&2; exit 2; }

# Code page 932 comes from the Japanese locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || { echo "$0: cannot generate ja_JP.UTF-8" >&2; exit 2; }
fi

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tqe2e-wine.XXXXXX") || exit 2
cleanup() {
  WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null
  rm -rf "$prefix"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEARCH=win64 LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# No Mono or Gecko installer dialogs while the prefix is made.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"

cd "$build" || exit 2
# Without a window manager every closing window would wait for one to
# withdraw it; unmanaged windows close at once.
timeout 600 xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$0" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null || exit 2
  exec "$0" tqe2e.exe "$@"' "$wine" "$@"
status=$?
# Screenshots the tests left, as PNG for people to look at.
if command -v convert >/dev/null; then
  for bmp in "$build"/*.bmp; do [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"; done
fi
[ $status -eq 124 ] && echo "$0: tqe2e.exe timed out" >&2
exit $status
