#include "definitions_file.h"

#include <algorithm>

#include "ascii_case.h"

namespace vorpex {

namespace {

// Byte order of the lower-cased words, the order the derivation writes.
int compareFolded(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(asciiLower(a[i]));
    const auto y = static_cast<unsigned char>(asciiLower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Where a sense field's part-of-speech letter lies, or npos when the field
// is not base '|' letter '|' gloss with a known letter and a gloss.
size_t letterAt(std::string_view field) {
  const size_t bar1 = field.find('|');
  if (bar1 == std::string_view::npos || bar1 + 3 >= field.size() || field[bar1 + 2] != '|') return std::string_view::npos;
  if (partOfSpeechName(field[bar1 + 1])[0] == '\0') return std::string_view::npos;
  return bar1 + 1;
}

bool parseSense(std::string_view field, Sense& sense) {
  const size_t letter = letterAt(field);
  if (letter == std::string_view::npos) return false;
  sense.base.assign(field.substr(0, letter - 1));
  sense.partOfSpeech = field[letter];
  sense.gloss.assign(field.substr(letter + 2));
  return true;
}

// A word, a tab and a first sense that parses.
bool isWordLine(std::string_view line) {
  const size_t tab = line.find('\t');
  if (tab == 0 || tab == std::string_view::npos) return false;
  const size_t next = line.find('\t', tab + 1);
  return letterAt(line.substr(tab + 1, next == std::string_view::npos ? next : next - tab - 1)) !=
         std::string_view::npos;
}

std::string_view lineAt(const std::string& text, uint32_t start) {
  const size_t end = text.find('\n', start);
  std::string_view line(text.data() + start, (end == std::string::npos ? text.size() : end) - start);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// The senses of one line, in order; stops at the first that does not parse.
std::vector<Sense> sensesOf(std::string_view line) {
  std::vector<Sense> senses;
  size_t at = line.find('\t');
  while (at != std::string_view::npos) {
    const size_t next = line.find('\t', at + 1);
    const std::string_view field = line.substr(at + 1, next == std::string_view::npos ? next : next - at - 1);
    Sense sense;
    if (!parseSense(field, sense)) break;
    senses.push_back(std::move(sense));
    at = next;
  }
  return senses;
}

}  // namespace

DefinitionsFile::DefinitionsFile(std::string text) : text_(std::move(text)) {
  // Offsets are 32-bit: a file past 4 GB is not a definitions file.
  if (text_.size() >= UINT32_MAX) text_.clear();
  size_t start = 0;
  while (start < text_.size()) {
    const std::string_view line = lineAt(text_, static_cast<uint32_t>(start));
    if (!line.empty() && line[0] != '#') {
      if (isWordLine(line)) {
        lines_.push_back(static_cast<uint32_t>(start));
      } else {
        ++skipped_;
      }
    }
    const size_t end = text_.find('\n', start);
    start = end == std::string::npos ? text_.size() : end + 1;
  }
  // The derivation writes the lines in order; a file edited by hand may
  // not be, and is sorted here so that lookups stay right.
  const auto before = [this](uint32_t a, uint32_t b) { return compareFolded(wordOf(a), wordOf(b)) < 0; };
  if (!std::is_sorted(lines_.begin(), lines_.end(), before)) std::stable_sort(lines_.begin(), lines_.end(), before);
  lines_.erase(std::unique(lines_.begin(), lines_.end(),
                           [this](uint32_t a, uint32_t b) { return compareFolded(wordOf(a), wordOf(b)) == 0; }),
               lines_.end());
}

std::string_view DefinitionsFile::wordOf(uint32_t line) const {
  const std::string_view text = lineAt(text_, line);
  return text.substr(0, text.find('\t'));
}

std::vector<Sense> DefinitionsFile::lookUp(std::string_view word) const {
  const auto it = std::lower_bound(lines_.begin(), lines_.end(), word,
                                   [this](uint32_t line, std::string_view w) { return compareFolded(wordOf(line), w) < 0; });
  if (it == lines_.end() || compareFolded(wordOf(*it), word) != 0) return {};
  return sensesOf(lineAt(text_, *it));
}

const char* partOfSpeechName(char letter) {
  switch (letter) {
    case 'n': return "n.";
    case 'v': return "v.";
    case 'a': return "adj.";
    case 'r': return "adv.";
    default: return "";
  }
}

std::string describeSense(std::string_view word, const Sense& sense) {
  std::string line;
  if (!sense.base.empty() && compareFolded(sense.base, word) != 0) line = sense.base + " ";
  line += "(";
  line += partOfSpeechName(sense.partOfSpeech);
  line += ") ";
  line += sense.gloss;
  return line;
}

}  // namespace vorpex
