#include "bonus_word_file.h"

#include <algorithm>
#include <string_view>

#include "code_page.h"
#include "program_files.h"

namespace vorpex {

std::vector<uint32_t> indexBonusWords(const std::string& text, std::string& problem) {
  std::vector<uint32_t> starts;
  std::string_view previous;
  size_t line = 1;
  for (size_t at = 0; at < text.size(); ++line) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::string_view word(text.data() + at, end - at);
    const bool letters = std::all_of(word.begin(), word.end(), [](char c) { return isLowerLetter(c); });
    if (!letters || word.size() < 3 || word.size() > 8 || word <= previous) {
      problem = "line " + std::to_string(line) + " is not a word of 3 to 8 lower-case letters after the one before";
      return {};
    }
    starts.push_back(static_cast<uint32_t>(at));
    previous = word;
    at = end + 1;
  }
  return starts;
}

void BonusWordFile::read() {
  read_ = true;
  std::string problem;
  switch (files_.readFile(path_, text_, kBonusListLimit)) {
    case ReadResult::ok:
      // The list is UTF-8; the words are looked up in the code page the
      // game's words are kept in.
      if (std::optional<std::string> bytes = codePageFromUtf8(text_)) {
        text_ = std::move(*bytes);
        starts_ = indexBonusWords(text_, problem);
      } else {
        problem = "it is not UTF-8 text of letters the game has";
      }
      break;
    case ReadResult::notFound: problem = "it is missing"; break;
    case ReadResult::tooLarge: problem = "it is larger than any list of words"; break;
    case ReadResult::failed: problem = "it cannot be read"; break;
  }
  if (problem.empty()) return;
  text_.clear();
  starts_.clear();
  if (onProblem)
    onProblem("the bonus words " + files::describeLocation(path_) + " are not used: " + problem +
              ". Words beyond the level's list are refused.");
}

bool BonusWordFile::contains(const std::string& word) {
  if (!read_) read();
  const std::string lower = letterLower(word);
  const auto wordAt = [this](uint32_t start) {
    const size_t end = text_.find('\n', start);
    return std::string_view(text_).substr(start, (end == std::string::npos ? text_.size() : end) - start);
  };
  const auto it = std::lower_bound(starts_.begin(), starts_.end(), lower,
                                   [&](uint32_t start, const std::string& w) { return wordAt(start) < w; });
  return it != starts_.end() && wordAt(*it) == lower;
}

bool BonusWordsByList::contains(const std::string& word) {
  // Both English spellings share one file, so they share its reading.
  const WordList list = bonusWordsFileOf(current_) == bonusWordsFileOf(WordList::everydayAmerican)
                            ? WordList::everydayAmerican
                            : current_;
  std::unique_ptr<BonusWordFile>& file = lists_[static_cast<size_t>(list)];
  if (!file) {
    file = std::make_unique<BonusWordFile>(files_, appDir_ + bonusWordsFileOf(list));
    file->onProblem = onProblem;
  }
  return file->contains(word);
}

}  // namespace vorpex
