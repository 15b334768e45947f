#!/bin/bash
# A shell's completion for tagquill, typed with Tab in a real terminal
# (tmux): ids (with captions where the shell shows them), field actions and
# the labels of the command's dialog.
# Usage: shell-test.sh bash|zsh|fish TAGQUILL SOURCE_DIR SCREEN_FILE
set -u
sh=$1 tq=$2 src=$3 screens=$4
dir=$(mktemp -d)
sock=$dir/tmux.sock
trap 'tmux -S "$sock" kill-server 2>/dev/null; rm -rf "$dir"' EXIT
export HOME=$dir XDG_CONFIG_HOME=$dir/config XDG_DATA_HOME=$dir/data XDG_CACHE_HOME=$dir/cache
mkdir -p "$dir/bin" "$(dirname "$screens")"
ln -s "$(realpath "$tq")" "$dir/bin/tagquill"
: > "$screens"
fail=0
case $sh in
  bash) start="bash --norc --noprofile"
        setup="PS1='$ '; source '$src/completions/tagquill.bash'" ;;
  zsh)  start="zsh -f"
        setup="PS1='$ '; fpath=('$src/completions' \$fpath); autoload -U compinit; compinit -u -d '$dir/zcd'" ;;
  fish) start="fish --no-config"
        setup="function fish_prompt; echo '$ '; end; source '$src/completions/tagquill.fish'" ;;
esac

. "$src/tests/lib/tmux.sh"
# Waits until the screen holds nothing but an empty prompt.
is_clear() { [ "$(screen | grep -v '^$')" = '$' ]; }
wait_clear() { wait_for is_clear; }
# Types $1, presses Tab ($2 times), expects regex $3 on the screen.
try() {
  keys C-u clear Enter
  wait_clear || echo "note $sh: the screen did not clear"
  keys -l "$1"
  local i
  for ((i = 0; i < $2; i++)); do keys Tab; sleep 0.2; done
  wait_text "$3" || { echo "FAIL $sh: '$1' + Tab: no $(printf %q "$3") on screen"; fail=1; }
  shot "$1 + Tab x$2"
  keys C-c
}

tmux -S "$sock" -f /dev/null new-session -d -s tq -x 120 -y 30 "env LANG=C.UTF-8 PATH='$dir/bin':\$PATH $start"
keys -l "$setup"; keys Enter
try "tagquill " 2 "commands"
try "tagquill run 2902" 2 "29029"
if [ "$sh" != bash ]; then try "tagquill run 2902" 2 "29021.*見出し<H1>"; fi
try "tagquill run 29121 --ch" 2 "--check"
try "tagquill run 29121 --check STY" 1 "--check STYLE"
try "tagquill run 29121 --text LAN" 1 "--text LANG.*="
[ $fail = 0 ] && echo "$sh completion checks passed"
exit $fail
