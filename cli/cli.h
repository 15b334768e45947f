// The command-line filter: any tag command as a text filter.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace tq::cli {

// Runs the tool with argv-style arguments; returns the exit status.
int Main(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
         std::ostream& err);

}  // namespace tq::cli
