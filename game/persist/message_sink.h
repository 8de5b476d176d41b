// Plain message boxes (OK button, the program's title as caption) shown by
// persistence code; the window layer provides one, tests record them.
#pragma once

#include <string>

namespace vorpex {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows `text` and returns when the player has dismissed it.
  virtual void showMessage(const std::string& text) = 0;
  // Writes `detail` (what failed: a file or key and the reason) where a
  // person looking into a failure finds it (standard error in the
  // program), without showing anything. The player's box keeps its text.
  virtual void explain(const std::string& detail) { (void)detail; }
};

}  // namespace vorpex
