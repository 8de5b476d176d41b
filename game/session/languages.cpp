#include "languages.h"

#include <string>

#include "ascii_case.h"
#include "code_page.h"

namespace vorpex {

namespace {
// The base letter of each lower-case accented letter of the code page from
// 0xE0 on, as the word lists fold it; 0 for one with no base (æ ð ø þ, ÷).
constexpr char kBaseFromE0[32] = {'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e',
                                  'e', 'i', 'i', 'i', 'i', 0,   'n', 'o', 'o', 'o', 'o',
                                  'o', 0,   0,   'u', 'u', 'u', 'u', 'y', 0,   'y'};

char baseLetter(char lower) {
  const auto b = static_cast<unsigned char>(lower);
  if (b >= 0xE0) return kBaseFromE0[b - 0xE0];
  if (b == 0x9A) return 's';
  if (b == 0x9E) return 'z';
  return 0;
}
}  // namespace

std::string upperCodeOf(Language language) {
  std::string code = factsOf(language).code;
  for (char& c : code) c = asciiUpper(c);
  return code;
}

const LanguageFacts& factsOf(Language language) {
  for (const LanguageFacts& facts : kLanguages)
    if (facts.id == language) return facts;
  return kLanguages[0];
}

std::optional<Language> languageNumbered(int32_t number) {
  for (const LanguageFacts& facts : kLanguages)
    if (static_cast<int32_t>(facts.id) == number) return facts.id;
  return std::nullopt;
}

Language languageOf(WordList list) {
  for (const LanguageFacts& facts : kLanguages)
    if (facts.list == list && facts.id != Language::english) return facts.id;
  return Language::english;
}

Language languageForLocale(std::string_view localeName) {
  // "de", "de_DE", "de-AT.UTF-8", "de_DE@euro": the language is what comes
  // before the first separator, two letters.
  const size_t end = localeName.find_first_of("_-.@");
  const std::string_view head = localeName.substr(0, end);
  if (head.size() != 2) return Language::english;
  const std::string code = asciiLower(head);
  if (code == "nn" || code == "no") return Language::norwegian;
  for (const LanguageFacts& facts : kLanguages)
    if (code == facts.code) return facts.id;
  return Language::english;
}

std::optional<char> typedLetter(Language language, char32_t typed) {
  const std::optional<char> byte = byteOfUnicode(typed);
  if (!byte) return std::nullopt;
  const char lower = letterLower(*byte);
  if (lower >= 'a' && lower <= 'z') return letterUpper(lower);
  if (language == Language::english) return std::nullopt;
  if (std::string_view(factsOf(language).ownLetters).find(lower) != std::string_view::npos)
    return letterUpper(lower);
  const char base = baseLetter(lower);
  if (base == 0) return std::nullopt;
  return letterUpper(base);
}

}  // namespace vorpex
