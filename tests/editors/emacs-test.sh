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
# A package as package.el reads it, with tagquill-run autoloaded.
emacs -batch -Q --eval "(progn (require 'package)
  (with-temp-buffer (insert-file-contents \"$dir/tagquill.el\")
    (let ((d (package-buffer-info)))
      (unless (equal (package-desc-version d) '(1 0 141)) (error \"version %S\" (package-desc-version d)))))
  (make-directory-autoloads \"$dir\" \"$dir/tagquill-autoloads.el\"))" &&
  grep -q '(autoload .tagquill-run ' "$dir/tagquill-autoloads.el" ||
  { echo "FAIL package headers or autoloads"; fail=1; }
# The ids typed at the two prompts.
printf 'nope\n29021\n' | TQ=$tq emacs -batch -Q -L "$dir" -l "$src/tests/editors/emacs-test.el" ||
  fail=1
[ $fail = 0 ] && echo "emacs package checks passed"
exit $fail
