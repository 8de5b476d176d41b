#include "command_line.h"

#include <string_view>

#include "version.h"

namespace vorpex {

namespace {
// The options Qt's application classes read, with and without a value.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowicon",
    "icon", "qwindowtitle", "title", "display", "name", "session", "style", "stylesheet", "qmljsdebugger"};
constexpr std::string_view kQtSwitches[] = {"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"};

bool among(std::string_view name, const auto& names) {
  for (const std::string_view known : names)
    if (name == known) return true;
  return false;
}
}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--help" || option == "-h") return {CommandLine::Action::help, {}};
    if (option == "--version") return {CommandLine::Action::version, {}};
    if (!option.starts_with("--")) continue;
    const std::string_view name = option.substr(2);
    if (among(name, kQtOptionsWithValue)) {
      ++i;  // its value is Qt's
    } else if (!among(name, kQtSwitches)) {
      return {CommandLine::Action::refuse, std::string(option)};
    }
  }
  return {};
}

std::string gameUsage() {
  return "usage: arcade-vorpex [--help | --version] [Qt's options: -platform NAME, -style NAME, -reverse, ...]\n"
         "Arcade Vorpex, a word game: spell every word hidden in a rack of letters.\n";
}

std::string gameVersion() { return std::string("arcade-vorpex ") + kVersion + "\n" + kLicenceLine + "\n"; }

}  // namespace vorpex
