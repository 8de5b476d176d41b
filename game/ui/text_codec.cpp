#include "text_codec.h"

#include "code_page.h"
#include "translations.h"

namespace vorpex {

QString fromAnsi(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) {
    // An undefined byte shows as the Latin-1 character of its value, as before.
    const char16_t u = unicodeOfByte(c);
    text += QChar(u != 0 ? u : char16_t{static_cast<unsigned char>(c)});
  }
  return text;
}

std::string toAnsi(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) bytes += byteOfUnicode(ch.unicode()).value_or('?');
  return bytes;
}

QString translatedText(const char* english) { return fromAnsi(translated(english)); }

}  // namespace vorpex
