// Dictionaries for tests, made with the project's own dictionary tool.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "temp_files.h"

namespace vorpex::testing {

// The minimised graph of `words` (any order; repeats allowed); fails the
// test when the words are not a valid list.
std::vector<uint32_t> graphOf(const std::vector<std::string>& words);

// Writes a dictionary file of `words` into `dir` and returns its path.
std::string writeDictionary(const TempDir& dir, const std::vector<std::string>& words,
                            const std::string& name = "TEST.DICT");

// A dictionary file's bytes: the tool's header, then `nodes`.
std::vector<uint8_t> fileBytes(const std::vector<uint32_t>& nodes);

// The shipped dictionary in the program folder of this build.
std::string shippedDictionaryPath();

}  // namespace vorpex::testing
