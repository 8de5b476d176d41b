#include "solving_data_image.h"

#include <algorithm>

namespace vorpex {

namespace {
void put(SolvingDataImage& image, size_t at, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) image[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The field of `width` bytes at `at`, with the bytes beyond the image taken from `old`.
uint32_t get(const SolvingDataImage& image, const SolvingDataImage& old, size_t size, size_t at,
             size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) {
    const uint8_t byte = at + i < size ? image[at + i] : old[at + i];
    value |= uint32_t{byte} << (8 * i);
  }
  return value;
}
}  // namespace

SolvingDataImage writeSolvingDataImage(const SolvingData& data) {
  SolvingDataImage image{};
  put(image, 0, static_cast<uint32_t>(data.puzzleNumber), 4);
  put(image, 4, static_cast<uint32_t>(data.statsView), 4);
  put(image, 8, static_cast<uint16_t>(data.sizeIndex), 2);
  put(image, 10, static_cast<uint16_t>(data.gameMode), 2);
  put(image, 12, static_cast<uint16_t>(data.curLevel), 2);
  put(image, 16, static_cast<uint32_t>(data.levelOption), 4);
  put(image, 20, static_cast<uint32_t>(data.timeOption) & 0xFFFFu, 2);
  return image;
}

void readSolvingDataImage(SolvingData& data, const uint8_t* bytes, size_t size) {
  size = std::min(size, kSolvingDataImageSize);
  const SolvingDataImage old = writeSolvingDataImage(data);
  SolvingDataImage image{};
  std::copy(bytes, bytes + size, image.begin());
  data.puzzleNumber = static_cast<int32_t>(get(image, old, size, 0, 4));
  data.statsView = static_cast<int32_t>(get(image, old, size, 4, 4));
  data.sizeIndex = static_cast<int16_t>(get(image, old, size, 8, 2));
  data.gameMode = static_cast<int16_t>(get(image, old, size, 10, 2));
  data.curLevel = static_cast<int16_t>(get(image, old, size, 12, 2));
  data.levelOption = static_cast<int32_t>(get(image, old, size, 16, 4));
  const auto lowHalf = get(image, old, size, 20, 2);
  data.timeOption = static_cast<int32_t>((static_cast<uint32_t>(data.timeOption) & 0xFFFF0000u) | lowHalf);
}

}  // namespace vorpex
