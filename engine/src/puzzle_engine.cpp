#include "puzzle_engine.h"

#include <algorithm>
#include <bit>
#include <numeric>

#ifndef __has_feature
#define __has_feature(x) 0
#endif

namespace wordcore {

namespace {
size_t blocksOf(size_t words) { return (words + 63) / 64; }

// acc[b] |= src[b] for b < n: the inner loop of every puzzle. On x86-64 it is
// compiled twice, for AVX2 and for the baseline, and the loader picks the one
// the processor runs.
#if defined(__x86_64__) && defined(__ELF__) && !defined(__SANITIZE_ADDRESS__) && \
    !__has_feature(address_sanitizer)
__attribute__((target_clones("avx2", "default")))
#endif
void orInto(uint64_t* __restrict acc, const uint64_t* __restrict src, size_t n) {
  for (size_t b = 0; b < n; ++b) acc[b] |= src[b];
}
}  // namespace

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
  clearLists();
}

void PuzzleEngine::clearLists() {
  for (int len = 0; len < kListCount; ++len) {
    wordsByLen_[len] = WordList(len);
    letterBits_[len].clear();
    solutions_[len].clear();
    listed_[len].clear();
    identities_[len].clear();
  }
  scratch_.clear();
  longListsPending_ = false;
}

DictStatus PuzzleEngine::buildLists() {
  clearLists();
  const DictStatus status = enumerateWords(dict_, wordsByLen_, kMinWordLength, kEagerMaxLength);
  if (status != DictStatus::ok) return status;
  EngineRand rand(0);
  for (int len = kMinWordLength; len <= kEagerMaxLength; ++len) shuffleWords(wordsByLen_[len], rand);
  longListsRand_ = rand;
  longListsPending_ = true;
  prepareForPuzzles(kMinWordLength, kEagerMaxLength);
  return DictStatus::ok;
}

void PuzzleEngine::makeLongLists() {
  if (!longListsPending_) return;
  longListsPending_ = false;
  if (enumerateWords(dict_, wordsByLen_, kEagerMaxLength + 1, kMaxWordLength) != DictStatus::ok) {
    for (int len = kEagerMaxLength + 1; len <= kMaxWordLength; ++len) wordsByLen_[len] = WordList(len);
    return;
  }
  for (int len = kEagerMaxLength + 1; len <= kMaxWordLength; ++len)
    shuffleWords(wordsByLen_[len], longListsRand_);
  prepareForPuzzles(kEagerMaxLength + 1, kMaxWordLength);
}

void PuzzleEngine::prepareForPuzzles(int minLength, int maxLength) {
  for (int len = minLength; len <= maxLength; ++len) {
    listed_[len].assign(blocksOf(wordsByLen_[len].size()), 0);
    if (dict_.hasRepeatedLetters()) computeIdentities(len);
  }
}

void PuzzleEngine::computeIdentities(int length) {
  const WordList& list = wordsByLen_[length];
  std::vector<uint32_t> order(list.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(),
                   [&](uint32_t a, uint32_t b) { return list.code(a) < list.code(b); });
  std::vector<uint32_t>& ids = identities_[length];
  ids.resize(list.size());
  for (size_t k = 0; k < order.size(); ++k) {
    const bool sameAsPrevious = k > 0 && list.code(order[k]) == list.code(order[k - 1]);
    ids[order[k]] = sameAsPrevious ? ids[order[k - 1]] : order[k];
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

const std::vector<uint64_t>& PuzzleEngine::letterBits(int length) {
  std::vector<uint64_t>& bits = letterBits_[length];
  const WordList& list = wordsByLen_[length];
  const size_t blocks = blocksOf(list.size());
  if (!bits.empty() || blocks == 0) return bits;
  const auto letters = static_cast<size_t>(dict_.alphabet().size());
  bits.assign(letters * blocks, 0);
  for (size_t b = 0; b < blocks; ++b) {
    uint64_t block[kMaxLetters] = {};  // this block's bits of every letter
    const size_t end = std::min(list.size(), (b + 1) * 64);
    for (size_t i = b * 64; i < end; ++i) {
      const WordCode code = list.code(i);
      for (int k = 0; k < length; ++k) block[letterAt(code, k)] |= uint64_t{1} << (i % 64);
    }
    for (size_t k = 0; k < letters; ++k) bits[k * blocks + b] = block[k];
  }
  scratch_.resize(std::max(scratch_.size(), blocks));
  return bits;
}

int32_t PuzzleEngine::buildSolutions(int32_t rackLength, int32_t puzzleNumber,
                                     int32_t /*position*/) {
  if (rackLength < kMinWordLength || rackLength > kMaxWordLength) return -1;
  const WordList& rackList = wordsByLen(rackLength);
  if (rackList.empty()) return -1;
  const auto rackIndex = static_cast<size_t>(static_cast<uint32_t>(puzzleNumber) % rackList.size());
  uint8_t rackCounts[kMaxLetters];
  const uint32_t rackMask = makeSignature(rackList.code(rackIndex), rackLength, rackCounts);

  // Longer words cannot fit the rack, so only lengths up to the rack's are scanned.
  for (int len = kMinWordLength; len <= rackLength; ++len) scanLength(len, rackMask, rackCounts);
  return 0;
}

void PuzzleEngine::scanLength(int length, uint32_t rackMask, const uint8_t rackCounts[kMaxLetters]) {
  const WordList& list = wordsByLen_[length];
  const size_t blocks = blocksOf(list.size());
  if (blocks == 0) return;
  const uint64_t* bits = letterBits(length).data();
  uint64_t* missing = scratch_.data();  // words holding a letter the rack lacks
  std::fill(missing, missing + blocks, 0);
  const auto letters = static_cast<size_t>(dict_.alphabet().size());
  for (size_t k = 0; k < letters; ++k)
    if ((rackMask & (1u << k)) == 0) orInto(missing, bits + k * blocks, blocks);

  const size_t tail = list.size() % 64;
  for (size_t b = 0; b < blocks; ++b) {
    uint64_t candidates = ~missing[b];
    if (b + 1 == blocks && tail != 0) candidates &= (uint64_t{1} << tail) - 1;
    for (; candidates != 0; candidates &= candidates - 1) {
      const auto index = static_cast<uint32_t>(b * 64 + static_cast<size_t>(std::countr_zero(candidates)));
      if (fitsRack(rackCounts, list.code(index), length)) addSolution(length, index);
    }
  }
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
