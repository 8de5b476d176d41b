// A SoundOutput that records the file names it was asked to play.
#pragma once

#include <string>
#include <vector>

#include "sounds.h"

namespace vorpex::testing {

class RecordingOutput : public SoundOutput {
 public:
  void play(const std::string& path) override { played.push_back(path.substr(path.rfind('/') + 1)); }
  void stop() override { ++stops; }
  std::vector<std::string> played;
  int stops = 0;
};

}  // namespace vorpex::testing
