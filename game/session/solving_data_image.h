// The 22-byte little-endian image in which the settings record is stored:
// offset 0 puzzleNumber (4), 4 statsView (4), 8 sizeIndex (2), 10 gameMode
// (2), 12 curLevel (2), 14 padding written as zero (2), 16 levelOption (4),
// 20 the low 16 bits of timeOption (2).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "game_state.h"

namespace vorpex {

constexpr size_t kSolvingDataImageSize = 22;
using SolvingDataImage = std::array<uint8_t, kSolvingDataImageSize>;

SolvingDataImage writeSolvingDataImage(const SolvingData& data);

// Takes the first `size` bytes (at most 22) of an image over `data`, as a
// read into the record's memory would: fields the bytes do not reach keep
// their values, and the high half of timeOption always keeps its value.
void readSolvingDataImage(SolvingData& data, const uint8_t* bytes, size_t size);

}  // namespace vorpex
