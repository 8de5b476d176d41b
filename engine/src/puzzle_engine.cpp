#include "puzzle_engine.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace wordcore {

DictStatus PuzzleEngine::load(const std::string& path) {
  return buildFrom(dict_.loadDictionary(path));
}

DictStatus PuzzleEngine::loadBytes(const uint8_t* data, size_t size) {
  return buildFrom(dict_.readBytes(data, size));
}

DictStatus PuzzleEngine::loadNodes(std::vector<uint32_t> nodes) {
  return buildFrom(dict_.adoptNodes(std::move(nodes)));
}

DictStatus PuzzleEngine::buildFrom(DictStatus readStatus) {
  const DictStatus status = readStatus == DictStatus::ok ? buildLists() : readStatus;
  if (status != DictStatus::ok) reset();
  return status;
}

void PuzzleEngine::reset() {
  dict_ = LangDict();
  resetLists();
}

void PuzzleEngine::resetLists() {
  for (int len = 0; len < kListCount; ++len) {
    wordsByLen_[len] = WordList(len);
    letterMasks_[len].clear();
    solutions_[len].clear();
    listed_[len].clear();
    identities_[len].clear();
  }
}

DictStatus PuzzleEngine::buildLists() {
  resetLists();
  const DictStatus status = enumerateWords(dict_, wordsByLen_);
  if (status != DictStatus::ok) return status;
  EngineRand rand(0);
  for (int len = kMinWordLength; len <= kMaxWordLength; ++len) shuffleWords(wordsByLen_[len], rand);

  for (int len = kMinWordLength; len <= kMaxWordLength; ++len) {
    const WordList& list = wordsByLen_[len];
    std::vector<uint32_t>& masks = letterMasks_[len];
    masks.resize(list.size());
    for (size_t i = 0; i < list.size(); ++i) masks[i] = letterMask(list.word(i), len);
    listed_[len].assign((list.size() + 63) / 64, 0);
  }
  if (dict_.hasRepeatedLetters()) computeIdentities();
  return DictStatus::ok;
}

void PuzzleEngine::computeIdentities() {
  for (int len = kMinWordLength; len <= kMaxWordLength; ++len) {
    const WordList& list = wordsByLen_[len];
    std::vector<uint32_t> order(list.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
      return std::strcmp(list.word(a), list.word(b)) < 0;
    });
    std::vector<uint32_t>& ids = identities_[len];
    ids.resize(list.size());
    for (size_t k = 0; k < order.size(); ++k) {
      const bool sameAsPrevious =
          k > 0 && std::strcmp(list.word(order[k]), list.word(order[k - 1])) == 0;
      ids[order[k]] = sameAsPrevious ? ids[order[k - 1]] : order[k];
    }
  }
}

uint32_t PuzzleEngine::identity(int length, uint32_t index) const {
  const std::vector<uint32_t>& ids = identities_[length];
  return ids.empty() ? index : ids[index];
}

void PuzzleEngine::addSolution(int length, uint32_t index) {
  const uint32_t id = identity(length, index);
  uint64_t& bits = listed_[length][id / 64];
  const uint64_t bit = uint64_t{1} << (id % 64);
  if (bits & bit) return;
  bits |= bit;
  solutions_[length].push_back(index);
}

int32_t PuzzleEngine::buildSolutions(int32_t rackLength, int32_t puzzleNumber,
                                     int32_t /*position*/) {
  if (rackLength < kMinWordLength || rackLength > kMaxWordLength) return -1;
  const WordList& rackList = wordsByLen_[rackLength];
  if (rackList.empty()) return -1;
  const auto rackIndex = static_cast<size_t>(static_cast<uint32_t>(puzzleNumber) % rackList.size());
  uint8_t rackCounts[26];
  const uint32_t rackMask = makeSignature(rackList.word(rackIndex), rackCounts);
  const uint32_t outside = ~rackMask;

  // Longer words cannot fit the rack, so only lengths up to the rack's are
  // scanned. The mask test runs over blocks of flags so that the compiler can
  // vectorise it; only the few words that pass get the count test.
  constexpr size_t kBlock = 256;
  uint8_t passes[kBlock];
  for (int len = kMinWordLength; len <= rackLength; ++len) {
    const WordList& list = wordsByLen_[len];
    const uint32_t* masks = letterMasks_[len].data();
    const size_t n = list.size();
    for (size_t base = 0; base < n; base += kBlock) {
      const size_t count = std::min(kBlock, n - base);
      for (size_t k = 0; k < count; ++k) passes[k] = (masks[base + k] & outside) == 0;
      for (size_t k = 0; k < count; k += 8) {
        uint64_t eight = 0;
        std::memcpy(&eight, passes + k, std::min<size_t>(8, count - k));
        if (eight == 0) continue;
        for (size_t e = k; e < std::min(k + 8, count); ++e) {
          const auto index = static_cast<uint32_t>(base + e);
          if (passes[e] && fitsRack(rackCounts, list.word(index), len)) addSolution(len, index);
        }
      }
    }
  }
  return 0;
}

void PuzzleEngine::clearSolutions() {
  for (int len = 0; len < kListCount; ++len) {
    for (uint32_t index : solutions_[len]) {
      const uint32_t id = identity(len, index);
      listed_[len][id / 64] &= ~(uint64_t{1} << (id % 64));
    }
    solutions_[len].clear();
  }
}

}  // namespace wordcore
