// The program's SoundOutput: the sound module (sound_module.h), loaded from
// the program folder at the first prepare() or play(), so that nothing of
// the audio libraries is paid for before then.
//
// A module that is missing, or lacks one of its functions, leaves the game
// silent: every call then does nothing, and problem() says why (once the
// loading has been tried).
#pragma once
#include <QLibrary>
#include <string>

#include "sounds.h"

namespace vorpex {

class LoadedSoundOutput : public SoundOutput {
 public:
  // `modulePath` is the module's file; nothing is read yet.
  explicit LoadedSoundOutput(std::string modulePath);
  // Ends the player; the module stays loaded, as the audio libraries'
  // own threads may still be winding down.
  ~LoadedSoundOutput() override;
  LoadedSoundOutput(const LoadedSoundOutput&) = delete;
  LoadedSoundOutput& operator=(const LoadedSoundOutput&) = delete;

  void play(const std::string& path) override;
  void stop() override;
  // Loads the module if it is not yet, reads `path` and opens the audio
  // device, so that the first play is heard at once.
  void prepare(const std::string& path);
  // Why the game is silent: empty while the module works or has not been
  // tried, else the module's file and what failed.
  const std::string& problem() const { return problem_; }

 private:
  // The player, after loading the module at the first call; null when it
  // cannot be had.
  void* player();

  using NewFn = void* (*)();
  using PathFn = void (*)(void*, const char*);
  using PlayerFn = void (*)(void*);

  std::string modulePath_;
  QLibrary module_;
  bool tried_ = false;
  std::string problem_;
  void* player_ = nullptr;
  PathFn prepare_ = nullptr;
  PathFn play_ = nullptr;
  PlayerFn stop_ = nullptr;
  PlayerFn free_ = nullptr;
};

}  // namespace vorpex
