#include "loaded_sound_output.h"

#include <utility>

#include "program_files.h"

namespace vorpex {

LoadedSoundOutput::LoadedSoundOutput(std::string modulePath) : modulePath_(std::move(modulePath)) {}

LoadedSoundOutput::~LoadedSoundOutput() {
  if (player_) free_(player_);
}

void* LoadedSoundOutput::player() {
  if (tried_) return player_;
  tried_ = true;
  const std::string where = "The sound module " + files::describeLocation(modulePath_);
  module_.setFileName(QString::fromStdString(modulePath_));
  if (!module_.load()) {
    problem_ = where + " could not be loaded (" + module_.errorString().toStdString() + "); the game is silent.";
    return nullptr;
  }
  const auto made = reinterpret_cast<NewFn>(module_.resolve("vorpex_sound_new"));
  prepare_ = reinterpret_cast<PathFn>(module_.resolve("vorpex_sound_prepare"));
  play_ = reinterpret_cast<PathFn>(module_.resolve("vorpex_sound_play"));
  stop_ = reinterpret_cast<PlayerFn>(module_.resolve("vorpex_sound_stop"));
  free_ = reinterpret_cast<PlayerFn>(module_.resolve("vorpex_sound_free"));
  if (!made || !prepare_ || !play_ || !stop_ || !free_) {
    problem_ = where + " lacks one of its functions; the game is silent.";
    return nullptr;
  }
  player_ = made();
  if (!player_) problem_ = where + " made no player; the game is silent.";
  return player_;
}

void LoadedSoundOutput::play(const std::string& path) {
  if (void* p = player()) play_(p, path.c_str());
}

void LoadedSoundOutput::stop() {
  // Nothing can be playing before the module is loaded.
  if (player_) stop_(player_);
}

void LoadedSoundOutput::prepare(const std::string& path) {
  if (void* p = player()) prepare_(p, path.c_str());
}

}  // namespace vorpex
