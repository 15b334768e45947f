// The command-line filter: any tag command as a text filter.
#pragma once
#include <string>
#include <vector>

namespace tq::cli {

// Runs the tool with argv-style arguments on the given descriptors (the
// selection on in, the result on out, one-line messages on err); returns
// the exit status: 0 done, 1 failed (the selection came back unchanged),
// 2 a usage error (likewise), 3 built but the settings were not saved.
int Main(const std::vector<std::string>& args, int in, int out, int err);

}  // namespace tq::cli
