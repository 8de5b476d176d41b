// A sound file as the game plays it: the PCM samples of a RIFF WAVE file.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vorpex {

struct PcmClip {
  int sampleRate = 0;     // frames a second, 8000 to 192000
  int channels = 0;       // 1 or 2
  int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
  std::vector<uint8_t> samples;  // whole frames only
};

// Reads the bytes of a WAVE file: uncompressed PCM (format 1) of 8 or 16
// bits, one or two channels. Chunks other than "fmt " and "data" are
// skipped. Returns nothing for anything else: a truncated or malformed
// file, another encoding, or no samples. A data chunk that claims more
// bytes than the file holds is cut to what is there.
std::optional<PcmClip> readWavClip(const std::vector<uint8_t>& bytes);

}  // namespace vorpex
