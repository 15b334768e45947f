#!/bin/bash
# tagquill(1): lints clean with mandoc and groff, and names every option
# and command that `tagquill --help` offers.
# Usage: man-test.sh TAGQUILL MANPAGE
set -u
tq=$1 page=$2
fail=0
mandoc -Tlint -Wwarning "$page" || { echo "FAIL mandoc -Tlint"; fail=1; }
out=$(groff -k -man -ww -Tutf8 -z "$page" 2>&1)
[ -z "$out" ] || { echo "FAIL groff -ww:"; echo "$out"; fail=1; }
text=$(mandoc -Tutf8 "$page" | sed 's/.\x08//g')
for word in $("$tq" --help | grep -oE -- '(^|[ ,])--?[a-z][-a-z0-9]*|^ *(usage: )?tagquill( \[options\])? [a-z]+' |
              grep -oE -- '--?[a-z][-a-z0-9]*$|[a-z]+$' | sort -u); do
  grep -qE -- "(^|[^-a-z])$word([^-a-z]|$)" <<< "$text" || { echo "FAIL not in the man page: $word"; fail=1; }
done
[ $fail = 0 ] && echo "man page checks passed"
exit $fail
