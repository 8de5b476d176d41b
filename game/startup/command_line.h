// The game's own command-line options, read before anything else starts
// (no display is needed for them): --help and --version answer and end.
// Options of one dash are Qt's own (-platform NAME, -style NAME, ...) and
// are left to it, and so are Qt's options written with two dashes, as Qt
// accepts them (--style NAME, --reverse); any other option of two dashes
// is refused.
#pragma once

#include <string>

namespace vorpex {

struct CommandLine {
  enum class Action { play, help, version, refuse };
  Action action = Action::play;
  std::string refused;  // with refuse: the option
};

CommandLine readCommandLine(int argc, const char* const* argv);

// One line of usage, and what the program is.
std::string gameUsage();
// The program's name and version, then its licence.
std::string gameVersion();

}  // namespace vorpex
