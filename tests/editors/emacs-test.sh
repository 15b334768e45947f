#!/bin/bash
# tagquill.el: byte-compiles without a warning, then runs in batch mode.
# Usage: emacs-test.sh TAGQUILL SOURCE_DIR
set -u
tq=$1 src=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export HOME=$dir XDG_CONFIG_HOME=$dir/config
cp "$src/editors/emacs/tagquill.el" "$dir/"
fail=0
emacs -batch -Q --eval '(setq byte-compile-error-on-warn t)' -f batch-byte-compile "$dir/tagquill.el" ||
  { echo "FAIL byte-compile"; fail=1; }
# The ids typed at the two prompts.
printf 'nope\n29021\n' | TQ=$tq emacs -batch -Q -L "$dir" -l "$src/tests/editors/emacs-test.el" ||
  fail=1
[ $fail = 0 ] && echo "emacs package checks passed"
exit $fail
