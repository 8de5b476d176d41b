// The sound module's five functions over Windows' own asynchronous WAV
// playback (PlaySound from winmm): a sound plays from memory, and a new one
// cuts the one before, as the system's call does by itself. Each file is
// read once and kept while the player lives, since the system reads a
// sound's bytes while it plays. Without an audio device nothing is heard.
#include <windows.h>
#include <mmsystem.h>

#include <map>
#include <string>
#include <vector>

#include "file_system.h"
#include "sound_module.h"

namespace {

// The biggest sound file read (the game's are a few kilobytes).
constexpr size_t kLargestSound = 8 << 20;

class WinmmPlayer {
 public:
  ~WinmmPlayer() { stop(); }

  // The bytes of `path`, read at their first use (empty: unreadable).
  const std::vector<char>& clip(const std::string& path) {
    auto found = clips_.find(path);
    if (found != clips_.end()) return found->second;
    // The path is UTF-8, as the program passes every path; the game's own
    // reading takes it so.
    std::string read;
    std::vector<char> bytes;
    if (vorpex::LocalFileSystem().readFile(path, read, kLargestSound) == vorpex::ReadResult::ok)
      bytes.assign(read.begin(), read.end());
    return clips_.emplace(path, std::move(bytes)).first->second;
  }

  void play(const std::string& path) {
    const std::vector<char>& bytes = clip(path);
    if (bytes.empty()) return;
    PlaySoundA(bytes.data(), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
  }

  void stop() { PlaySoundA(nullptr, nullptr, 0); }

 private:
  std::map<std::string, std::vector<char>> clips_;
};

WinmmPlayer* asPlayer(void* player) { return static_cast<WinmmPlayer*>(player); }

}  // namespace

extern "C" {

void* vorpex_sound_new() { return new WinmmPlayer; }

void vorpex_sound_prepare(void* player, const char* path) {
  if (player && path) asPlayer(player)->clip(path);
}

void vorpex_sound_play(void* player, const char* path) {
  if (player && path) asPlayer(player)->play(path);
}

void vorpex_sound_stop(void* player) {
  if (player) asPlayer(player)->stop();
}

void vorpex_sound_free(void* player) { delete asPlayer(player); }

}  // extern "C"
