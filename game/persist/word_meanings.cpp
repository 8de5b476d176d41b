#include "word_meanings.h"

namespace vorpex {

WordMeanings::~WordMeanings() {
  // A reading still under way finishes before the file system it uses goes.
  if (reading_.valid()) reading_.wait();
}

void WordMeanings::prepare() {
  if (loaded_ || reading_.valid()) return;
  reading_ = std::async(std::launch::async, [&files = files_, path = path_] {
    auto result = std::make_unique<Loaded>();
    std::string text;
    switch (files.readFile(path, text)) {
      case ReadResult::ok: result->file = DefinitionsFile(std::move(text)); break;
      case ReadResult::notFound: result->problem = path + ": not found, so no word meanings are shown"; break;
      case ReadResult::failed: result->problem = path + ": cannot be read, so no word meanings are shown"; break;
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
  }
  return *loaded_;
}

std::vector<Sense> WordMeanings::lookUp(std::string_view word) { return loaded().file.lookUp(word); }

std::string WordMeanings::problem() { return loaded().problem; }

}  // namespace vorpex
