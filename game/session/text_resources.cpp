#include "text_resources.h"

#include <array>
#include <map>

#include "text_table.h"
#include "translations.h"

namespace vorpex {

const std::string& loadText(int number) {
  // Every language's table is made at the first text: under 50 short texts each.
  static const auto tables = [] {
    std::array<std::map<int, std::string>, std::size(kLanguages)> byLanguage;
    for (const LanguageFacts& language : kLanguages) {
      for (const auto& entry : texts::kTextTable)
        byLanguage[static_cast<size_t>(language.id)].emplace(entry.number, translated(language.id, entry.text));
    }
    return byLanguage;
  }();
  static const std::string missing;
  const auto& table = tables[static_cast<size_t>(textLanguage())];
  const auto it = table.find(number);
  return it == table.end() ? missing : it->second;
}

namespace {

std::string filled(std::string s, const std::vector<ResArg>& pairs) {
  std::string value;
  for (size_t i = 0; i < pairs.size(); i += 2) {
    const std::string& placeholder = pairs[i].text();
    if (i + 1 < pairs.size()) value = pairs[i + 1].text();
    if (placeholder.empty()) continue;
    for (size_t at = s.find(placeholder); at != std::string::npos;
         at = s.find(placeholder, at + value.size())) {
      s.replace(at, placeholder.size(), value);
    }
  }
  return s;
}

}  // namespace

std::string formatResString(int number, const std::vector<ResArg>& pairs) { return filled(loadText(number), pairs); }

std::string translatedWith(const char* english, const std::vector<ResArg>& pairs) {
  return filled(translated(english), pairs);
}

}  // namespace vorpex
