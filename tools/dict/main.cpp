// vorpex-dict: makes and inspects Arcade Vorpex dictionary files.
//
//   vorpex-dict build WORDLIST OUT      minimised word graph of a word list
//   vorpex-dict list DICT               the engine's word lists, shuffled order
//   vorpex-dict puzzle DICT LENGTH NUMBER
//                                       a rack and its solutions, through the
//                                       library's five functions
//   vorpex-dict define WORD [DEFS]      a word's senses from a definitions
//                                       file (the build's VORPEX.DEFS unless
//                                       DEFS is given)
//   vorpex-dict --help | --version
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "ascii_case.h"
#include "code_page.h"
#include "definitions_file.h"
#include "dict_file.h"
#include "graph_builder.h"
#include "version.h"
#include "puzzle_engine.h"
#include "word_list_file.h"
#include "wordcore.h"

namespace {

constexpr const char* kUsage =
    "usage: vorpex-dict build WORDLIST OUT        make a dictionary from a word list\n"
    "       vorpex-dict list DICT                 the dictionary's words, as the engine lists them\n"
    "       vorpex-dict puzzle DICT LENGTH NUMBER a rack and its solutions\n"
    "       vorpex-dict define WORD [DEFS]        a word's senses\n"
    "       vorpex-dict --help | --version\n";

// A call the tool does not know: the usage on standard error, status 2.
int usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

// "1 word", "2 words".
std::string count(long long n, const char* noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

bool parseInt(std::string_view text, int32_t& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

int build(const std::string& wordListPath, const std::string& outPath) {
  const auto list = vorpex::dict::readWordList(wordListPath);
  if (!list.error.empty()) {
    std::fprintf(stderr, "vorpex-dict: %s\n", list.error.c_str());
    return 1;
  }
  const auto graph = vorpex::dict::buildGraph(list.words);
  if (!graph.error.empty()) {
    std::fprintf(stderr, "vorpex-dict: %s: %s\n", wordListPath.c_str(), graph.error.c_str());
    return 1;
  }
  const auto words = static_cast<uint32_t>(list.words.size());
  const std::string error = vorpex::dict::writeDictionary(outPath, words, graph.nodes);
  if (!error.empty()) {
    std::fprintf(stderr, "vorpex-dict: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s: %s, %s\n", outPath.c_str(), count(words, "word").c_str(),
              count(static_cast<long long>(graph.nodes.size()), "node").c_str());
  return 0;
}

int list(const std::string& dictPath) {
  wordcore::PuzzleEngine engine;
  const auto status = engine.load(dictPath);
  if (status != wordcore::DictStatus::ok) {
    std::fprintf(stderr, "vorpex-dict: %s: %s\n", dictPath.c_str(), wordcore::describe(status));
    return 1;
  }
  for (int len = wordcore::kMinWordLength; len <= wordcore::kMaxWordLength; ++len) {
    const auto& words = engine.wordsByLen(len);
    char word[wordcore::kMaxWordLength + 1];
    for (size_t i = 0; i < words.size(); ++i) {
      words.spell(i, word);
      std::printf("%d %s\n", len, vorpex::utf8FromCodePage(word).c_str());
    }
  }
  return 0;
}

int puzzle(const std::string& dictPath, const std::string& lengthText,
           const std::string& numberText) {
  int32_t length = 0;
  int32_t number = 0;
  if (!parseInt(lengthText, length) || !parseInt(numberText, number)) {
    std::fputs("vorpex-dict: LENGTH and NUMBER must be whole numbers\n", stderr);
    return 2;
  }
  if (length < wordcore::kMinWordLength || length > wordcore::kMaxWordLength) {
    std::fprintf(stderr, "vorpex-dict: a rack has %d to %d letters, not %d\n", wordcore::kMinWordLength,
                 wordcore::kMaxWordLength, length);
    return 2;
  }
  if (loadLangDict(dictPath.c_str()) != 1) {
    std::fprintf(stderr, "vorpex-dict: %s: the dictionary did not load\n", dictPath.c_str());
    return 1;
  }
  // With the length in range and the dictionary loaded, the one way left to
  // fail is a list without a word of that length to take the rack from.
  if (makeLLPuzzleA(length, number, -1) != 0) {
    std::fprintf(stderr, "vorpex-dict: %s has no word of %d letters, so no rack of that length\n",
                 dictPath.c_str(), length);
    return 1;
  }
  char word[16];
  std::string rack = llpGetWord(length, 1, word) ? word : "";
  rack = vorpex::utf8FromCodePage(vorpex::letterUpper(rack));
  std::printf("rack %s (puzzle %d)\n", rack.c_str(), number);
  for (int len = 3; len <= length; ++len) {
    const int32_t found = llpGetNumWordsInSize(len);
    std::printf("%d letters, %s:", len, count(found, "word").c_str());
    for (int32_t i = 1; i <= found; ++i)
      if (llpGetWord(len, i, word)) std::printf(" %s", vorpex::utf8FromCodePage(word).c_str());
    std::printf("\n");
  }
  clearMemory();
  return 0;
}

int define(const std::string& word, const std::string& defsPath) {
  std::ifstream in(defsPath, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) {
    std::fprintf(stderr, "vorpex-dict: %s: cannot be read\n", defsPath.c_str());
    return 1;
  }
  const vorpex::DefinitionsFile definitions(std::move(text).str());
  if (definitions.wordCount() == 0) {
    std::fprintf(stderr, "vorpex-dict: %s: holds no definitions\n", defsPath.c_str());
    return 1;
  }
  const auto senses = definitions.lookUp(word);
  if (senses.empty()) {
    std::fprintf(stderr, "vorpex-dict: no definition of \"%s\" in %s\n", word.c_str(), defsPath.c_str());
    return 1;
  }
  std::printf("%s\n", word.c_str());
  int n = 0;
  for (const auto& sense : senses) std::printf("%d. %s\n", ++n, vorpex::describeSense(word, sense).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string command = argv[1];
  if (command == "--help" && argc == 2) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (command == "--version" && argc == 2) {
    std::printf("vorpex-dict %s\n%s\n", vorpex::kVersion, vorpex::kLicenceLine);
    return 0;
  }
  if (command == "build" && argc == 4) return build(argv[2], argv[3]);
  if (command == "list" && argc == 3) return list(argv[2]);
  if (command == "puzzle" && argc == 5) return puzzle(argv[2], argv[3], argv[4]);
  if (command == "define" && (argc == 3 || argc == 4)) return define(argv[2], argc == 4 ? argv[3] : VORPEX_DEFINITIONS);
  return usage();
}
