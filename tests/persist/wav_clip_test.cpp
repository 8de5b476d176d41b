// Reading sound files: a good WAVE file gives its samples; a damaged or
// foreign one gives nothing rather than noise or a read past the end.
#include <gtest/gtest.h>

#include <string>

#include "wav_clip.h"

namespace vorpex {
namespace {

void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void putTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

// A WAVE file of `samples`, with an optional extra chunk before the data.
std::vector<uint8_t> wave(const std::vector<uint8_t>& samples, uint16_t format = 1, uint16_t channels = 1,
                          uint16_t bits = 16, uint32_t rate = 22050, bool extraChunk = false) {
  std::vector<uint8_t> out;
  putTag(out, "RIFF");
  put32(out, 0);  // the whole length; readers need not trust it
  putTag(out, "WAVE");
  putTag(out, "fmt ");
  put32(out, 16);
  put16(out, format);
  put16(out, channels);
  put32(out, rate);
  put32(out, rate * channels * bits / 8);
  put16(out, static_cast<uint16_t>(channels * bits / 8));
  put16(out, bits);
  if (extraChunk) {
    putTag(out, "LIST");
    put32(out, 3);
    out.insert(out.end(), {1, 2, 3, 0});  // odd length, padded
  }
  putTag(out, "data");
  put32(out, static_cast<uint32_t>(samples.size()));
  out.insert(out.end(), samples.begin(), samples.end());
  return out;
}

TEST(WavClip, ReadsTheSamplesAndFormatPastOtherChunks) {
  const std::vector<uint8_t> samples = {1, 2, 3, 4, 5, 6};
  for (const bool extra : {false, true}) {
    const auto clip = readWavClip(wave(samples, 1, 1, 16, 22050, extra));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->samples, samples);
    EXPECT_EQ(clip->sampleRate, 22050);
    EXPECT_EQ(clip->channels, 1);
    EXPECT_EQ(clip->bitsPerSample, 16);
  }
}

TEST(WavClip, DataLongerThanTheFileIsCutToWholeFramesThere) {
  auto bytes = wave({1, 2, 3, 4, 5, 6, 7, 8}, 1, 2, 16);
  bytes.resize(bytes.size() - 3);  // 5 sample bytes left: one whole stereo frame
  const auto clip = readWavClip(bytes);
  ASSERT_TRUE(clip.has_value());
  EXPECT_EQ(clip->samples, (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(WavClip, DamagedOrForeignFilesGiveNothing) {
  const std::vector<uint8_t> samples = {1, 2, 3, 4};
  const auto good = wave(samples);
  auto noData = good;
  noData.resize(44 - 8);  // the header without its data chunk
  auto hugeChunk = wave(samples, 1, 1, 16, 22050, true);
  hugeChunk[40] = 0xff;  // the LIST chunk claims 4 GB
  hugeChunk[41] = hugeChunk[42] = hugeChunk[43] = 0xff;
  auto shortFormat = good;
  shortFormat[16] = 8;  // a format chunk of 8 bytes
  std::vector<uint8_t> dataFirst;
  putTag(dataFirst, "RIFF");
  put32(dataFirst, 0);
  putTag(dataFirst, "WAVE");
  putTag(dataFirst, "data");
  put32(dataFirst, 4);
  dataFirst.insert(dataFirst.end(), samples.begin(), samples.end());
  const std::pair<const char*, std::vector<uint8_t>> cases[] = {
      {"empty", {}},
      {"not RIFF", std::vector<uint8_t>(64, 'x')},
      {"cut inside the header", std::vector<uint8_t>(good.begin(), good.begin() + 20)},
      {"no data chunk", noData},
      {"a chunk running past the end", hugeChunk},
      {"a short format chunk", shortFormat},
      {"data before the format", dataFirst},
      {"no samples", wave({})},
      {"compressed", wave(samples, 2)},
      {"three channels", wave(samples, 1, 3)},
      {"24-bit", wave({1, 2, 3, 4, 5, 6}, 1, 1, 24)},
      {"a rate of 0", wave(samples, 1, 1, 16, 0)},
  };
  for (const auto& [what, bytes] : cases) EXPECT_FALSE(readWavClip(bytes).has_value()) << what;
}

}  // namespace
}  // namespace vorpex
