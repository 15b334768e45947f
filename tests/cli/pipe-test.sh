#!/bin/bash
# The command-line tool as a real filter: stdin to stdout, nothing added.
set -u
tq=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export XDG_CONFIG_HOME=$dir/config
fail=0
check() {  # name expected actual
  if [ "$2" != "$3" ]; then echo "FAIL $1: expected $(printf %q "$2") got $(printf %q "$3")"; fail=1; fi
}
check h1 "<H1>abc</H1>" "$(printf abc | "$tq" run 29021)"
check ul "$(printf '<UL>\r\nx\r\n</UL>')" "$(printf x | "$tq" run 29040)"
check a '<A HREF="a.htm">a.htm</A>' "$(printf a.htm | "$tq" run 29345)"
check "no action" "sel" "$(printf sel | "$tq" run 29001)"
# Failures give the selection back, one line on stderr, a non-zero status.
for id in 29473 -1 2147483647 nope; do
  got=$(printf sel | "$tq" run "$id" 2> "$dir/err"); rc=$?
  check "id $id" "sel" "$got"
  [ $rc != 0 ] && [ "$(wc -l < "$dir/err")" = 1 ] || { echo "FAIL id $id: status $rc"; fail=1; }
done
"$tq" run 29021 < / > /dev/null 2> "$dir/err"; rc=$?
[ $rc = 1 ] && grep -q "cannot read the selection" "$dir/err" || { echo "FAIL directory on stdin ($rc)"; fail=1; }
printf abc | "$tq" run 29021 > /dev/full 2> "$dir/err"; rc=$?
[ $rc = 1 ] && grep -q "cannot write the result" "$dir/err" || { echo "FAIL /dev/full ($rc)"; fail=1; }
# 64 MiB through the pipe, intact around the tags.
head -c $((64 << 20)) /dev/urandom | tr -d '\000' > "$dir/big"
{ printf '<B>'; cat "$dir/big"; printf '</B>'; } > "$dir/want"
"$tq" run 29301 < "$dir/big" > "$dir/got"
cmp -s "$dir/want" "$dir/got" || { echo "FAIL 64 MiB selection"; fail=1; }
# Remembered settings land in the default profile under XDG_CONFIG_HOME.
printf t | "$tq" run 29111 --check LANG --text LANG=ja > /dev/null
check remembered '<TITLE LANG="ja">t</TITLE>' "$(printf t | "$tq" run 29111)"
grep -q 'HEAD_111Lang = "ja"' "$dir/config/tagquill/profile.ini" || { echo "FAIL profile file"; fail=1; }
# The selection arrives through a pipe too (no mapping), in pieces.
{ printf 'a'; sleep 0.2; printf 'b\n'; } | "$tq" run 29021 > "$dir/got"
[ "$(cat "$dir/got")" = "<H1>ab</H1>" ] || { echo "FAIL piped selection"; fail=1; }
# Fifty runs at once on one profile, each remembering one field (the ID of
# each command that has one, then CLASS of the first few): the lock keeps
# every value.
ids=$(for id in $("$tq" commands | cut -f1); do
  printf x | "$tq" --no-save run "$id" --text ID=v 2>/dev/null | grep -q 'ID="v"' && echo "$id"; done)
runs=$( (for id in $ids; do echo "$id ID"; done; for id in $ids; do echo "$id CLASS"; done) | head -50)
[ "$(echo "$runs" | wc -l)" = 50 ] || { echo "FAIL fewer than 50 runs"; fail=1; }
while read -r id field; do printf x | "$tq" run "$id" --text "$field=$field$id" > /dev/null & done <<< "$runs"
wait
kept=0
while read -r id field; do
  printf x | "$tq" --no-save run "$id" | grep -q "$field=\"$field$id\"" && kept=$((kept + 1))
done <<< "$runs"
[ $kept = 50 ] || { echo "FAIL parallel runs kept $kept of 50 values"; fail=1; }
[ $fail = 0 ] && echo "all pipe checks passed"
exit $fail
