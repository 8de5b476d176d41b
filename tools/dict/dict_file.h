// Writing a dictionary file: the 256-byte header, then the nodes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorpex::dict {

constexpr uint32_t kFormatVersion = 1;
constexpr const char* kIdentification = "VORPEX.DICT word graph for Arcade Vorpex";

// Header layout (the engine reads none of it): bytes 0-63 the identification
// text, NUL-padded; 64 the format version; 68 the word count; 72 the node
// count (each 32-bit little-endian); the rest zero.
std::array<uint8_t, 256> makeHeader(uint32_t wordCount, uint32_t nodeCount);

// The whole file as bytes: header, then every node little-endian.
std::vector<uint8_t> dictionaryBytes(uint32_t wordCount, const std::vector<uint32_t>& nodes);

// Writes the file through a temporary beside it, renamed into place, so a
// failed run never leaves a half-written dictionary. Returns an error text,
// empty on success.
std::string writeDictionary(const std::string& path, uint32_t wordCount,
                            const std::vector<uint32_t>& nodes);

}  // namespace vorpex::dict
