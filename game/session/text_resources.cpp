#include "text_resources.h"

#include <map>

#include "text_table.h"

namespace vorpex {

const std::string& loadText(int number) {
  static const std::map<int, std::string> table = [] {
    std::map<int, std::string> texts;
    for (const auto& entry : texts::kTextTable) texts.emplace(entry.number, entry.text);
    return texts;
  }();
  static const std::string missing;
  const auto it = table.find(number);
  return it == table.end() ? missing : it->second;
}

std::string formatResString(int number, const std::vector<ResArg>& pairs) {
  std::string s = loadText(number);
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

}  // namespace vorpex
