#!/bin/bash
# Installs what a fresh Debian 12 machine lacks for building and testing.
# Usage: scripts/deps.sh [cli|all]
set -euo pipefail
what=${1:-all}
pkgs=(cmake g++ make libncurses-dev)
if [ "$what" = all ]; then
  pkgs+=(libgtest-dev libgmock-dev ccache g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 wine wine64 xvfb xauth
         locales fonts-ipafont-gothic opensp w3c-sgml-lib imagemagick x11-apps clang clang-tidy libclang-rt-dev
         libbenchmark-dev googletest tmux vim python3)
  # Node.js may come from outside Debian (with its own npm); only ask apt
  # for it when there is no npm at all.
  command -v npm > /dev/null || pkgs+=(nodejs npm)
  # Editors, shells and man page tools for the editor, completion and doc tests.
  pkgs+=(tmux emacs-nox neovim mandoc groff-base man-db zsh fish)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
  echo "installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "$what" = all ] && ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
