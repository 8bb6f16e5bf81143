#pragma once

#include <ostream>
#include <string>
#include <vector>

// tavro-cli bench [--engine-only] [--depth D] [--repeat N]: times the engine
// and the literal search on the bench suite, depth by depth, checks they
// choose the same moves, and prints the engine's node signature. Returns the
// exit status: 0, 1 when the two disagreed, 2 for bad arguments.
int BenchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
