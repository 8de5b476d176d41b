// The six sound effects and their switches. Playback goes through a
// SoundOutput, so that tests record instead of playing.
#pragma once

#include <array>
#include <string>

#include "game_state.h"
#include "sound_ids.h"

namespace vorpex {


class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Starts playing the file at `path` and returns at once; a sound still
  // playing is cut. A missing or unplayable file, or no audio device, plays
  // nothing and reports nothing.
  virtual void play(const std::string& path) = 0;
  // Stops the sound still playing, if any.
  virtual void stop() = 0;
};

class Sounds {
 public:
  Sounds(const GameState& state, SoundOutput& output) : state_(state), output_(output) {}

  // soundFiles: `appDir` followed by each sound's file name.
  void initSoundFiles(const std::string& appDir);
  const std::array<std::string, 6>& soundFiles() const { return files_; }

  // Plays sound `id` when switch 0 and the sound's own switch (1 + id) are
  // on (greater than 0; for SOUND_RIGHT, nonzero). Other ids play nothing.
  void playSound(int id);
  void stopSound() { output_.stop(); }

 private:
  const GameState& state_;
  SoundOutput& output_;
  std::array<std::string, 6> files_{};
};

}  // namespace vorpex
