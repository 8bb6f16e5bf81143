#pragma once

#include "cli/Commands.h"

#include <sstream>
#include <string>
#include <vector>

// One tavro-cli command line run in-process: its status and what it wrote.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunWith(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}
