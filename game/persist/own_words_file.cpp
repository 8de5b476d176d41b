#include "own_words_file.h"

#include <algorithm>

#include "ascii_case.h"

namespace vorpex {

namespace {

constexpr const char* kAcceptedHeader = "[accepted]";
constexpr const char* kNeverShownHeader = "[never shown]";

std::string trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// The lower-case word a line holds, or "" when it is no word of 3 to 8 letters.
std::string wordOfLine(const std::string& line) {
  const std::string word = asciiLower(trimmed(line));
  const bool letters = std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  return letters && word.size() >= 3 && word.size() <= 8 ? word : std::string();
}

}  // namespace

int ownWordsSection(const std::string& line) {
  std::string text = asciiLower(trimmed(line));
  if (text == kAcceptedHeader) return 1;
  if (text == kNeverShownHeader) return 2;
  return 0;
}

void OwnWordsFile::load() {
  lines_.clear();
  accepted_.clear();
  neverShown_.clear();
  std::string bytes;
  switch (files_.readFile(path_, bytes, kOwnWordsLimit)) {
    case ReadResult::ok: break;
    case ReadResult::notFound: return;
    case ReadResult::tooLarge:
    case ReadResult::failed:
      writable_ = false;
      tell("your own words in \"" + path_ + "\" cannot be read; they are left as they are and not used");
      return;
  }
  Section section = Section::none;
  size_t damaged = 0, firstDamaged = 0;
  for (size_t at = 0, number = 1; at < bytes.size(); ++number) {
    size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    lines_.push_back(bytes.substr(at, end - at));
    at = end + 1;
    const std::string& line = lines_.back();
    const std::string text = trimmed(line);
    if (text.empty() || text[0] == '#') continue;
    if (const int opened = ownWordsSection(line)) {
      section = opened == 1 ? Section::accepted : Section::neverShown;
      continue;
    }
    const std::string word = wordOfLine(line);
    if (word.empty() || section == Section::none) {
      if (damaged++ == 0) firstDamaged = number;
      continue;
    }
    (section == Section::accepted ? accepted_ : neverShown_).insert(word);
    (section == Section::accepted ? neverShown_ : accepted_).erase(word);  // the later line holds
  }
  if (damaged > 0)
    tell("your own words in \"" + path_ + "\": line " + std::to_string(firstDamaged) +
         (damaged > 1 ? " and " + std::to_string(damaged - 1) + " more" : std::string()) +
         " skipped: each line is a word of 3 to 8 letters under [accepted] or [never shown]");
}

bool OwnWordsFile::accepted(const std::string& word) const { return accepted_.count(asciiLower(word)) > 0; }
bool OwnWordsFile::neverShown(const std::string& word) const { return neverShown_.count(asciiLower(word)) > 0; }
bool OwnWordsFile::accept(const std::string& word) { return choose(asciiLower(word), Section::accepted); }
bool OwnWordsFile::neverShow(const std::string& word) { return choose(asciiLower(word), Section::neverShown); }

bool OwnWordsFile::choose(const std::string& word, Section section) {
  (section == Section::accepted ? accepted_ : neverShown_).insert(word);
  (section == Section::accepted ? neverShown_ : accepted_).erase(word);
  // The word's lines in the other section go; it is added under its own.
  Section in = Section::none;
  bool listed = false;
  size_t sectionEnd = lines_.size();
  bool sectionSeen = false;
  std::vector<std::string> kept;
  for (const std::string& line : lines_) {
    if (const int opened = ownWordsSection(line)) {
      if (in == section) sectionEnd = kept.size();
      in = opened == 1 ? Section::accepted : Section::neverShown;
      sectionSeen = sectionSeen || in == section;
    } else if (in != Section::none && wordOfLine(line) == word) {
      if (in != section) continue;
      listed = true;
    }
    kept.push_back(line);
  }
  if (in == section) sectionEnd = kept.size();
  if (!sectionSeen) {
    if (kept.empty()) {
      kept.push_back("# Arcade Vorpex: words of your own. One word a line; lines starting with # are comments.");
      kept.push_back("# Under [accepted], words taken as bonus words; under [never shown], words kept off");
      kept.push_back("# your racks and level lists.");
    }
    kept.push_back(section == Section::accepted ? kAcceptedHeader : kNeverShownHeader);
    sectionEnd = kept.size();
  }
  if (!listed) {
    // After the section's last word, before any blank or comment lines that end it.
    while (sectionEnd > 0 && sectionSeen && trimmed(kept[sectionEnd - 1]).empty()) --sectionEnd;
    kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(sectionEnd), word);
  }
  lines_ = std::move(kept);
  if (!writable_) return false;
  std::string bytes;
  for (const std::string& line : lines_) bytes += line + "\n";
  std::string problem;
  // The folder may not be there yet for a new player (bytes of the path
  // as given: no conversion of its encoding).
  const size_t slash = path_.find_last_of("/\\");
  if (slash != std::string::npos && slash > 0) files_.createDirectories(path_.substr(0, slash));
  if (files_.replaceFile(path_, bytes, path_, problem)) return true;
  tell("your own words could not be kept: " + problem);
  return false;
}

}  // namespace vorpex
