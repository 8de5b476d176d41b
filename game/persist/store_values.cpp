#include "store_values.h"

#include <algorithm>
#include <type_traits>

#include "translations.h"

namespace vorpex {

namespace {
template <class T>
std::vector<uint8_t> toLE(const T* values, size_t count) {
  std::vector<uint8_t> bytes(count * sizeof(T));
  for (size_t i = 0; i < count; ++i) {
    const auto v = static_cast<std::make_unsigned_t<T>>(values[i]);
    for (size_t b = 0; b < sizeof(T); ++b) bytes[i * sizeof(T) + b] = static_cast<uint8_t>(v >> (8 * b));
  }
  return bytes;
}

template <class T>
void overlay(T* values, size_t count, const uint8_t* bytes, size_t size) {
  using U = std::make_unsigned_t<T>;
  size = std::min(size, count * sizeof(T));
  for (size_t at = 0; at < size; ++at) {
    const size_t i = at / sizeof(T), b = at % sizeof(T);
    U v = static_cast<U>(values[i]);
    v = static_cast<U>((v & ~(U(0xFF) << (8 * b))) | (U(bytes[at]) << (8 * b)));
    values[i] = static_cast<T>(v);
  }
}
}  // namespace

std::vector<uint8_t> toLE16(const int16_t* values, size_t count) { return toLE(values, count); }
std::vector<uint8_t> toLE32(const int32_t* values, size_t count) { return toLE(values, count); }
void overlayLE16(int16_t* values, size_t count, const uint8_t* bytes, size_t size) {
  overlay(values, count, bytes, size);
}
void overlayLE32(int32_t* values, size_t count, const uint8_t* bytes, size_t size) {
  overlay(values, count, bytes, size);
}

void setBinary(KeyedStore& store, KeyHandle key, const std::string& name, const uint8_t* data,
               size_t size) {
  store.setValue(key, name, ValueType::binary, data, static_cast<uint32_t>(size));
}

void setInt32(KeyedStore& store, KeyHandle key, const std::string& name, int32_t value) {
  const auto bytes = toLE32(&value, 1);
  setBinary(store, key, name, bytes.data(), bytes.size());
}

void setStringWithNul(KeyedStore& store, KeyHandle key, const std::string& name, const std::string& text) {
  store.setValue(key, name, ValueType::string, reinterpret_cast<const uint8_t*>(text.c_str()),
                 static_cast<uint32_t>(text.size() + 1));
}

bool queryInt32(KeyedStore& store, KeyHandle key, const std::string& name, int32_t& value) {
  uint8_t bytes[4];
  uint32_t size = sizeof bytes;
  if (!store.queryValue(key, name, bytes, size)) return false;
  overlayLE32(&value, 1, bytes, size);
  return true;
}

void reportStoreFailure(MessageSink& messages, const KeyedStore& store, const char* text) {
  const std::string problem = store.lastProblem();
  if (!problem.empty()) messages.explain(problem);
  messages.showMessage(translatedMessage(text));
}

}  // namespace vorpex
