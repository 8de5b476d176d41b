// The game's own options: answered before any window, Qt's passed on.
#include <gtest/gtest.h>

#include <vector>

#include "command_line.h"
#include "version.h"

namespace vorpex {
namespace {

TEST(CommandLine, HelpAndVersionAnswerQtsOptionsPlayAndOthersAreRefused) {
  using Action = CommandLine::Action;
  const struct {
    std::vector<const char*> arguments;
    Action action;
    const char* refused;
  } cases[] = {
      {{}, Action::play, ""},
      {{"--help"}, Action::help, ""},
      {{"-h"}, Action::help, ""},
      {{"--version"}, Action::version, ""},
      {{"-platform", "offscreen"}, Action::play, ""},
      {{"--platform", "--version"}, Action::play, ""},  // a value of Qt's, not an option
      {{"-style", "fusion", "--version"}, Action::version, ""},
      {{"--versoin"}, Action::refuse, "--versoin"},
      {{"-platform", "xcb", "--fullscreen"}, Action::refuse, "--fullscreen"},
      {{"--style", "--help", "--reverse"}, Action::play, ""},  // Qt's, as Qt takes them with two dashes
      {{"--qwindowgeometry", "800x600", "--revers"}, Action::refuse, "--revers"},
  };
  for (const auto& c : cases) {
    std::vector<const char*> argv{"arcade-vorpex"};
    argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
    const CommandLine read = readCommandLine(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(read.action, c.action) << argv.back();
    EXPECT_EQ(read.refused, c.refused) << argv.back();
  }
  EXPECT_NE(gameVersion().find(kVersion), std::string::npos);
  EXPECT_EQ(gameUsage().rfind("usage: arcade-vorpex ", 0), 0u);
}

}  // namespace
}  // namespace vorpex
