#include "sounds.h"

#include "program_files.h"

namespace vorpex {

void Sounds::initSoundFiles(const std::string& appDir) {
  for (size_t id = 0; id < files_.size(); ++id) files_[id] = appDir + files::kSounds[id];
}

void Sounds::playSound(int id) {
  if (id < SOUND_CLICK || id > SOUND_CLAP || state_.soundOptions[0] <= 0) return;
  const int16_t own = state_.soundOptions[static_cast<size_t>(id) + 1];
  const bool on = id == SOUND_RIGHT ? own != 0 : own > 0;
  if (on) output_.play(files_[static_cast<size_t>(id)]);
}

}  // namespace vorpex
