#pragma once

#include <ostream>
#include <string>
#include <vector>

// tavro-cli's voice commands. Each takes the arguments after its name,
// writes its answer to `out` and a one-line error to `err`, and returns the
// exit status.

// clips export DIR: writes the 91 wave resources as DIR/200.wav .. 290.wav.
int ClipsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// say SQUARE [black|white] [--volume LEVEL], or say error: the sound check.
// Plays the announcement through the audio device and prints the clips it
// played and the device, or that there was none (status 1).
int SayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
