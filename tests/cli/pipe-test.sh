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
for id in 29001 29005 29473 -1 2147483647; do check "id $id" "sel" "$(printf sel | "$tq" run "$id")"; done
# 64 MiB through the pipe, intact around the tags.
head -c $((64 << 20)) /dev/urandom | tr -d '\000' > "$dir/big"
{ printf '<B>'; cat "$dir/big"; printf '</B>'; } > "$dir/want"
"$tq" run 29301 < "$dir/big" > "$dir/got"
cmp -s "$dir/want" "$dir/got" || { echo "FAIL 64 MiB selection"; fail=1; }
# Remembered settings land in the default profile under XDG_CONFIG_HOME.
printf t | "$tq" run 29111 --check LANG --text LANG=ja > /dev/null
check remembered '<TITLE LANG="ja">t</TITLE>' "$(printf t | "$tq" run 29111)"
grep -q 'HEAD_111Lang = "ja"' "$dir/config/tagquill/profile.ini" || { echo "FAIL profile file"; fail=1; }
# Parallel runs on one profile lose no update.
for i in $(seq 50); do printf x | "$tq" --set "Run$i=$i" run 29021 > /dev/null & done
wait
check "parallel runs" 50 "$(grep -c '^Run[0-9]* = "[0-9]*"$' "$dir/config/tagquill/profile.ini")"
"$tq" run nope < /dev/null 2>/dev/null && { echo "FAIL bad id accepted"; fail=1; }
[ $fail = 0 ] && echo "all pipe checks passed"
exit $fail
