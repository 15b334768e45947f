// Kept apart: <term.h> defines macros (lines, columns, ...) that would
// clash with ordinary names elsewhere.
#define NCURSES_NOMACROS 1
#include <curses.h>
#include <term.h>

namespace plat::term {

// The terminal stays on the screen it is on: a program that runs us as a
// filter may be on the alternate screen itself, and leaving it would drop
// it onto the wrong one.
void StayOnThisScreen() {
  if (!cur_term) return;
  enter_ca_mode = nullptr;
  exit_ca_mode = nullptr;
}

}  // namespace plat::term
