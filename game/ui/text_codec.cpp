#include "text_codec.h"

namespace vorpex {

namespace {
// Code points of bytes 0x80 to 0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

QString fromAnsi(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    const char16_t high = b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : 0;
    text += QChar(high != 0 ? high : char16_t{b});
  }
  return text;
}

std::string toAnsi(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    char out = '?';
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out = static_cast<char>(u);
    } else {
      for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u && u != 0) out = static_cast<char>(0x80 + i);
    }
    bytes += out;
  }
  return bytes;
}

}  // namespace vorpex
