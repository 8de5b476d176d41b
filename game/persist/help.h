// Opening the instructions document with the desktop's default viewer.
#pragma once

#include <string>

namespace vorpex {

class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Asks the desktop to open `path` and returns at once; a missing file or
  // no viewer opens nothing and reports nothing.
  virtual void open(const std::string& path) = 0;
};

// The desktop's own viewer, through QDesktopServices (no shell involved).
class DesktopOpener : public DocumentOpener {
 public:
  void open(const std::string& path) override;
};

// openHelp: `appDir` followed by TOLMIN.HTM.
void openHelp(DocumentOpener& opener, const std::string& appDir);

}  // namespace vorpex
