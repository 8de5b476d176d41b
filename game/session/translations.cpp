#include "translations.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <iterator>
#include <span>
#include <vector>

#include "code_page.h"

namespace vorpex {
namespace {

struct Translation {
  const char* english;  // the key, UTF-8 ASCII
  const char* text;     // code-page bytes
};

#include "translations/translated_texts.inc"

std::atomic<Language> currentLanguage{Language::english};

}  // namespace

void setTextLanguage(Language language) { currentLanguage = language; }
Language textLanguage() { return currentLanguage; }

const char* translated(Language language, const char* english) {
  const auto index = static_cast<size_t>(language);
  if (index == 0 || index >= std::size(kTranslationTables)) return english;
  const std::span<const Translation> table = kTranslationTables[index];
  // The table is sorted by the English bytes (the generator's order).
  const auto at = std::lower_bound(table.begin(), table.end(), english, [](const Translation& t, const char* key) {
    return std::strcmp(t.english, key) < 0;
  });
  return at != table.end() && std::strcmp(at->english, english) == 0 ? at->text : english;
}

const char* translated(const char* english) { return translated(currentLanguage, english); }

std::string translatedMessage(const char* english, const std::vector<std::string_view>& given) {
  const std::string text = utf8FromCodePage(translated(english));
  std::string message;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '|' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9') {
      const auto index = static_cast<size_t>(text[at + 1] - '1');
      if (index < given.size()) {
        message += given[index];
        ++at;
        continue;
      }
    }
    message += text[at];
  }
  return message;
}

size_t translationCount(Language language) {
  const auto index = static_cast<size_t>(language);
  return index == 0 || index >= std::size(kTranslationTables) ? 0 : kTranslationTables[index].size();
}

}  // namespace vorpex
