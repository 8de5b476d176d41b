// Little-endian value bytes, and writing values, for the persistence code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "keyed_store.h"
#include "message_sink.h"

namespace vorpex {

std::vector<uint8_t> toLE16(const int16_t* values, size_t count);
std::vector<uint8_t> toLE32(const int32_t* values, size_t count);

// Replaces the values that the first `size` bytes of `bytes` reach, as a read
// into the values' memory would; the rest keep theirs. A partial last value
// takes only its stored low bytes.
void overlayLE16(int16_t* values, size_t count, const uint8_t* bytes, size_t size);
void overlayLE32(int32_t* values, size_t count, const uint8_t* bytes, size_t size);

void setBinary(KeyedStore& store, KeyHandle key, const std::string& name, const uint8_t* data,
               size_t size);
void setInt32(KeyedStore& store, KeyHandle key, const std::string& name, int32_t value);
// A string value stored with its terminating NUL.
void setStringWithNul(KeyedStore& store, KeyHandle key, const std::string& name, const std::string& text);

// Tells the player that the store failed with the box `text`, and explains
// what the store ran into (its lastProblem) beside it.
void reportStoreFailure(MessageSink& messages, const KeyedStore& store, const char* text);

// Reads a 32-bit value into `value`; false (value untouched) when missing.
bool queryInt32(KeyedStore& store, KeyHandle key, const std::string& name, int32_t& value);

}  // namespace vorpex
