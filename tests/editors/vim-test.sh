#!/bin/bash
# The Vim plug-in driven by keys in a real terminal (tmux): a line-wise
# selection becomes an element in place, one undo takes it back, a bad id
# leaves the buffer alone with the message on screen, and the HTML menu runs
# its command.
# Usage: vim-test.sh EDITOR TAGQUILL SOURCE_DIR SCREEN_FILE   (EDITOR: vim or nvim)
set -u
editor=$1 tq=$2 src=$3 screens=$4
dir=$(mktemp -d)
sock=$dir/tmux.sock
trap 'tmux -S "$sock" kill-server 2>/dev/null; rm -rf "$dir"' EXIT
export HOME=$dir XDG_CONFIG_HOME=$dir/config XDG_DATA_HOME=$dir/data XDG_STATE_HOME=$dir/state
mkdir -p "$dir/pack/tq/start" "$(dirname "$screens")"
ln -s "$src/editors/vim" "$dir/pack/tq/start/tagquill"
cat > "$dir/vimrc" <<VIM
set nocompatible encoding=utf-8 noswapfile shortmess+=I cmdheight=2 laststatus=0
set packpath=$dir
let g:tagquill_program = '$tq'
VIM
printf 'abc\n' > "$dir/t.html"
: > "$screens"
fail=0

. "$src/tests/lib/tmux.sh"
# The screen's first lines are exactly the arguments.
top_is() { [ "$(screen | head -n $#)" = "$(printf '%s\n' "$@")" ]; }
expect() {  # name, then the lines the screen must start with (waited for at most 10 s)
  local name=$1; shift
  wait_for top_is "$@" || { echo "FAIL $name: the screen does not start $(printf '%q ' "$@")"; fail=1; }
}

tmux -S "$sock" -f /dev/null new-session -d -s tq -x 90 -y 10 \
  "LANG=C.UTF-8 $editor -u '$dir/vimrc' -i NONE '$dir/t.html'"
expect start abc
shot start

keys V ":Tagquill nope" Enter
wait_text "^tagquill: .*nope" || { echo "FAIL bad id: no message on screen"; fail=1; }
shot "bad id"
expect "bad id keeps the line and adds nothing" abc "~"

# A caption completes to its id.
keys Escape ":Tagquill 見出し<H1" Tab
wait_text "^:Tagquill 29021 *$" || { echo "FAIL completion: caption to id"; fail=1; }
shot "caption + Tab"
keys Escape

keys V ":Tagquill 29021" Enter
expect "h1 on its own line" "<H1>abc</H1>" "~"
shot "V :Tagquill 29021"

keys u
expect "undo in one step" abc "~"
shot undo

# The HTML menu, as gVim shows it, run by name.
keys ":TagquillMenu" Enter ":emenu HTML.見出し/段落/区切り線など(H).見出し<H2>" Enter
expect menu "<H2>abc</H2>"
shot "menu"

keys ":wq" Enter
for ((i = 0; i < 100; i++)); do tmux -S "$sock" has-session -t tq 2>/dev/null || break; sleep 0.1; done
[ "$(cat "$dir/t.html")" = "<H2>abc</H2>" ] && [ "$(wc -l < "$dir/t.html")" = 1 ] ||
  { echo "FAIL saved file: $(od -c "$dir/t.html" | head -3)"; fail=1; }
[ $fail = 0 ] && echo "$editor plug-in checks passed (screens in $screens)"
exit $fail
