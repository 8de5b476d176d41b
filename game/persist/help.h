// Opening the instructions document with the desktop's default viewer.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "languages.h"

namespace vorpex {

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Asks the desktop to open `path` and returns at once: true when a viewer
  // was started for it, false when nothing here can show it (no viewer
  // program). What the viewer makes of the file is its own affair.
  virtual bool open(const std::string& path) = 0;
};

// A variable of the environment that the viewer gets other than this
// process has it: `value` nullopt means unset.
struct EnvironmentVariable {
  std::string name;
  std::optional<std::string> value;
};

// The desktop's own viewer: on Linux `xdg-open`, started directly (no
// shell) in an environment of its own; elsewhere QDesktopServices.
class DesktopOpener : public DocumentOpener {
 public:
  // `viewerEnvironment`: variables the viewer gets as given here rather
  // than as this process holds them (the environment the game was started
  // with, where it changed its own).
  explicit DesktopOpener(std::vector<EnvironmentVariable> viewerEnvironment = {})
      : viewerEnvironment_(std::move(viewerEnvironment)) {}
  bool open(const std::string& path) override;

 private:
  std::vector<EnvironmentVariable> viewerEnvironment_;
};

// openHelp: the instructions in `language` (helpPath); the opener's answer.
bool openHelp(DocumentOpener& opener, const std::string& appDir, Language language = Language::english);

// The instructions document's path in the program folder `appDir`: TOLMIN.HTM
// in English, TOLMIN-DE.HTM and the like in another language where the folder
// holds that language's, else the English.
std::string helpPath(const std::string& appDir, Language language = Language::english);

}  // namespace vorpex
