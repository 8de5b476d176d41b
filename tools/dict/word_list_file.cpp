#include "word_list_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vorpex::dict {

namespace {
std::string checkWord(const std::string& word) {
  if (word.size() < 3 || word.size() > 10)
    return "has " + std::to_string(word.size()) + " letters; words have 3 to 10";
  for (char ch : word) {
    if (ch < 'a' || ch > 'z') {
      const auto code = static_cast<unsigned>(static_cast<unsigned char>(ch));
      return "holds the character code " + std::to_string(code) +
             "; words are lower-case a to z only";
    }
  }
  return {};
}
}  // namespace

WordListResult parseWordList(const std::string& text, const std::string& name) {
  WordListResult result;
  std::istringstream in(text);
  std::string line;
  for (size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::string problem = checkWord(line);
    if (!problem.empty()) {
      result.words.clear();
      result.error = name + ":" + std::to_string(number) + ": \"" + line + "\" " + problem;
      return result;
    }
    result.words.push_back(line);
  }
  std::sort(result.words.begin(), result.words.end());
  result.words.erase(std::unique(result.words.begin(), result.words.end()), result.words.end());
  if (result.words.empty()) result.error = name + ": the list holds no word";
  return result;
}

WordListResult readWordList(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {{}, path + ": cannot be opened for reading"};
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return {{}, path + ": cannot be read"};
  return parseWordList(text.str(), path);
}

}  // namespace vorpex::dict
