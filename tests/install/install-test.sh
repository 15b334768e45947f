#!/bin/bash
# `cmake --install` puts every file where its tool looks for it, and the
# installed pieces work from there.
# Usage: install-test.sh BUILD_DIR
set -u
build=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0
cmake --install "$build" --prefix "$dir/usr" > "$dir/log" || { cat "$dir/log"; echo "FAIL cmake --install"; exit 1; }
for f in bin/tagquill share/man/man1/tagquill.1 \
         share/bash-completion/completions/tagquill share/zsh/site-functions/_tagquill \
         share/fish/vendor_completions.d/tagquill.fish share/emacs/site-lisp/tagquill.el \
         share/{vim/vimfiles,nvim/site}/{plugin/tagquill.vim,autoload/tagquill.vim,doc/tagquill.txt}; do
  [ -s "$dir/usr/$f" ] || { echo "FAIL not installed: $f"; fail=1; }
done
[ -x "$dir/usr/bin/tagquill" ] || { echo "FAIL bin/tagquill is not executable"; fail=1; }
# Nothing else lands (a stray build file, a backup).
extra=$(cd "$dir/usr" && find . -type f | sort | grep -cv -e '^./bin/tagquill$' -e '/tagquill\.1$' \
        -e '/completions/tagquill$' -e '/_tagquill$' -e '/tagquill\.\(fish\|el\|vim\|txt\)$')
[ "$extra" = 0 ] || { echo "FAIL unexpected files installed:"; (cd "$dir/usr" && find . -type f); fail=1; }
# The installed man page is found by man, and the binary runs.
MANPATH=$dir/usr/share/man man -w tagquill > /dev/null 2>&1 || { echo "FAIL man cannot find tagquill(1)"; fail=1; }
HOME=$dir "$dir/usr/bin/tagquill" commands | grep -q '^29021	' || { echo "FAIL installed binary"; fail=1; }
[ $fail = 0 ] && echo "install checks passed"
exit $fail
