#include "code_page.h"

namespace vorpex {

namespace {
void appendUtf8(std::string& out, char32_t u) {
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}
}  // namespace

std::string utf8FromCodePage(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const char16_t u = unicodeOfByte(c);
    appendUtf8(out, u == 0 ? char32_t{0xFFFD} : char32_t{u});
  }
  return out;
}

std::optional<std::string> codePageFromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t u = 0;
    if (lead < 0x80) {
      u = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      u = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      u = lead & 0x0F;
    } else {
      return std::nullopt;  // a stray continuation, an overlong lead, or beyond the code page
    }
    if (i + static_cast<size_t>(extra) >= text.size() && extra > 0) return std::nullopt;  // cut short
    for (int k = 1; k <= extra; ++k) {
      const auto cont = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((cont & 0xC0) != 0x80) return std::nullopt;
      u = (u << 6) | (cont & 0x3F);
    }
    if (extra == 2 && u < 0x800) return std::nullopt;  // overlong
    const std::optional<char> byte = byteOfUnicode(u);
    if (!byte) return std::nullopt;
    out += *byte;
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

}  // namespace vorpex
