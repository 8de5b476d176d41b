#include "command_line.h"

#include <string_view>

#include "version.h"

namespace vorpex {

CommandLine readCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "-h") return {CommandLine::Action::help, {}};
    if (option == "--version") return {CommandLine::Action::version, {}};
    if (option == "--platform") {
      ++i;  // its value is Qt's
      continue;
    }
    if (option.starts_with("--")) return {CommandLine::Action::refuse, std::string(option)};
  }
  return {};
}

std::string gameUsage() {
  return "usage: arcade-vorpex [--help | --version] [-platform NAME and Qt's other options]\n"
         "Arcade Vorpex, a word game: spell every word hidden in a rack of letters.\n";
}

std::string gameVersion() { return std::string("arcade-vorpex ") + kVersion + "\n" + kLicenceLine + "\n"; }

}  // namespace vorpex
