#include "word_meanings.h"

namespace vorpex {

namespace {
// The shipped file is under 6 MB; a file far past it is not one, and
// reading it whole would stall the game and exhaust the memory.
constexpr size_t kLargestDefinitions = 64u << 20;
// What a window shows of a word: the shipped file keeps three senses of a
// few hundred letters at most.
constexpr size_t kMostSenses = 3;
constexpr size_t kLongestGloss = 400;
constexpr size_t kLongestBase = 40;
constexpr std::string_view kEllipsis = "\u2026";  // the definitions are UTF-8 text

// `text` cut to at most `most` bytes with "…" at its end, never inside a
// character's bytes.
void shorten(std::string& text, size_t most) {
  if (text.size() <= most) return;
  size_t cut = most - kEllipsis.size();
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  text.resize(cut);
  text += kEllipsis;
}
}  // namespace

WordMeanings::~WordMeanings() {
  // A reading still under way finishes before the file system it uses goes.
  if (reading_.valid()) reading_.wait();
}

void WordMeanings::prepare() {
  if (loaded_ || reading_.valid()) return;
  reading_ = std::async(std::launch::async, [&files = files_, path = path_] {
    auto result = std::make_unique<Loaded>();
    std::string text;
    switch (files.readFile(path, text, kLargestDefinitions)) {
      case ReadResult::ok: result->file = DefinitionsFile(std::move(text)); break;
      case ReadResult::notFound: result->problem = path + ": not found, so no word meanings are shown"; break;
      case ReadResult::failed: result->problem = path + ": cannot be read, so no word meanings are shown"; break;
      case ReadResult::tooLarge:
        result->problem = path + ": larger than any definitions file, so no word meanings are shown";
        break;
    }
    if (result->problem.empty() && result->file.wordCount() == 0)
      result->problem = path + ": holds no definitions";
    return result;
  });
}

const WordMeanings::Loaded& WordMeanings::loaded() {
  if (!loaded_) {
    prepare();
    loaded_ = reading_.get();
    if (!loaded_->problem.empty() && onProblem) onProblem(loaded_->problem);
  }
  return *loaded_;
}

std::vector<Sense> WordMeanings::lookUp(std::string_view word) {
  std::vector<Sense> senses = loaded().file.lookUp(word);
  if (senses.size() > kMostSenses) senses.resize(kMostSenses);
  for (Sense& sense : senses) {
    shorten(sense.gloss, kLongestGloss);
    shorten(sense.base, kLongestBase);
  }
  return senses;
}

std::string WordMeanings::problem() { return loaded().problem; }

}  // namespace vorpex
