// The sound back end as a module of its own, loaded at run time: the audio
// libraries it needs (Qt Multimedia and the sound server's client, some
// twenty libraries) then cost nothing before the main window is on screen.
//
// A thin C interface, so that the program and the module share no more than
// these five functions. Every function is safe to call with a null handle
// and with a null or unreadable path: it then does nothing.
#pragma once

#if defined(_WIN32)
#define VORPEX_SOUND_EXPORT __declspec(dllexport)
#else
#define VORPEX_SOUND_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// A new player over the desktop's default audio device (none: silence).
// The caller owns it and ends it with vorpex_sound_free. Needs the
// QCoreApplication to exist, and is used on its thread only.
VORPEX_SOUND_EXPORT void* vorpex_sound_new();
// Reads the WAV file at `path` now, and opens the audio device if nothing
// has played yet, so that its first play starts without either delay.
VORPEX_SOUND_EXPORT void vorpex_sound_prepare(void* player, const char* path);
// Starts the WAV file at `path` and returns at once, cutting a sound still
// playing. A missing or unplayable file plays nothing.
VORPEX_SOUND_EXPORT void vorpex_sound_play(void* player, const char* path);
// Stops the sound still playing, if any.
VORPEX_SOUND_EXPORT void vorpex_sound_stop(void* player);
// Ends the player made by vorpex_sound_new; null is ignored.
VORPEX_SOUND_EXPORT void vorpex_sound_free(void* player);

}  // extern "C"
