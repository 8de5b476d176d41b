#include "dict_file.h"

#include <cstdio>
#include <cstring>

namespace vorpex::dict {

namespace {
void putLE32(uint8_t* at, uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}
}  // namespace

std::array<uint8_t, 256> makeHeader(uint32_t wordCount, uint32_t nodeCount) {
  std::array<uint8_t, 256> header{};
  std::memcpy(header.data(), kIdentification, std::strlen(kIdentification));
  putLE32(&header[64], kFormatVersion);
  putLE32(&header[68], wordCount);
  putLE32(&header[72], nodeCount);
  return header;
}

std::vector<uint8_t> dictionaryBytes(uint32_t wordCount, const std::vector<uint32_t>& nodes) {
  const auto header = makeHeader(wordCount, static_cast<uint32_t>(nodes.size()));
  std::vector<uint8_t> bytes(header.begin(), header.end());
  bytes.resize(header.size() + 4 * nodes.size());
  for (size_t i = 0; i < nodes.size(); ++i) putLE32(&bytes[header.size() + 4 * i], nodes[i]);
  return bytes;
}

std::string writeDictionary(const std::string& path, uint32_t wordCount,
                            const std::vector<uint32_t>& nodes) {
  const std::vector<uint8_t> bytes = dictionaryBytes(wordCount, nodes);
  const std::string temp = path + ".tmp";
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) return temp + ": cannot be opened for writing";
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::remove(temp.c_str());
    return temp + ": cannot be written";
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return path + ": cannot be replaced";
  }
  return {};
}

}  // namespace vorpex::dict
