#include "lang_dict.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace wordcore {

const char* describe(DictStatus status) {
  switch (status) {
    case DictStatus::ok: return "loaded";
    case DictStatus::cannotRead: return "the file is missing or cannot be read";
    case DictStatus::noCompleteNode: return "the file holds no complete node";
    case DictStatus::tooManyNodes: return "the file holds more than 524288 nodes";
    case DictStatus::badLetter:
      return "a node's letter is not a lower-case letter of Windows-1252, or the graph has more than 32 letters";
    case DictStatus::childOutOfRange: return "a node's child index is beyond the node array";
    case DictStatus::groupRunsOffEnd: return "the last sibling group runs off the end";
    case DictStatus::tooManyWords: return "the graph spells more words than the engine lists";
    case DictStatus::tooManySteps: return "the graph has more paths than the engine walks";
  }
  return "unknown failure";
}

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
}  // namespace

DictStatus LangDict::loadDictionary(const std::string& path) {
  nodes_.clear();
  headerBlock_.fill(0);
  repeatedLetters_ = false;
  alphabet_ = Alphabet();

  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return DictStatus::cannotRead;
  // fopen succeeds on a folder; fstat tells a regular file and its size.
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode))
    return DictStatus::cannotRead;
  const auto length = static_cast<uint64_t>(info.st_size);
  if (length < kHeaderSize + 4) return DictStatus::noCompleteNode;
  // Only whole nodes are read, and never more than the format can address.
  const uint64_t count = (length - kHeaderSize) / 4;
  if (count > node::kMaxNodes) return DictStatus::tooManyNodes;

  // Straight into the node array: one read for the header, one for the nodes.
  std::array<uint8_t, kHeaderSize> header{};
  std::vector<uint32_t> nodes(static_cast<size_t>(count));
  if (std::fread(header.data(), 1, kHeaderSize, file.get()) != kHeaderSize ||
      std::fread(nodes.data(), 4, nodes.size(), file.get()) != nodes.size())
    return DictStatus::cannotRead;
  if constexpr (std::endian::native == std::endian::big) {
    for (uint32_t& v : nodes) v = __builtin_bswap32(v);
  }
  const DictStatus status = adoptNodes(std::move(nodes));
  if (status == DictStatus::ok) headerBlock_ = header;
  return status;
}

DictStatus LangDict::readBytes(const uint8_t* data, size_t size) {
  nodes_.clear();
  headerBlock_.fill(0);
  repeatedLetters_ = false;
  alphabet_ = Alphabet();
  if (size < kHeaderSize + 4) return DictStatus::noCompleteNode;
  const size_t count = (size - kHeaderSize) / 4;
  if (count > node::kMaxNodes) return DictStatus::tooManyNodes;

  std::vector<uint32_t> nodes(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* b = data + kHeaderSize + i * 4;  // little-endian whatever the host
    nodes[i] = uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 |
               uint32_t{b[3]} << 24;
  }
  const DictStatus status = adoptNodes(std::move(nodes));
  if (status == DictStatus::ok) std::memcpy(headerBlock_.data(), data, kHeaderSize);
  return status;
}

DictStatus LangDict::adoptNodes(std::vector<uint32_t> nodes) {
  nodes_ = std::move(nodes);
  repeatedLetters_ = false;  // of this graph alone, not of one adopted before
  alphabet_ = Alphabet();
  const DictStatus status = check();
  if (status != DictStatus::ok) {
    nodes_.clear();
    headerBlock_.fill(0);
    repeatedLetters_ = false;
    alphabet_ = Alphabet();
  }
  return status;
}

DictStatus LangDict::check() {
  const size_t n = nodes_.size();
  if (n == 0) return DictStatus::noCompleteNode;
  if (n > node::kMaxNodes) return DictStatus::tooManyNodes;
  // First the letters and the indexes; the alphabet is then numbered in byte
  // order, so that it does not depend on where in the graph a letter appears.
  std::array<bool, 256> present{};
  for (size_t i = 0; i < n; ++i) {
    const uint32_t v = nodes_[i];
    const uint32_t ch = v & node::kLetterMask;
    if (!isDictionaryLetter(ch) || (v & node::kSignBit) != 0) return DictStatus::badLetter;
    if (((v >> node::kChildShift) & node::kChildMask) >= n) return DictStatus::childOutOfRange;
    present[ch] = true;
  }
  for (uint32_t ch = 0; ch < 256; ++ch)
    if (present[ch] && !alphabet_.add(static_cast<uint8_t>(ch))) return DictStatus::badLetter;

  uint32_t seen = 0;  // letters of the current run of siblings
  for (size_t i = 0; i < n; ++i) {
    const uint32_t v = nodes_[i];
    // A group may start inside another group's run (a shared tail), so a
    // letter repeated anywhere in a run may repeat within some group.
    const uint32_t bit = 1u << alphabet_.indexOf(static_cast<char>(v & node::kLetterMask));
    if (seen & bit) repeatedLetters_ = true;
    seen |= bit;
    if ((v & node::kMoreSiblings) == 0) seen = 0;
  }
  if (nodes_[n - 1] & node::kMoreSiblings) return DictStatus::groupRunsOffEnd;
  return DictStatus::ok;
}

}  // namespace wordcore
