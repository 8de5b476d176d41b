// The game's six sounds, by id: the index of each in the sound table.
#pragma once

namespace vorpex {

enum SoundId { SOUND_CLICK = 0, SOUND_UNCLICK, SOUND_BEEP, SOUND_BEEPS, SOUND_RIGHT, SOUND_CLAP };

}  // namespace vorpex
