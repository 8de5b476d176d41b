// Turning the word graph into word lists, and the letter signatures that
// puzzles are found with.
#pragma once

#include <array>
#include <cstdint>

#include "engine_rand.h"
#include "lang_dict.h"
#include "word_list.h"

namespace wordcore {

constexpr int kListCount = 15;  // lists are indexed by word length 0 to 14
constexpr int kMinWordLength = 3;
constexpr int kMaxWordLength = 10;
// Lists up to this length are made at load; the longer ones, which only racks
// of 9 and 10 letters reach (the game's racks have 5 to 8), when first needed.
constexpr int kEagerMaxLength = 8;

// Bounds that keep a hostile graph from exhausting memory or time: a graph of
// 524,288 nodes that shares its groups can spell 26^10 words.
constexpr uint32_t kMaxWords = 1u << 22;
constexpr uint64_t kMaxWalkSteps = uint64_t{1} << 27;

using WordLists = std::array<WordList, kListCount>;

// Appends every word of `minLength` to `maxLength` letters (within 3 to 10)
// that `dict` spells to lists[length] (each made over the dictionary's
// alphabet first), in graph order: depth first from the root group at index 0, the nodes of a
// group in array order, a node's own word before the words below it. One walk
// serves all lengths; the order within each length is the order a walk for
// that length alone would give. Returns tooManyWords or tooManySteps (and
// leaves the lists in an unspecified state) when a bound is passed.
DictStatus enumerateWords(const LangDict& dict, WordLists& lists, int minLength = kMinWordLength,
                          int maxLength = kMaxWordLength);

// Permutes `list`: every position i from 0 up is swapped with position
// rand.next() % size(), drawn from the whole list. Draws nothing from an
// empty list.
void shuffleWords(WordList& list, EngineRand& rand);

// Sets counts[k] to the number of times the letter numbered k occurs in the
// word of `length` letters coded `word`, and returns the mask of the letters
// present (bit k for the letter numbered k).
uint32_t makeSignature(WordCode word, int length, uint8_t counts[kMaxLetters]);

// True when `word`, of `length` letters, needs no letter more often than
// `rackCounts` holds it.
bool fitsRack(const uint8_t rackCounts[kMaxLetters], WordCode word, int length);

}  // namespace wordcore
