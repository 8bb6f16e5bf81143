#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit statuses of tavro-cli.
inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_FAILED =
    1; // the work could not be done: a file not written, no audio device
inline constexpr int EXIT_USAGE = 2; // bad input: the message says what is accepted

// Runs one tavro-cli command line (without the program name), writing its
// answer to `out` and a one-line error to `err`. Returns the exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
