// Sound playback over Qt Multimedia. One effect plays at a time: starting a
// sound stops the one before. Without an audio device nothing is heard and
// nothing is reported.
#pragma once

#include <QSoundEffect>
#include <map>
#include <memory>

#include "sounds.h"

namespace vorpex {

class QtSoundOutput : public SoundOutput {
 public:
  void play(const std::string& path) override;
  void stop() override;

 private:
  // Effects stay loaded after their first use, so that a repeat starts at once.
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace vorpex
