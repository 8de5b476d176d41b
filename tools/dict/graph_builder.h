// Building a minimised word graph in the engine's node format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorpex::dict {

struct GraphResult {
  std::vector<uint32_t> nodes;
  std::string error;  // empty on success
};

// Builds the graph of `words` (sorted, without repeats, a to z only): the
// root group at index 0, every sibling group in ascending letter order, and
// equal groups (same letters, word ends and children) stored once, which
// shares common suffixes. Groups are laid out breadth first from the root,
// so the same words always give the same nodes. Fails when the graph would
// need more than 524,288 nodes.
GraphResult buildGraph(const std::vector<std::string>& words);

}  // namespace vorpex::dict
