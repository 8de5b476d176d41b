#include "wav_clip.h"

#include <cstring>

namespace vorpex {

namespace {
uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
bool tagIs(const uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }
}  // namespace

std::optional<PcmClip> readWavClip(const std::vector<uint8_t>& bytes) {
  const size_t size = bytes.size();
  if (size < 12 || !tagIs(&bytes[0], "RIFF") || !tagIs(&bytes[8], "WAVE")) return std::nullopt;
  PcmClip clip;
  bool haveFormat = false;
  size_t at = 12;
  while (size - at >= 8) {
    const uint8_t* chunk = &bytes[at];
    const uint32_t length = le32(chunk + 4);
    const size_t body = at + 8;
    const size_t available = size - body;
    if (tagIs(chunk, "fmt ")) {
      if (length < 16 || available < 16) return std::nullopt;
      const uint16_t format = le16(chunk + 8);
      clip.channels = le16(chunk + 10);
      clip.sampleRate = static_cast<int>(le32(chunk + 12));
      clip.bitsPerSample = le16(chunk + 22);
      if (format != 1 || (clip.channels != 1 && clip.channels != 2) ||
          (clip.bitsPerSample != 8 && clip.bitsPerSample != 16) || clip.sampleRate < 8000 ||
          clip.sampleRate > 192000)
        return std::nullopt;
      haveFormat = true;
    } else if (tagIs(chunk, "data")) {
      if (!haveFormat) return std::nullopt;
      const size_t frame = static_cast<size_t>(clip.channels) * static_cast<size_t>(clip.bitsPerSample / 8);
      size_t taken = length < available ? length : available;
      taken -= taken % frame;
      if (taken == 0) return std::nullopt;
      clip.samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(body),
                          bytes.begin() + static_cast<std::ptrdiff_t>(body + taken));
      return clip;
    }
    // Chunks are padded to an even length; one that runs past the end ends the file.
    const uint64_t next = static_cast<uint64_t>(body) + length + (length & 1);
    if (next > size) break;
    at = static_cast<size_t>(next);
  }
  return std::nullopt;
}

}  // namespace vorpex
