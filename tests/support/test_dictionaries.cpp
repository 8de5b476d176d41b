#include "test_dictionaries.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dict_file.h"
#include "graph_builder.h"

namespace vorpex::testing {

std::vector<uint32_t> graphOf(const std::vector<std::string>& words) {
  std::vector<std::string> sorted = words;
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  auto graph = dict::buildGraph(sorted);
  EXPECT_EQ(graph.error, "");
  return graph.nodes;
}

std::vector<uint8_t> fileBytes(const std::vector<uint32_t>& nodes) {
  return dict::dictionaryBytes(0, nodes);
}

std::string writeDictionary(const TempDir& dir, const std::vector<std::string>& words,
                            const std::string& name) {
  return dir.write(name, fileBytes(graphOf(words)));
}

std::string shippedDictionaryPath() { return std::string(VORPEX_APP_DIR) + "/VORPEX.DICT"; }

}  // namespace vorpex::testing
