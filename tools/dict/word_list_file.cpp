#include "word_list_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "alphabet.h"
#include "code_page.h"

namespace vorpex::dict {

namespace {
// A code-page character as a person reads it in a message: 'T', 'É', a
// space, a tab, or the byte's value when it is not printable (a control code).
std::string describeCharacter(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  if (ch == ' ') return "a space";
  if (ch == '\t') return "a tab";
  if ((byte > 32 && byte < 127) || (byte > 0xA0 && unicodeOfByte(ch) != 0) ||
      (byte >= 0x80 && byte < 0xA0 && unicodeOfByte(ch) != 0))
    return "the character '" + utf8FromCodePage(std::string(1, ch)) + "'";
  static const char kHex[] = "0123456789ABCDEF";
  const std::string hex = {kHex[byte >> 4], kHex[byte & 15]};
  return (byte < 128 ? "the control byte 0x" : "the non-ASCII byte 0x") + hex;
}

std::string checkWord(const std::string& word) {
  if (word.size() < 3 || word.size() > 10)
    return "has " + std::to_string(word.size()) + " letters; words have 3 to 10";
  for (size_t i = 0; i < word.size(); ++i) {
    if (!wordcore::isDictionaryLetter(static_cast<unsigned char>(word[i])))
      return "holds " + describeCharacter(word[i]) + " at position " + std::to_string(i + 1) +
             "; words are lower-case letters only";
  }
  return {};
}
}  // namespace

WordListResult parseWordList(const std::string& text, const std::string& name) {
  WordListResult result;
  // Only counts the letters: the engine numbers them itself, in byte order.
  wordcore::Alphabet alphabet;
  std::istringstream in(text);
  std::string line;
  for (size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::optional<std::string> word = codePageFromUtf8(line);
    const std::string problem =
        word ? checkWord(*word) : "is not UTF-8 text of the Windows-1252 characters";
    if (!problem.empty()) {
      result.words.clear();
      result.error = name + ":" + std::to_string(number) + ": \"" + line + "\" " + problem;
      return result;
    }
    for (char ch : *word) {
      if (!alphabet.add(static_cast<uint8_t>(ch)) && alphabet.indexOf(ch) == wordcore::Alphabet::kNotALetter) {
        result.words.clear();
        result.error = name + ":" + std::to_string(number) + ": \"" + line +
                       "\" brings a 33rd letter; a list has at most 32";
        return result;
      }
    }
    result.words.push_back(*word);
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
