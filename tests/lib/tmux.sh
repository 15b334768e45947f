# Helpers for shell tests that drive a program in tmux. Set sock (the
# server's socket; the window is named tq) and screens (where shots are
# appended) before sourcing.

keys() { tmux -S "$sock" send-keys -t tq "$@"; }
screen() { tmux -S "$sock" capture-pane -p -t tq; }
# Runs the command given until it succeeds, at most 10 s.
wait_for() {
  local i
  for ((i = 0; i < 100; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
has_text() { screen | grep -qE -- "$1"; }
wait_text() { wait_for has_text "$1"; }  # regex
shot() { { echo "== $1"; screen; } >> "$screens"; }
