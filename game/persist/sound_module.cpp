// The sound module's five functions over QtSoundOutput.
#include "sound_module.h"

#include "qt_sound_output.h"

namespace {
vorpex::QtSoundOutput* asPlayer(void* player) { return static_cast<vorpex::QtSoundOutput*>(player); }
}  // namespace

extern "C" {

void* vorpex_sound_new() { return new vorpex::QtSoundOutput; }

void vorpex_sound_prepare(void* player, const char* path) {
  if (player && path) asPlayer(player)->prepare(path);
}

void vorpex_sound_play(void* player, const char* path) {
  if (player && path) asPlayer(player)->play(path);
}

void vorpex_sound_stop(void* player) {
  if (player) asPlayer(player)->stop();
}

void vorpex_sound_free(void* player) { delete asPlayer(player); }

}  // extern "C"
